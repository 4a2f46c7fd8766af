#include "naming/japanese_text_converter.h"

#include <optional>
#include <vector>

#include "text/code_page.h"
#include "text/utf16.h"
#include "text/utf8.h"
#include "naming/japanese_text_charset.h"
#include "naming/japanese_text_units.h"

namespace pelmora {
namespace {

constexpr unsigned char kEsc = 0x1B;
constexpr unsigned kEucJpCodePage = 20932;

unsigned At(std::string_view s, std::size_t i) { return static_cast<unsigned char>(s[i]); }
bool InRange(unsigned b, unsigned lo, unsigned hi) { return b >= lo && b <= hi; }
bool StartsWith(std::string_view s, std::string_view head) { return s.substr(0, head.size()) == head; }

// ---- decoding ----

// Collects Shift-JIS characters for the code page, and the characters that have no Shift-JIS
// form (U+FFFD, JIS X 0212) with the place they go; the code page then converts everything in
// one call, however many bad bytes a file holds.
class ShiftJisText {
 public:
  void AddUnit(std::string_view unit) {
    pending_.append(unit);
    ++units_;
  }
  void AddByte(unsigned b) { AddUnit(std::string(1, static_cast<char>(b))); }
  void AddCharacter(char32_t c) { others_.push_back({units_, c}); }

  std::wstring Finish() const {
    const std::wstring decoded = Decode();
    std::wstring text;
    text.reserve(decoded.size() + others_.size());
    std::size_t next = 0;  // every unit has become exactly one character of `decoded`
    for (const Other& other : others_) {
      text.append(decoded, next, other.beforeUnit - next);
      next = other.beforeUnit;
      AppendCodePoint(text, other.c);
    }
    text.append(decoded, next);
    return text;
  }

 private:
  struct Other {
    std::size_t beforeUnit;
    char32_t c;
  };

  std::wstring Decode() const {
    std::wstring decoded = DecodeCodePage(kShiftJis, pending_);
    if (decoded.size() == units_) return decoded;
    // The code page saw a character differently (one this reader takes for defined): piece by
    // piece then, and unit by unit in a piece that disagrees, U+FFFD for a unit that gives no
    // single character.
    decoded.clear();
    constexpr std::size_t kPieceUnits = 256;
    for (std::size_t i = 0; i < pending_.size();) {
      std::size_t end = i, count = 0;
      for (; end < pending_.size() && count < kPieceUnits; ++count) end += ReadShiftJisUnit(pending_, end).length;
      const std::string_view piece = std::string_view(pending_).substr(i, end - i);
      const std::wstring part = DecodeCodePage(kShiftJis, piece);
      if (part.size() == count) {
        decoded += part;
      } else {
        for (std::size_t k = 0; k < piece.size();) {
          const std::size_t length = ReadShiftJisUnit(piece, k).length;
          const std::wstring one = DecodeCodePage(kShiftJis, piece.substr(k, length));
          if (one.size() == 1) {
            decoded += one;
          } else {
            AppendCodePoint(decoded, kReplacementCharacter);
          }
          k += length;
        }
      }
      i = end;
    }
    return decoded;
  }

