// The program's own converter for Japanese text: it recognises the common encodings of
// Japanese web pages and turns them into Shift-JIS. Every output is at most as long as its input.
#pragma once
#include <string>
#include <string_view>

namespace pelmora {

enum class JapaneseEncoding { Ascii, ShiftJis, EucJp, Iso2022Jp, Utf8, Utf16Le, Utf16Be };

// The encoding the bytes are most likely in: a byte-order mark decides first, then JIS escape
// sequences, then well-formed UTF-8, then whichever of EUC-JP and Shift-JIS fits better.
JapaneseEncoding DetectJapaneseEncoding(std::string_view bytes);

// The text in Shift-JIS (code page 932); characters without a Shift-JIS form become "?".
std::string ConvertToShiftJis(std::string_view bytes);
std::string ConvertToShiftJis(std::string_view bytes, JapaneseEncoding encoding);

}  // namespace pelmora
