// Turning a page's bytes into Shift-JIS before its title is read: UTF-8 recognised by the
// program's own check is decoded here, anything else goes to the Japanese text converter.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace pelmora {

// The page in the ANSI code page; returns the number of output bytes, 0 when nothing was
// converted (the caller then reads the bytes as they are).
std::size_t ConvertTextBytes(std::string_view input, std::string& output);

// The Japanese text converter. Its version text is non-empty when it is available.
std::wstring GetNkfVersionText();
// Converts with the converter's options ("s", or empty, asks for Shift-JIS). The output ends
// before its first NUL byte and never exceeds twice the input plus its terminator; returns its
// length, 0 when the conversion failed.
std::size_t NkfConvertBytes(std::string_view input, std::string& output, std::string_view options);

}  // namespace pelmora