  std::string pending_;
  std::size_t units_ = 0;
  std::vector<Other> others_;
};

// A JIS X 0212 character, given as its two 7-bit bytes; U+FFFD where the platform's EUC-JP
// table does not hold it.
char32_t SupplementaryCharacter(unsigned b1, unsigned b2) {
  const char euc[] = {'\x8F', static_cast<char>(b1 | 0x80), static_cast<char>(b2 | 0x80)};
  const std::wstring c = DecodeCodePage(kEucJpCodePage, std::string_view(euc, 3));
  if (c.size() != 1 || c[0] < 0xA0 || c[0] == 0x30FB || c[0] == 0xFFFD) return kReplacementCharacter;
  return static_cast<char32_t>(c[0]);
}

void AddJisCharacter(ShiftJisText& text, unsigned row, unsigned cell) {
  std::string unit;
  if (AppendJisAsShiftJis(unit, row, cell)) {
    text.AddUnit(unit);
  } else {
    text.AddCharacter(kReplacementCharacter);
  }
}

std::wstring DecodeShiftJis(std::string_view s) {
  ShiftJisText text;
  for (std::size_t i = 0; i < s.size();) {
    const JapaneseStep step = ReadShiftJisUnit(s, i);
    if (step.kind == JapaneseUnit::Cut) break;
    if (step.kind == JapaneseUnit::Ascii || step.kind == JapaneseUnit::Kana || step.kind == JapaneseUnit::Double) {
      text.AddUnit(s.substr(i, step.length));
    } else {
      text.AddCharacter(kReplacementCharacter);
    }
    i += step.length;
  }
  return text.Finish();
}

std::wstring DecodeEucJp(std::string_view s) {
  ShiftJisText text;
  for (std::size_t i = 0; i < s.size();) {
    const JapaneseStep step = ReadEucJpUnit(s, i);
    switch (step.kind) {
      case JapaneseUnit::Ascii:
        text.AddByte(At(s, i));
        break;
      case JapaneseUnit::Kana:
        text.AddByte(At(s, i + 1));
        break;
      case JapaneseUnit::Double:
        AddJisCharacter(text, At(s, i) - 0xA0, At(s, i + 1) - 0xA0);
        break;
      case JapaneseUnit::Supplementary:
        text.AddCharacter(SupplementaryCharacter(At(s, i + 1), At(s, i + 2)));
        break;
      case JapaneseUnit::Cut:
        return text.Finish();
      case JapaneseUnit::Undefined:
      case JapaneseUnit::Invalid:
        text.AddCharacter(kReplacementCharacter);
        break;
    }
    i += step.length;
  }
  return text.Finish();
}

// ISO-2022-JP, read once for its text and for the evidence that it is ISO-2022-JP at all.
struct JisReading {
  std::wstring text;
  int characters = 0;    // two-byte characters and half-width katakana
  int faults = 0;        // 8-bit bytes, broken pairs, codes without a character
};

enum class JisSet { Roman, Kanji, Kana, Supplementary, Foreign };

struct Designation {
  std::string_view bytes;  // after the ESC
  JisSet set;
};
constexpr Designation kDesignations[] = {
    {"$@", JisSet::Kanji},          {"$B", JisSet::Kanji},          {"$(B", JisSet::Kanji},
    {"$(O", JisSet::Kanji},         {"$(Q", JisSet::Kanji},         {"$(D", JisSet::Supplementary},
    {"$(P", JisSet::Foreign},       {"$A", JisSet::Foreign},        {"$(C", JisSet::Foreign},
    {"(B", JisSet::Roman},          {"(J", JisSet::Roman},          {"(H", JisSet::Roman},
    {"(I", JisSet::Kana},
};

const Designation* DesignationAt(std::string_view rest) {
  for (const Designation& d : kDesignations) {
    if (StartsWith(rest, d.bytes)) return &d;
  }
  return nullptr;
}

// True when `rest` is cut off in the middle of a designation.
bool IsCutDesignation(std::string_view rest) {
  for (const Designation& d : kDesignations) {
    if (rest.size() < d.bytes.size() && StartsWith(d.bytes, rest)) return true;
  }
  return rest.size() < 3 && StartsWith("&@", rest);
}

bool HasJisDesignation(std::string_view s) {
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (At(s, i) == kEsc && DesignationAt(s.substr(i + 1))) return true;
  }
  return false;
}

JisReading ReadIso2022Jp(std::string_view s) {
  JisReading reading;
  ShiftJisText text;
  JisSet set = JisSet::Roman;
  JisSet beforeShiftOut = JisSet::Roman;
  std::size_t i = 0;
  while (i < s.size()) {
    const unsigned b = At(s, i);
    if (b == kEsc) {
      const std::string_view rest = s.substr(i + 1);
      if (const Designation* d = DesignationAt(rest)) {
        set = d->set;
        i += 1 + d->bytes.size();
        continue;
      }
      if (StartsWith(rest, "&@")) {  // announces a revision; the designation follows
        i += 3;
        continue;
      }
      if (IsCutDesignation(rest)) break;
      // Any other escape stays a control character, which the title leaves out.
    }
    if (b == 0x0E || b == 0x0F) {  // shift out to half-width katakana, and back
      if (b == 0x0E && set != JisSet::Kana) beforeShiftOut = set;
      if (b == 0x0E) set = JisSet::Kana;
      if (b == 0x0F && set == JisSet::Kana) set = beforeShiftOut;
      ++i;
      continue;
    }
    if (b >= 0x80) {
      ++reading.faults;
      text.AddCharacter(kReplacementCharacter);
      ++i;
      continue;
    }
    const bool twoByteSet = set == JisSet::Kanji || set == JisSet::Supplementary || set == JisSet::Foreign;
    if (twoByteSet && InRange(b, 0x21, 0x7E)) {
      if (i + 1 >= s.size()) break;  // the second byte is cut off
      const unsigned t = At(s, i + 1);
      if (!InRange(t, 0x21, 0x7E)) {
        ++reading.faults;
        text.AddCharacter(kReplacementCharacter);
        ++i;
        continue;
      }
      if (set == JisSet::Kanji) {
        std::string unit;
        if (AppendJisAsShiftJis(unit, b - 0x20, t - 0x20)) {
          ++reading.characters;
          text.AddUnit(unit);
        } else {
          ++reading.faults;
          text.AddCharacter(kReplacementCharacter);
        }
      } else {
        ++reading.characters;
        // Chinese and Korean sets, and the second plane of JIS X 0213, are not read.
        text.AddCharacter(set == JisSet::Supplementary ? SupplementaryCharacter(b, t) : kReplacementCharacter);
      }
      i += 2;
      continue;
    }
    if (set == JisSet::Kana && InRange(b, 0x21, 0x5F)) {
      ++reading.characters;
      text.AddByte(b + 0x80);
    } else {
      text.AddByte(b);
    }
    ++i;
  }
  reading.text = text.Finish();
  return reading;
}

std::string_view WithoutMark(std::string_view s, std::string_view mark) {
  return StartsWith(s, mark) ? s.substr(mark.size()) : s;
}

std::wstring DecodeUtf16Page(std::string_view s, bool bigEndian) {
  s = s.substr(0, s.size() & ~std::size_t{1});
  if (s.size() >= 2) {
    // A surrogate pair cut in half by the end of the bytes.
    const unsigned last = bigEndian ? At(s, s.size() - 2) : At(s, s.size() - 1);
    if (InRange(last, 0xD8, 0xDB)) s.remove_suffix(2);
  }
  return DecodeUtf16Bytes(s, bigEndian);
}

// ---- weighing ----

// What one reading of the bytes has for it (well-formed characters typical of that encoding)
// and against it (bytes it cannot read, codes without a character).
struct Reading {
  bool possible = true;
  int score = 0;
  int characters = 0;  // characters beyond ASCII read well
  int faults = 0;
};

constexpr int kFaultWeight = 4;

void AddFault(Reading& r) {
  ++r.faults;
  r.score -= kFaultWeight;
}

bool ReadsCleanly(const Reading& r) { return r.possible && r.faults == 0; }
// Clean, and no more unlikely than likely.
bool ReadsSensibly(const Reading& r) { return ReadsCleanly(r) && r.score >= 0; }
// Nearly everything reads well: a corrupt byte or two in a long text.
bool ReadsNearlyCleanly(const Reading& r) {
  return r.possible && r.faults <= (r.characters / 8 > 1 ? r.characters / 8 : 1);
}

Reading MeasureUtf8(std::string_view s) {
  Reading r;
  for (std::size_t i = 0; i < s.size();) {
    const Utf8Step step = ReadUtf8Unit(s, i);
    if (step.kind == Utf8Unit::Cut) break;
    if (step.kind == Utf8Unit::Character) {
      ++r.characters;
      r.score += step.length == 2 ? 2 : 4;  // longer sequences almost never happen by chance
    } else if (step.kind == Utf8Unit::Invalid) {
      AddFault(r);
    }
    i += step.length;
  }
  return r;
}

Reading MeasureShiftJis(std::string_view s) {
  Reading r;
  unsigned previousKana = 0;
  for (std::size_t i = 0; i < s.size();) {
    const JapaneseStep step = ReadShiftJisUnit(s, i);
    if (step.kind == JapaneseUnit::Cut) break;
    const unsigned b = At(s, i);
    switch (step.kind) {
      case JapaneseUnit::Kana:
        // Half-width katakana alone read just as well as EUC-JP two-byte characters, so they
        // count only where they make words.
        ++r.characters;
        r.score += KanaPairEvidence(previousKana, b);
        break;
      case JapaneseUnit::Double: {
        ++r.characters;
        // 0x8E with a byte of 0xA1 to 0xDF is how EUC-JP writes a half-width katakana: such
        // pairs prove nothing for Shift-JIS. Rare kanji count against it: UTF-8 read as
        // Shift-JIS is full of them, its lead bytes 0xE3 to 0xE9 being theirs.
        const bool eucKanaShape = b == 0x8E && InRange(At(s, i + 1), 0xA1, 0xDF);
        if (IsRareKanjiRow(ShiftJisRow(b, At(s, i + 1)))) {
          r.score -= 2;
        } else if (!eucKanaShape) {
          r.score += 2;
        }
        break;
      }
      case JapaneseUnit::Undefined:
      case JapaneseUnit::Invalid:
        AddFault(r);
        break;
      default:
        break;
    }
    previousKana = step.kind == JapaneseUnit::Kana ? b : 0;
    i += step.length;
  }
  return r;
}

// Two-byte characters made only of bytes 0xA1 to 0xDF are what Shift-JIS half-width katakana
// look like in EUC-JP: they count for less, nothing where they spell a syllable in half-width
// katakana, and against EUC-JP where they are rare kanji or letters of other scripts. Half-width
// katakana (0x8E pairs) count when there are several of them.
Reading MeasureEucJp(std::string_view s) {
  Reading r;
  int kanaPairs = 0;
  unsigned previousKana = 0;
  for (std::size_t i = 0; i < s.size();) {
    const JapaneseStep step = ReadEucJpUnit(s, i);
    if (step.kind == JapaneseUnit::Cut) break;
    unsigned kana = 0;
    switch (step.kind) {
      case JapaneseUnit::Kana:
        ++r.characters;
        ++kanaPairs;
        kana = At(s, i + 1);
        r.score += KanaPairEvidence(previousKana, kana);
        break;
      case JapaneseUnit::Double: {
        ++r.characters;
        const unsigned lead = At(s, i), trail = At(s, i + 1), row = lead - 0xA0;
        if (row == 4 || row == 5) {
          r.score += 2;  // hiragana and katakana: the bulk of Japanese text
        } else if (lead >= 0xE0 || trail >= 0xE0) {
          r.score += IsRareKanjiRow(row) ? 0 : 2;
        } else if (IsRareKanjiRow(row) || InRange(row, 6, 8)) {
          r.score -= 1;  // rare kanji; Greek, Cyrillic, box drawing
        } else if (KanaPairEvidence(lead, trail) < 2) {
          r.score += 1;
        }
        break;
      }
      case JapaneseUnit::Supplementary:
        ++r.characters;
        ++r.score;
        break;
      case JapaneseUnit::Undefined:
      case JapaneseUnit::Invalid:
        AddFault(r);
        break;
      default:
        break;
    }
    previousKana = kana;
    i += step.length;
  }
  if (kanaPairs >= 2) r.score += kanaPairs;
  return r;
}

Reading MeasureIso2022Jp(std::string_view s) {
  Reading r;
  if (!HasJisDesignation(s)) {
    r.possible = false;
    return r;
  }
  const JisReading jis = ReadIso2022Jp(s);
  r.characters = jis.characters;
  r.faults = jis.faults;
  r.score = kFaultWeight + 2 * jis.characters - kFaultWeight * jis.faults;
  return r;
}

bool HasHighBytes(std::string_view s) {
  for (const char c : s) {
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  }
  return false;
}

// UTF-16 without a byte-order mark: the markup's ASCII leaves a zero byte in every other place.
std::optional<JapaneseEncoding> Utf16ByZeroBytes(std::string_view s) {
  const std::size_t units = s.size() / 2;
  if (units < 2) return std::nullopt;
  std::size_t evenZeros = 0, oddZeros = 0;
  for (std::size_t i = 0; i + 1 < s.size(); i += 2) {
    if (s[i] == '\0') ++evenZeros;
    if (s[i + 1] == '\0') ++oddZeros;
  }
  // A stray zero byte or two in 8-bit text is not enough.
  if (oddZeros >= 2 && oddZeros * 4 >= units && evenZeros * 4 <= oddZeros) return JapaneseEncoding::Utf16Le;
  if (evenZeros >= 2 && evenZeros * 4 >= units && oddZeros * 4 <= evenZeros) return JapaneseEncoding::Utf16Be;
  return std::nullopt;
}

}  // namespace

