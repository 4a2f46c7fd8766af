// The program's own reader of Japanese text: it recognises the common encodings of Japanese web
// pages and decodes them to program text.
#pragma once
#include <string>
#include <string_view>

namespace pelmora {

enum class JapaneseEncoding { Ascii, ShiftJis, EucJp, Iso2022Jp, Utf8, Utf16Le, Utf16Be };

// The encoding the bytes are most likely in. A byte-order mark decides, and so does the pattern
// of zero bytes that markup leaves in UTF-16. Otherwise every reading is weighed over all the
// bytes: likely characters for it, unlikely ones (rare kanji, kana that make no syllable) and
// bytes that break it against it. A reading that breaks on the bytes is out when another reads
// them cleanly and sensibly. The charset the page declares is taken when its reading holds up;
// UTF-8 that reads cleanly wins over a declared legacy encoding, since editors often save UTF-8
// under an old declaration.
JapaneseEncoding DetectJapaneseEncoding(std::string_view bytes);

// The text of the bytes in that encoding, byte-order mark left out. A byte sequence that is no
// character becomes U+FFFD; a character cut off by the end of the bytes is left out, so the
// head of a page never ends in garbage.
std::wstring DecodeJapaneseText(std::string_view bytes, JapaneseEncoding encoding);

}  // namespace pelmora
