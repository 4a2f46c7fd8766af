#include "url/url_syntax.h"

#include "text/text_rules.h"

namespace pelmora {

bool IsUrlCharacter(wchar_t c) {
  if ((c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9')) return true;
  constexpr std::wstring_view kMarks = L"._/~#?=;&:\\|,$!*'()@+%-";
  static_assert(kMarks.size() == 23);
  return kMarks.find(c) != std::wstring_view::npos;
}

bool LooksLikeUrl(std::wstring_view text) { return text.find(L"://") != std::wstring_view::npos; }

TargetKind CheckUrlSyntax(std::wstring_view text) {
  const std::wstring_view head = text.substr(0, text.find(L'?'));
  if (head.size() > kMaxUrlHeadLength) return TargetKind::Invalid;
  for (const wchar_t c : head)
    if (!IsUrlCharacter(c)) return TargetKind::Invalid;
  return TargetKind::Url;
}

namespace {

// The ports are numbered 1 to 9, and Windows reads the superscripts one to three as digits too.
bool IsPortDigit(wchar_t c) {
  return (c >= L'1' && c <= L'9') || c == L'\u00B9' || c == L'\u00B2' || c == L'\u00B3';
}

}  // namespace

std::size_t DeviceNameLength(std::wstring_view fileName) {
  std::wstring_view stem = fileName.substr(0, fileName.find_first_of(L".:"));
  while (!stem.empty() && stem.back() == L' ') stem.remove_suffix(1);
  for (const std::wstring_view device : {L"CON", L"PRN", L"AUX", L"NUL", L"CLOCK$", L"CONIN$", L"CONOUT$"})
    if (EqualsNoCase(stem, device)) return stem.size();
  for (const std::wstring_view port : {L"COM", L"LPT"})
    if (stem.size() == port.size() + 1 && EqualsNoCase(stem.substr(0, port.size()), port) && IsPortDigit(stem.back()))
      return stem.size();
  return 0;
}

bool NamesDevice(std::wstring_view path) {
  while (!path.empty() && (path.back() == L'\\' || path.back() == L'/')) path.remove_suffix(1);
  const auto separator = path.find_last_of(L"\\/:");
  return DeviceNameLength(separator == std::wstring_view::npos ? path : path.substr(separator + 1)) > 0;
}

bool HasWildcard(std::wstring_view path) {
  constexpr std::wstring_view kLongPathPrefix = L"\\\\?\\";
  if (path.substr(0, kLongPathPrefix.size()) == kLongPathPrefix) path.remove_prefix(kLongPathPrefix.size());
  return path.find_first_of(L"*?") != std::wstring_view::npos;
}

}  // namespace pelmora
