#include "url/url_syntax.h"

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

bool HasWildcard(std::wstring_view path) {
  constexpr std::wstring_view kLongPathPrefix = L"\\\\?\\";
  if (path.substr(0, kLongPathPrefix.size()) == kLongPathPrefix) path.remove_prefix(kLongPathPrefix.size());
  return path.find_first_of(L"*?") != std::wstring_view::npos;
}

}  // namespace pelmora
