// UTF-7 (RFC 2152) as Windows writes it into the Unicode section of internet shortcut files:
// text that the ANSI code page would spoil travels as 7-bit ASCII that any INI reader keeps.
#pragma once
#include <string>
#include <string_view>

namespace pelmora {

// Letters, digits, ' ( ) , - . / : ? blank, tab, CR and LF stand for themselves; "+" becomes
// "+-"; every other character goes into a "+...-" run of modified base64 over its UTF-16 units,
// and every run is closed with "-", as the system's own encoder does.
std::string EncodeUtf7(std::wstring_view text);

// Decodes any bytes without failing: a run ends at the first byte outside the base64 alphabet
// (a "-" there is swallowed), leftover bits of a run are dropped, and bytes outside ASCII are
// kept as the characters of the same value. Surrogate pairs become one character where
// wchar_t holds whole code points.
std::wstring DecodeUtf7(std::string_view bytes);

}  // namespace pelmora
