#include "naming/japanese_text.h"

#include <gtest/gtest.h>

#include "naming/japanese_text_converter.h"

namespace pelmora {
namespace {

using Enc = JapaneseEncoding;

// 日本語のタイトル
const std::string kSjis = "\x93\xfa\x96\x7b\x8c\xea\x82\xcc\x83\x5e\x83\x43\x83\x67\x83\x8b";
const std::string kEuc = "\xc6\xfc\xcb\xdc\xb8\xec\xa4\xce\xa5\xbf\xa5\xa4\xa5\xc8\xa5\xeb";
const std::string kJis = "\x1b\x24\x42\x46\x7c\x4b\x5c\x38\x6c\x24\x4e\x25\x3f\x25\x24\x25\x48\x25\x6b\x1b\x28\x42";
const std::string kUtf8 = "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e\xe3\x81\xae\xe3\x82\xbf\xe3\x82\xa4\xe3\x83\x88\xe3\x83\xab";
const std::string kUtf16le("\xe5\x65\x2c\x67\x9e\x8a\x6e\x30\xbf\x30\xa4\x30\xc8\x30\xeb\x30", 16);

std::string Swap16(const std::string& s) {
  std::string out = s;
  for (std::size_t i = 0; i + 1 < out.size(); i += 2) std::swap(out[i], out[i + 1]);
  return out;
}

std::string Html(const std::string& title) { return "<title>" + title + "</title>\r\n"; }

TEST(JapaneseTextConverter, RecognisesAndConvertsEachEncoding) {
  struct Case {
    const char* what;
    std::string input;
    Enc encoding;
    std::string shiftJis;
  } cases[] = {
      {"ASCII", Html("plain"), Enc::Ascii, Html("plain")},
      {"Shift-JIS", Html(kSjis), Enc::ShiftJis, Html(kSjis)},
      {"EUC-JP", Html(kEuc), Enc::EucJp, Html(kSjis)},
      {"ISO-2022-JP", Html(kJis), Enc::Iso2022Jp, Html(kSjis)},
      {"UTF-8", Html(kUtf8), Enc::Utf8, Html(kSjis)},
      {"UTF-8 with its mark", "\xef\xbb\xbf" + Html(kUtf8), Enc::Utf8, Html(kSjis)},
      {"UTF-8 of one character", "<title>\xe6\x97\xa5</title>", Enc::Utf8, "<title>\x93\xfa</title>"},
      {"UTF-16LE", "\xff\xfe" + std::string("<\0", 2) + kUtf16le, Enc::Utf16Le, "<" + kSjis},
      {"UTF-16BE", "\xfe\xff" + std::string("\0<", 2) + Swap16(kUtf16le), Enc::Utf16Be, "<" + kSjis},
      {"EUC-JP half-width katakana", "\x8e\xb1\x8e\xb2 \xa5\xbf", Enc::EucJp, "\xb1\xb2 \x83\x5e"},
      {"EUC-JP supplementary kanji", "\x8f\xb0\xa1\xc6\xfc", Enc::EucJp, "?\x93\xfa"},
      {"JIS half-width katakana", "\x1b(I12\x1b(Bx", Enc::Iso2022Jp, "\xb1\xb2x"},
      {"JIS shift-out katakana", "\x1b$B\x46\x7c\x1b(B\x0e\x31\x0fz", Enc::Iso2022Jp, "\x93\xfa\xb1z"},
      {"JIS older kanji set, line break kept", "\x1b$@\x46\x7c\r\n\x4b\x5c\x1b(J", Enc::Iso2022Jp,
       "\x93\xfa\r\n\x96\x7b"},
      {"JIS supplementary kanji", "\x1b$(D\x30\x21\x1b(Ba", Enc::Iso2022Jp, "?a"},
      {"JIS NEC special row", "\x1b$B\x2d\x21\x1b(B", Enc::Iso2022Jp, "\x87\x40"},
      {"JIS row beyond the set", "\x1b$B\x7e\x7e\x1b(B", Enc::Iso2022Jp, "?"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(DetectJapaneseEncoding(c.input), c.encoding);
    EXPECT_EQ(ConvertToShiftJis(c.input), c.shiftJis);
  }
}

TEST(NkfConvertBytes, ShiftJisOutputCutAtItsFirstNul) {
  EXPECT_FALSE(GetNkfVersionText().empty());
  std::string out = "old";
  EXPECT_EQ(NkfConvertBytes(kEuc, out, "s"), kSjis.size());
  EXPECT_EQ(out, kSjis);
  EXPECT_EQ(NkfConvertBytes(kEuc + '\0', out, ""), kSjis.size());  // empty options mean "s"
  EXPECT_EQ(out, kSjis);
  EXPECT_EQ(NkfConvertBytes(std::string("ab\0cd", 5), out, "s"), 2u);
  EXPECT_EQ(out, "ab");
  EXPECT_EQ(NkfConvertBytes("", out, "s"), 0u);
  EXPECT_EQ(NkfConvertBytes(kEuc, out, "e"), 0u);  // only Shift-JIS output is offered
  EXPECT_TRUE(out.empty());
}

TEST(ConvertTextBytes, Utf8CheckFirstThenTheConverter) {
  std::string out;
  // Two UTF-8 characters or more: the program's own decoder, four-byte forms as "?".
  EXPECT_EQ(ConvertTextBytes(Html(kUtf8) + "\xf0\x9f\x98\x80", out), Html(kSjis).size() + 4);
  EXPECT_EQ(out, Html(kSjis) + "????");
  // One UTF-8 character is left to the converter, which still recognises it.
  EXPECT_EQ(ConvertTextBytes("a\xe6\x97\xa5z", out), 4u);
  EXPECT_EQ(out, "a\x93\xfaz");
  // Plain ASCII goes through the converter unchanged.
  EXPECT_EQ(ConvertTextBytes("<title>x</title>", out), 16u);
  EXPECT_EQ(out, "<title>x</title>");
  EXPECT_EQ(ConvertTextBytes(Html(kJis), out), Html(kSjis).size());
  EXPECT_EQ(out, Html(kSjis));
  EXPECT_EQ(ConvertTextBytes("", out), 0u);
  EXPECT_TRUE(out.empty());
}

}  // namespace
}  // namespace pelmora
