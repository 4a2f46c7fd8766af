// Small text operations shared by every subsystem.
#pragma once
#include <string>
#include <string_view>

namespace pelmora {

// Leading and trailing blanks (U+0020 only; tabs and line breaks are kept) removed.
std::wstring TrimSpaces(std::wstring_view text);
std::wstring TrimTrailingSpaces(std::wstring_view text);
// The text up to its first NUL, then trimmed of blanks.
std::wstring TrimAtNul(std::wstring_view text);
// The text up to its first line break (CR or LF) or NUL: what a one-line field takes of a
// pasted text.
std::wstring FirstLine(std::wstring_view text);
// Upper case of ASCII letters and of the Latin/full-width letters Windows upper-cases.
std::wstring ToUpper(std::wstring_view text);
// Lower case of ASCII letters only (registry and file-type names).
std::wstring ToLowerAscii(std::wstring_view text);
bool EqualsNoCase(std::wstring_view a, std::wstring_view b);
// True when `needle` occurs in `haystack`, letter case ignored.
bool ContainsNoCase(std::wstring_view haystack, std::wstring_view needle);
bool EndsWith(std::wstring_view text, std::wstring_view tail);
// True when the path begins with a drive: an ASCII letter and a colon ("C:").
bool StartsWithDrive(std::wstring_view path);
// Appends a backslash unless the text already ends in one.
std::wstring WithTrailingBackslash(std::wstring_view folder);

}  // namespace pelmora
