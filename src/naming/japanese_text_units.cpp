#include "naming/japanese_text_units.h"

#include <initializer_list>

namespace pelmora {
namespace {

unsigned At(std::string_view s, std::size_t i) { return static_cast<unsigned char>(s[i]); }
bool InRange(unsigned b, unsigned lo, unsigned hi) { return b >= lo && b <= hi; }

// The cells each row of the code page gives a character to. Rows not listed are full; an
// entry without ranges is an empty row.
struct CellRange {
  unsigned char first, last;
};
struct PartialRow {
  unsigned char row;
  CellRange ranges[6];
};
constexpr PartialRow kPartialRows[] = {
    {2, {{1, 14}, {26, 33}, {42, 48}, {60, 74}, {82, 89}, {94, 94}}},
    {3, {{16, 25}, {33, 58}, {65, 90}}},
    {4, {{1, 83}}},
    {5, {{1, 86}}},
    {6, {{1, 24}, {33, 56}}},
    {7, {{1, 33}, {49, 81}}},
    {8, {{1, 32}}},
    {9, {}}, {10, {}}, {11, {}}, {12, {}},
    {13, {{1, 30}, {32, 54}, {63, 92}}},  // the NEC special characters
    {14, {}}, {15, {}},
    {47, {{1, 51}}},
    {84, {{1, 6}}},
    {85, {}}, {86, {}}, {87, {}}, {88, {}},
    {92, {{1, 78}, {81, 94}}},  // rows 89 to 92: the NEC-selected IBM extensions
    {93, {}}, {94, {}},
};

bool CellDefined(unsigned row, unsigned cell) {
  if (!InRange(row, 1, 94) || !InRange(cell, 1, 94)) return false;
  for (const PartialRow& partial : kPartialRows) {
    if (partial.row != row) continue;
    for (const CellRange& range : partial.ranges) {
      if (range.first != 0 && InRange(cell, range.first, range.last)) return true;
    }
    return false;
  }
  return true;
}

bool IsShiftJisLead(unsigned b) { return InRange(b, 0x81, 0x9F) || InRange(b, 0xE0, 0xFC); }
bool IsShiftJisTrail(unsigned b) { return InRange(b, 0x40, 0x7E) || InRange(b, 0x80, 0xFC); }

bool ShiftJisDefined(unsigned lead, unsigned trail) {
  if (InRange(lead, 0xF0, 0xF9)) return false;  // user-defined characters
  if (InRange(lead, 0xFA, 0xFB)) return true;   // IBM extensions
  if (lead == 0xFC) return trail <= 0x4B;
  const unsigned firstRow = (lead <= 0x9F ? lead - 0x81 : lead - 0xC1) * 2 + 1;
  if (trail >= 0x9F) return CellDefined(firstRow + 1, trail - 0x9E);
  return CellDefined(firstRow, trail - 0x3F - (trail >= 0x80 ? 1 : 0));
}

bool IsEucByte(unsigned b) { return InRange(b, 0xA1, 0xFE); }

}  // namespace

unsigned ShiftJisRow(unsigned lead, unsigned trail) {
  return (lead <= 0x9F ? lead - 0x81 : lead - 0xC1) * 2 + (trail >= 0x9F ? 2 : 1);
}

bool IsRareKanjiRow(unsigned row) { return row >= 48; }

JapaneseStep ReadShiftJisUnit(std::string_view bytes, std::size_t at) {
  const unsigned b = At(bytes, at);
  if (b < 0x80) return {JapaneseUnit::Ascii, 1};
  if (InRange(b, 0xA1, 0xDF)) return {JapaneseUnit::Kana, 1};
  if (!IsShiftJisLead(b)) return {JapaneseUnit::Invalid, 1};
  if (at + 1 >= bytes.size()) return {JapaneseUnit::Cut, 1};
  const unsigned t = At(bytes, at + 1);
  if (!IsShiftJisTrail(t)) return {JapaneseUnit::Invalid, 1};
  return {ShiftJisDefined(b, t) ? JapaneseUnit::Double : JapaneseUnit::Undefined, 2};
}

JapaneseStep ReadEucJpUnit(std::string_view bytes, std::size_t at) {
  const unsigned b = At(bytes, at);
  if (b < 0x80) return {JapaneseUnit::Ascii, 1};
  const std::size_t rest = bytes.size() - at - 1;
  if (b == 0x8E) {
    // The pairing rule: 0x8E introduces a half-width katakana and nothing else.
    if (rest == 0) return {JapaneseUnit::Cut, 1};
    return InRange(At(bytes, at + 1), 0xA1, 0xDF) ? JapaneseStep{JapaneseUnit::Kana, 2}
                                                  : JapaneseStep{JapaneseUnit::Invalid, 1};
  }
  if (b == 0x8F) {
    for (std::size_t k = 1; k <= 2; ++k) {
      if (k > rest) return {JapaneseUnit::Cut, k};
      if (!IsEucByte(At(bytes, at + k))) return {JapaneseUnit::Invalid, 1};
    }
    return {JapaneseUnit::Supplementary, 3};
  }
  if (!IsEucByte(b)) return {JapaneseUnit::Invalid, 1};
  if (rest == 0) return {JapaneseUnit::Cut, 1};
  const unsigned t = At(bytes, at + 1);
  if (!IsEucByte(t)) return {JapaneseUnit::Invalid, 1};
  return {CellDefined(b - 0xA0, t - 0xA0) ? JapaneseUnit::Double : JapaneseUnit::Undefined, 2};
}

bool AppendJisAsShiftJis(std::string& out, unsigned row, unsigned cell) {
  if (!CellDefined(row, cell)) return false;
  // The standard arithmetic: two rows share a lead byte; odd rows take the low trail bytes
  // (skipping 0x7F), even rows the high ones.
  const unsigned lead = (row + 1) / 2 + (row <= 62 ? 0x80 : 0xC0);
  unsigned trail;
  if (row & 1) {
    trail = cell + 0x3F;
    if (trail >= 0x7F) ++trail;
  } else {
    trail = cell + 0x9E;
  }
  out.push_back(static_cast<char>(lead));
  out.push_back(static_cast<char>(trail));
  return true;
}

int KanaPairEvidence(unsigned previous, unsigned kana) {
  const bool afterKana = InRange(previous, 0xA6, 0xDF);
  auto after = [previous](std::initializer_list<unsigned> kanas) {
    for (const unsigned k : kanas) {
      if (previous == k) return true;
    }
    return false;
  };
  switch (kana) {
    case 0xDE:  // voiced mark: after ｳ, ｶ to ﾄ, ﾊ to ﾎ
      return previous == 0xB3 || InRange(previous, 0xB6, 0xC4) || InRange(previous, 0xCA, 0xCE) ? 2 : -1;
    case 0xDF:  // semi-voiced mark: after ﾊ to ﾎ
      return InRange(previous, 0xCA, 0xCE) ? 2 : -1;
    case 0xAC:  // small ya, yu, yo: after ｷ ｼ ﾁ ﾆ ﾋ ﾐ ﾘ or a mark; in loanwords after ﾃ and ﾌ
    case 0xAD:
    case 0xAE:
      if (after({0xB7, 0xBC, 0xC1, 0xC6, 0xCB, 0xD0, 0xD8, 0xDE, 0xDF})) return 2;
      return after({0xC3, 0xCC}) ? 1 : 0;
    // Small vowels, in loanwords: after the kana (or the voiced mark) they follow there.
    case 0xA7:  // ｧ: ﾌｧ ﾂｧ ｸｧ ｳﾞｧ
      return after({0xB8, 0xC2, 0xCC, 0xDE}) ? 1 : 0;
    case 0xA8:  // ｨ: ﾃｨ ﾃﾞｨ ﾌｨ ｳｨ ｽｨ ﾂｨ ｸｨ
      return after({0xB3, 0xB8, 0xBD, 0xC2, 0xC3, 0xCC, 0xDE}) ? 1 : 0;
    case 0xA9:  // ｩ: ﾄｩ ﾄﾞｩ
      return after({0xC4, 0xDE}) ? 1 : 0;
    case 0xAA:  // ｪ: ｼｪ ﾁｪ ﾌｪ ｳｪ ｲｪ ﾂｪ ｸｪ ｼﾞｪ
      return after({0xB2, 0xB3, 0xB8, 0xBC, 0xC1, 0xC2, 0xCC, 0xDE}) ? 1 : 0;
    case 0xAB:  // ｫ: ﾌｫ ｳｫ ﾂｫ ｸｫ ｳﾞｫ
      return after({0xB3, 0xB8, 0xC2, 0xCC, 0xDE}) ? 1 : 0;
    case 0xAF:  // small tsu, the long-vowel mark, the syllabic n: after a kana
    case 0xB0:
    case 0xDD:
      return afterKana ? 1 : 0;
    default:
      return 0;
  }
}

}  // namespace pelmora
