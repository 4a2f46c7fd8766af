// The code-page conversions the portable rules need, provided by the platform:
// MultiByteToWideChar on Windows, iconv on the host.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace pelmora {

constexpr unsigned kShiftJis = 932;
// UTF-7, the form of Windows' own Unicode sections ([InternetShortcut.W]) in INI files.
constexpr unsigned kUtf7 = 65000;

// Bytes of the text in the system ANSI code page (932 on Japanese Windows; the host
// build uses 932 too), as Windows counts them for its ANSI functions.
std::size_t AnsiByteCount(std::wstring_view text);
std::string ToAnsiBytes(std::wstring_view text);
std::wstring FromAnsiBytes(std::string_view bytes);
// Conversion from a named code page (932, 20932 EUC-JP, 65000 UTF-7, 65001 UTF-8, 1200 UTF-16LE,
// 1201 UTF-16BE).
std::wstring DecodeCodePage(unsigned codePage, std::string_view bytes);
std::string EncodeCodePage(unsigned codePage, std::wstring_view text);

}  // namespace pelmora
