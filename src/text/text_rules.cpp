#include "text/text_rules.h"

#include <algorithm>
#include <cwctype>

namespace pelmora {

std::wstring TrimSpaces(std::wstring_view text) {
  const auto first = text.find_first_not_of(L' ');
  if (first == std::wstring_view::npos) return {};
  const auto last = text.find_last_not_of(L' ');
  return std::wstring(text.substr(first, last - first + 1));
}

std::wstring TrimTrailingSpaces(std::wstring_view text) {
  const auto last = text.find_last_not_of(L' ');
  if (last == std::wstring_view::npos) return {};
  return std::wstring(text.substr(0, last + 1));
}

std::wstring TrimAtNul(std::wstring_view text) {
  const auto nul = text.find(L'\0');
  return TrimSpaces(nul == std::wstring_view::npos ? text : text.substr(0, nul));
}

std::wstring FirstLine(std::wstring_view text) {
  return std::wstring(text.substr(0, text.find_first_of(std::wstring_view(L"\r\n\0", 3))));
}

static wchar_t UpperChar(wchar_t c) {
  if (c >= L'a' && c <= L'z') return static_cast<wchar_t>(c - L'a' + L'A');
  if (c < 0x80) return c;
  if (c >= 0xFF41 && c <= 0xFF5A) return static_cast<wchar_t>(c - 0xFF41 + 0xFF21);  // full-width a-z
  if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return static_cast<wchar_t>(c - 0x20);
  return c;
}

std::wstring ToUpper(std::wstring_view text) {
  std::wstring out(text);
  std::transform(out.begin(), out.end(), out.begin(), UpperChar);
  return out;
}

std::wstring ToLowerAscii(std::wstring_view text) {
  std::wstring out(text);
  for (wchar_t& c : out)
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  return out;
}

bool EqualsNoCase(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (UpperChar(a[i]) != UpperChar(b[i])) return false;
  return true;
}

bool ContainsNoCase(std::wstring_view haystack, std::wstring_view needle) {
  if (needle.empty()) return true;
  if (needle.size() > haystack.size()) return false;
  for (size_t i = 0; i + needle.size() <= haystack.size(); ++i)
    if (EqualsNoCase(haystack.substr(i, needle.size()), needle)) return true;
  return false;
}

bool StartsWithDrive(std::wstring_view path) {
  return path.size() >= 2 && path[1] == L':' && (path[0] | 0x20) >= L'a' && (path[0] | 0x20) <= L'z';
}

bool EndsWith(std::wstring_view text, std::wstring_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

std::wstring WithTrailingBackslash(std::wstring_view folder) {
  std::wstring out(folder);
  if (out.empty() || out.back() != L'\\') out.push_back(L'\\');
  return out;
}

}  // namespace pelmora
