// UTF-16 byte streams (files with a byte-order mark, ID3 texts) to program text, and code points
// appended to program text (UTF-16 on Windows, one wchar_t per code point on the host).
#pragma once
#include <string>
#include <string_view>

namespace pelmora {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes little- or big-endian UTF-16 bytes; an odd last byte is dropped and a surrogate
// without its partner becomes U+FFFD.
std::wstring DecodeUtf16Bytes(std::string_view bytes, bool bigEndian);

// The text as little- or big-endian UTF-16 bytes (code points beyond U+FFFF as surrogate pairs
// where wchar_t holds whole code points).
std::string EncodeUtf16Bytes(std::wstring_view text, bool bigEndian);

// Appends one code point (a surrogate pair on Windows for those beyond U+FFFF).
void AppendCodePoint(std::wstring& text, char32_t codePoint);

}  // namespace pelmora
