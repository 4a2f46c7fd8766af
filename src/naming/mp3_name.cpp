#include "naming/mp3_name.h"

#include "text/text_rules.h"

namespace pelmora {
namespace {

bool IsPlaceholder(std::wstring_view text, std::size_t at, wchar_t letter) {
  return at + 1 < text.size() && text[at] == L'%' && (text[at + 1] == letter || text[at + 1] == letter + (L'a' - L'A'));
}

bool HasPlaceholder(std::wstring_view text, wchar_t letter) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (IsPlaceholder(text, i, letter)) return true;
  }
  return false;
}

std::wstring Substitute(std::wstring_view text, wchar_t letter, std::wstring_view by) {
  std::wstring out;
  std::size_t i = 0;
  while (i < text.size()) {
    if (IsPlaceholder(text, i, letter)) {
      out.append(by);
      i += 2;
    } else {
      out.push_back(text[i]);
      ++i;
    }
  }
  return out;
}

}  // namespace

std::wstring FormatMp3Name(std::wstring_view pattern, std::wstring_view artist, std::wstring_view title) {
  std::wstring name;
  if (pattern.empty()) {
    name = title;
  } else {
    if (!HasPlaceholder(pattern, L'T') && !HasPlaceholder(pattern, L'A')) return {};
    if (artist.empty() && title.empty()) return {};
    name = Substitute(Substitute(pattern, L'A', artist), L'T', title);
  }
  if (TrimSpaces(name).empty()) return {};
  return name;
}

}  // namespace pelmora