JapaneseEncoding DetectJapaneseEncoding(std::string_view bytes) {
  if (StartsWith(bytes, "\xFF\xFE")) return JapaneseEncoding::Utf16Le;
  if (StartsWith(bytes, "\xFE\xFF")) return JapaneseEncoding::Utf16Be;
  if (StartsWith(bytes, "\xEF\xBB\xBF")) return JapaneseEncoding::Utf8;
  if (const auto utf16 = Utf16ByZeroBytes(bytes)) return *utf16;
  if (!HasHighBytes(bytes) && !HasJisDesignation(bytes)) return JapaneseEncoding::Ascii;

  struct Candidate {
    JapaneseEncoding encoding;
    Reading reading;
  };
  // In order of preference when the evidence is even.
  const Candidate candidates[] = {
      {JapaneseEncoding::Utf8, MeasureUtf8(bytes)},
      {JapaneseEncoding::ShiftJis, MeasureShiftJis(bytes)},
      {JapaneseEncoding::EucJp, MeasureEucJp(bytes)},
      {JapaneseEncoding::Iso2022Jp, MeasureIso2022Jp(bytes)},
  };
  if (const auto declared = DeclaredEncoding(bytes)) {
    const Reading& utf8 = candidates[0].reading;
    if (*declared != JapaneseEncoding::Utf8 && ReadsCleanly(utf8) && utf8.characters >= 2) return JapaneseEncoding::Utf8;
    // The declaration is believed when its reading is clean, and when it is nearly clean and no
    // other reading is clean.
    bool otherReadsCleanly = false;
    for (const Candidate& c : candidates) {
      if (c.encoding != *declared && ReadsCleanly(c.reading) && c.reading.characters > 0) otherReadsCleanly = true;
    }
    for (const Candidate& c : candidates) {
      if (c.encoding != *declared) continue;
      if (ReadsCleanly(c.reading) || (ReadsNearlyCleanly(c.reading) && !otherReadsCleanly)) return c.encoding;
    }
  }
  // A reading that breaks on the bytes is out when another reads them cleanly, as long as that
  // one makes sense: a few bytes dropped from a UTF-8 page must not turn it into Shift-JIS
  // rarities that happen to be well-formed.
  bool sensibleCleanReading = false;
  for (const Candidate& c : candidates) sensibleCleanReading = sensibleCleanReading || ReadsSensibly(c.reading);
  const Candidate* best = nullptr;
  for (const Candidate& c : candidates) {
    if (!c.reading.possible || (sensibleCleanReading && !ReadsCleanly(c.reading))) continue;
    if (!best || c.reading.score > best->reading.score) best = &c;
  }
  return best->encoding;
}

std::wstring DecodeJapaneseText(std::string_view bytes, JapaneseEncoding encoding) {
  switch (encoding) {
    case JapaneseEncoding::Utf16Le:
      return DecodeUtf16Page(WithoutMark(bytes, "\xFF\xFE"), false);
    case JapaneseEncoding::Utf16Be:
      return DecodeUtf16Page(WithoutMark(bytes, "\xFE\xFF"), true);
    case JapaneseEncoding::Utf8:
      return DecodeUtf8Text(WithoutMark(bytes, "\xEF\xBB\xBF"));
    case JapaneseEncoding::EucJp:
      return DecodeEucJp(bytes);
    case JapaneseEncoding::Iso2022Jp:
      return ReadIso2022Jp(bytes).text;
    case JapaneseEncoding::Ascii:
    case JapaneseEncoding::ShiftJis:
      break;
  }
  return DecodeShiftJis(bytes);
}

}  // namespace pelmora
