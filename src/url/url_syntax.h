// The character rules that tell a URL from a path, kept free of any system call so that they
// can be exercised with any text.
#pragma once
#include <cstddef>
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

// Windows takes a file name for a device when the part before its first dot (or colon), without
// trailing blanks, is CON, PRN, AUX, NUL, CLOCK$, CONIN$, CONOUT$, COM1-COM9 or LPT1-LPT9 (also
// with the digits ¹ ² ³), in any letter case: "nul.txt" and "Com1 .log" are devices, "COM0",
// "COM10" and "CONFIG" are files. Gives the length of that device name at the start of
// `fileName`, or 0 when the name is a file's.
std::size_t DeviceNameLength(std::wstring_view fileName);

// The last part of a path is a device's name ("C:\x\nul.txt", "NUL", "D:\LPT1\"): the path
// opens that device wherever it points, and the system may even report it as present, but there
// is no file to make a shortcut for.
bool NamesDevice(std::wstring_view path);

// "*" or "?" in a path: a file search would take it as a pattern, so such a path never names
// one existing entry. The "\\?\" prefix of long paths is not a wildcard.
bool HasWildcard(std::wstring_view path);

}  // namespace pelmora
