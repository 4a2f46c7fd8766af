// Reading Shift-JIS and EUC-JP one character at a time, the common ground of judging which of
// the two a page is in and of decoding it.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace pelmora {

enum class JapaneseUnit {
  Ascii,          // one byte below 0x80
  Kana,           // a half-width katakana: one byte in Shift-JIS, 0x8E and one byte in EUC-JP
  Double,         // a two-byte character of the character set
  Undefined,      // two bytes of the right shape that name no character (or a user-defined one)
  Supplementary,  // EUC-JP only: 0x8F and two bytes, a JIS X 0212 character
  Invalid,        // a byte that cannot start a character here
  Cut,            // the start of a character that the end of the bytes cuts off
};

struct JapaneseStep {
  JapaneseUnit kind;
  std::size_t length;
};

JapaneseStep ReadShiftJisUnit(std::string_view bytes, std::size_t at);
JapaneseStep ReadEucJpUnit(std::string_view bytes, std::size_t at);

// The row (1 to 94, and beyond for the code page's extensions on lead bytes 0xF0 and up) of a
// two-byte Shift-JIS character.
unsigned ShiftJisRow(unsigned lead, unsigned trail);
// Rows of kanji that ordinary text seldom holds: the second level of JIS X 0208 (rows 48 to 84)
// and the extensions of the code page.
bool IsRareKanjiRow(unsigned row);

// A JIS X 0208 character (row and cell 1 to 94, as the code page has it: with the NEC and IBM
// rows) in Shift-JIS bytes; false when the code page gives it no character.
bool AppendJisAsShiftJis(std::string& out, unsigned row, unsigned cell);

// How surely two half-width katakana (bytes 0xA1 to 0xDF, as Shift-JIS has them) are part of a
// word: 2 for a voiced or semi-voiced mark after a kana that takes it and for a small ya, yu or
// yo after a kana of the i row, 1 for a long-vowel mark, a small tsu or the syllabic n after a
// kana and for the small kana of loanwords after the kana they follow there, -1 for a mark after
// a kana that takes none, 0 otherwise. Random bytes of EUC-JP kanji seldom look like that.
int KanaPairEvidence(unsigned previous, unsigned kana);

}  // namespace pelmora
