// Conversions between the program's UTF-16 text and the system's ANSI code page.
#pragma once
#include <string>
#include <string_view>

namespace pelmora::win {

// Text in the system ANSI code page (932 on the systems Pelmora is made for).
std::string ToAnsi(std::wstring_view text);
std::wstring FromAnsi(std::string_view bytes);
// Text from bytes in any code page the system knows.
std::wstring FromCodePage(unsigned codePage, std::string_view bytes);
std::string ToCodePage(unsigned codePage, std::wstring_view text);

}  // namespace pelmora::win
