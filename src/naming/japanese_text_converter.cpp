#include "naming/japanese_text_converter.h"

#include "text/code_page.h"
#include "text/utf16.h"

namespace pelmora {
namespace {

constexpr unsigned char kEsc = 0x1B;
constexpr char kUnmappable = '?';

unsigned char At(std::string_view s, std::size_t i) { return static_cast<unsigned char>(s[i]); }
bool InRange(unsigned b, unsigned lo, unsigned hi) { return b >= lo && b <= hi; }
bool StartsWith(std::string_view s, std::string_view head) { return s.substr(0, head.size()) == head; }
std::string_view DropFirst(std::string_view s, std::size_t n) { return n < s.size() ? s.substr(n) : std::string_view(); }

// A JIS X 0208 code (both bytes 0x21 to 0x7E) in Shift-JIS, by the standard arithmetic.
// Rows past the last one the character set defines have no Shift-JIS form.
void AppendJisAsShiftJis(std::string& out, unsigned j1, unsigned j2) {
  if (!InRange(j1, 0x21, 0x74) || !InRange(j2, 0x21, 0x7E)) {
    out.push_back(kUnmappable);
    return;
  }
  const unsigned s1 = ((j1 + 1) >> 1) + (j1 <= 0x5E ? 0x70 : 0xB0);
  unsigned s2;
  if (j1 & 1) {
    s2 = j2 + 0x1F;
    if (s2 >= 0x7F) ++s2;
  } else {
    s2 = j2 + 0x7E;
  }
  out.push_back(static_cast<char>(s1));
  out.push_back(static_cast<char>(s2));
}

// ---- recognising ----

bool HasHighBytes(std::string_view s) {
  for (const char c : s) {
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  }
  return false;
}

bool HasJisEscape(std::string_view s) {
  for (std::size_t i = 0; i + 2 < s.size(); ++i) {
    if (At(s, i) != kEsc) continue;
    const std::string_view rest = s.substr(i + 1);
    if (StartsWith(rest, "$@") || StartsWith(rest, "$B") || StartsWith(rest, "$(") || StartsWith(rest, "(B") ||
        StartsWith(rest, "(J") || StartsWith(rest, "(I")) {
      return true;
    }
  }
  return false;
}

// Well-formed UTF-8 with at least one multi-byte character; a sequence cut off by the end of
// the bytes (a download stops anywhere) is forgiven.
bool IsWellFormedUtf8(std::string_view s) {
  int multiByte = 0;
  std::size_t i = 0;
  while (i < s.size()) {
    const unsigned b = At(s, i);
    std::size_t followers;
    if (b <= 0x7F) {
      ++i;
      continue;
    } else if (InRange(b, 0xC2, 0xDF)) {
      followers = 1;
    } else if (InRange(b, 0xE0, 0xEF)) {
      followers = 2;
    } else if (InRange(b, 0xF0, 0xF4)) {
      followers = 3;
    } else {
      return false;
    }
    for (std::size_t k = 1; k <= followers; ++k) {
      if (i + k >= s.size()) return multiByte > 0;
      if (!InRange(At(s, i + k), 0x80, 0xBF)) return false;
    }
    ++multiByte;
    i += followers + 1;
  }
  return multiByte > 0;
}

struct Fit {
  int errors = 0;
  int doubleBytes = 0;
  int halfWidthKana = 0;
};

Fit FitShiftJis(std::string_view s) {
  Fit fit;
  std::size_t i = 0;
  while (i < s.size()) {
    const unsigned b = At(s, i);
    if (b <= 0x7F) {
      ++i;
    } else if (InRange(b, 0xA1, 0xDF)) {
      ++fit.halfWidthKana;
      ++i;
    } else if ((InRange(b, 0x81, 0x9F) || InRange(b, 0xE0, 0xFC)) && i + 1 < s.size() &&
               (InRange(At(s, i + 1), 0x40, 0x7E) || InRange(At(s, i + 1), 0x80, 0xFC))) {
      ++fit.doubleBytes;
      i += 2;
    } else if (i + 1 == s.size() && (InRange(b, 0x81, 0x9F) || InRange(b, 0xE0, 0xFC))) {
      ++i;  // a lead byte cut off by the end
    } else {
      ++fit.errors;
      ++i;
    }
  }
  return fit;
}

Fit FitEucJp(std::string_view s) {
  Fit fit;
  std::size_t i = 0;
  auto high = [&](std::size_t k) { return k < s.size() && InRange(At(s, k), 0xA1, 0xFE); };
  while (i < s.size()) {
    const unsigned b = At(s, i);
    if (b <= 0x7F) {
      ++i;
    } else if (b == 0x8E && i + 1 < s.size() && InRange(At(s, i + 1), 0xA1, 0xDF)) {
      ++fit.halfWidthKana;
      i += 2;
    } else if (b == 0x8F && high(i + 1) && high(i + 2)) {
      ++fit.doubleBytes;
      i += 3;
    } else if (InRange(b, 0xA1, 0xFE) && high(i + 1)) {
      ++fit.doubleBytes;
      i += 2;
    } else if (i + 1 >= s.size() || (b == 0x8F && i + 2 >= s.size() && high(i + 1))) {
      i = s.size();  // a character cut off by the end
    } else {
      ++fit.errors;
      ++i;
    }
  }
  return fit;
}

// ---- converting ----

std::string FromEucJp(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  std::size_t i = 0;
  auto high = [&](std::size_t k) { return k < s.size() && InRange(At(s, k), 0xA1, 0xFE); };
  while (i < s.size()) {
    const unsigned b = At(s, i);
    if (b <= 0x7F) {
      out.push_back(static_cast<char>(b));
      ++i;
    } else if (b == 0x8E && i + 1 < s.size() && InRange(At(s, i + 1), 0xA1, 0xDF)) {
      out.push_back(s[i + 1]);
      i += 2;
    } else if (b == 0x8F && high(i + 1) && high(i + 2)) {
      out.push_back(kUnmappable);  // JIS X 0212 has no Shift-JIS form
      i += 3;
    } else if (InRange(b, 0xA1, 0xFE) && high(i + 1)) {
      AppendJisAsShiftJis(out, b & 0x7F, At(s, i + 1) & 0x7F);
      i += 2;
    } else {
      out.push_back(kUnmappable);
      ++i;
    }
  }
  return out;
}

std::string FromIso2022Jp(std::string_view s) {
  enum class Set { Roman, Kanji, Kana, Unmapped2Byte };
  Set set = Set::Roman;
  Set beforeShiftOut = Set::Roman;
  std::string out;
  out.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    const unsigned b = At(s, i);
    if (b == kEsc) {
      const std::string_view rest = s.substr(i + 1);
      struct Designation {
        std::string_view bytes;
        Set set;
      };
      static constexpr Designation kDesignations[] = {
          {"$@", Set::Kanji},          {"$B", Set::Kanji},          {"$(B", Set::Kanji},
          {"$(O", Set::Kanji},         {"$(Q", Set::Kanji},         {"$(D", Set::Unmapped2Byte},
          {"$(P", Set::Unmapped2Byte}, {"$A", Set::Unmapped2Byte},  {"$(C", Set::Unmapped2Byte},
          {"(B", Set::Roman},          {"(J", Set::Roman},          {"(H", Set::Roman},
          {"(I", Set::Kana},
      };
      bool matched = false;
      for (const auto& d : kDesignations) {
        if (StartsWith(rest, d.bytes)) {
          set = d.set;
          i += 1 + d.bytes.size();
          matched = true;
          break;
        }
      }
      if (!matched && StartsWith(rest, "&@")) {  // announces a revision; the designation follows
        i += 3;
        matched = true;
      }
      if (matched) continue;
      out.push_back(static_cast<char>(b));
      ++i;
      continue;
    }
    if (b == 0x0E) {  // shift out to half-width katakana
      if (set != Set::Kana) beforeShiftOut = set;
      set = Set::Kana;
      ++i;
      continue;
    }
    if (b == 0x0F) {
      if (set == Set::Kana) set = beforeShiftOut;
      ++i;
      continue;
    }
    const bool graphic = InRange(b, 0x21, 0x7E);
    if ((set == Set::Kanji || set == Set::Unmapped2Byte) && graphic) {
      if (i + 1 < s.size() && InRange(At(s, i + 1), 0x21, 0x7E)) {
        if (set == Set::Kanji) {
          AppendJisAsShiftJis(out, b, At(s, i + 1));
        } else {
          out.push_back(kUnmappable);
        }
        i += 2;
      } else {
        out.push_back(kUnmappable);
        ++i;
      }
      continue;
    }
    if (set == Set::Kana && InRange(b, 0x21, 0x5F)) {
      out.push_back(static_cast<char>(b + 0x80));
      ++i;
      continue;
    }
    out.push_back(static_cast<char>(b));
    ++i;
  }
  return out;
}

std::string FromUnicode(const std::wstring& text) { return EncodeCodePage(kShiftJis, text); }

}  // namespace

