#include "naming/icon_location.h"

#include <cmath>
#include <cwctype>

#include "text/text_rules.h"

namespace pelmora {

static int ReadIndex(std::wstring_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == L' ' || text[i] == L'\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) negative = text[i++] == L'-';
  double value = 0;
  bool digits = false;
  while (i < text.size() && text[i] >= L'0' && text[i] <= L'9') {
    value = value * 10 + (text[i++] - L'0');
    digits = true;
    if (value > 2147483647.0) value = 2147483647.0;
  }
  if (i < text.size() && text[i] == L'.') {
    double scale = 0.1;
    for (++i; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i, scale /= 10) {
      value += (text[i] - L'0') * scale;
      digits = true;
    }
  }
  if (!digits) return 0;
  const double rounded = std::nearbyint(negative ? -value : value);
  return static_cast<int>(std::fmax(-2147483648.0, std::fmin(2147483647.0, rounded)));
}

IconLocation ParseIconLocation(std::wstring_view text) {
  IconLocation location;
  const auto comma = text.find(L',');
  if (comma == std::wstring_view::npos || text.find(L',', comma + 1) != std::wstring_view::npos) return location;
  std::wstring file = TrimSpaces(text.substr(0, comma));
  if (file.size() >= 2 && file.front() == L'"' && file.back() == L'"') file = file.substr(1, file.size() - 2);
  location.file = file;
  location.index = ReadIndex(text.substr(comma + 1));
  return location;
}

}  // namespace pelmora
