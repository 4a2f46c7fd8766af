// The character rules that tell a URL from a path, kept free of any system call so that they
// can be exercised with any text.
#pragma once
#include <string_view>

#include "url/target_kind.h"

namespace pelmora {

// A head longer than this is refused outright (the longest text a Windows path or URL
// function takes).
inline constexpr std::size_t kMaxUrlHeadLength = 32767;

// ASCII letters, digits and the 23 marks . _ / ~ # ? = ; & : \ | , $ ! * ' ( ) @ + % -
bool IsUrlCharacter(wchar_t c);

// A target is taken for a URL when it holds "://" anywhere.
bool LooksLikeUrl(std::wstring_view text);

// The URL check: only the head before the first "?" is examined; every character of it must
// be a URL character. Url when it passes (also for an empty head), else Invalid.
TargetKind CheckUrlSyntax(std::wstring_view text);

// "*" or "?" in a path: a file search would take it as a pattern, so such a path never names
// one existing entry. The "\\?\" prefix of long paths is not a wildcard.
bool HasWildcard(std::wstring_view path);

}  // namespace pelmora