JapaneseEncoding DetectJapaneseEncoding(std::string_view bytes) {
  if (StartsWith(bytes, "\xFF\xFE")) return JapaneseEncoding::Utf16Le;
  if (StartsWith(bytes, "\xFE\xFF")) return JapaneseEncoding::Utf16Be;
  if (StartsWith(bytes, "\xEF\xBB\xBF")) return JapaneseEncoding::Utf8;
  if (HasJisEscape(bytes)) return JapaneseEncoding::Iso2022Jp;
  if (!HasHighBytes(bytes)) return JapaneseEncoding::Ascii;
  if (IsWellFormedUtf8(bytes)) return JapaneseEncoding::Utf8;
  const Fit sjis = FitShiftJis(bytes);
  const Fit euc = FitEucJp(bytes);
  if (euc.errors != sjis.errors) return euc.errors < sjis.errors ? JapaneseEncoding::EucJp : JapaneseEncoding::ShiftJis;
  // Both read cleanly. EUC-JP text read as Shift-JIS falls apart into half-width katakana,
  // which real Shift-JIS pages use sparingly.
  if (euc.doubleBytes > 0 && sjis.halfWidthKana > 0) return JapaneseEncoding::EucJp;
  return JapaneseEncoding::ShiftJis;
}

std::string ConvertToShiftJis(std::string_view bytes, JapaneseEncoding encoding) {
  switch (encoding) {
    case JapaneseEncoding::Utf16Le:
      return FromUnicode(DecodeUtf16Bytes(DropFirst(bytes, 2), false));
    case JapaneseEncoding::Utf16Be:
      return FromUnicode(DecodeUtf16Bytes(DropFirst(bytes, 2), true));
    case JapaneseEncoding::Utf8:
      return FromUnicode(DecodeCodePage(65001, StartsWith(bytes, "\xEF\xBB\xBF") ? DropFirst(bytes, 3) : bytes));
    case JapaneseEncoding::EucJp:
      return FromEucJp(bytes);
    case JapaneseEncoding::Iso2022Jp:
      return FromIso2022Jp(bytes);
    case JapaneseEncoding::Ascii:
    case JapaneseEncoding::ShiftJis:
      break;
  }
  return std::string(bytes);
}

std::string ConvertToShiftJis(std::string_view bytes) {
  return ConvertToShiftJis(bytes, DetectJapaneseEncoding(bytes));
}

}  // namespace pelmora
