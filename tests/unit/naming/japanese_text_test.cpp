#include "naming/japanese_text_converter.h"

#include <gtest/gtest.h>

#include "naming/html_title.h"
#include "naming/japanese_text_charset.h"
#include "support/utf16_text.h"

namespace pelmora {
namespace {

using Enc = JapaneseEncoding;

// 日本語のタイトル
const std::string kSjis = "\x93\xfa\x96\x7b\x8c\xea\x82\xcc\x83\x5e\x83\x43\x83\x67\x83\x8b";
const std::string kEuc = "\xc6\xfc\xcb\xdc\xb8\xec\xa4\xce\xa5\xbf\xa5\xa4\xa5\xc8\xa5\xeb";
const std::string kUtf8 = "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e\xe3\x81\xae\xe3\x82\xbf\xe3\x82\xa4\xe3\x83\x88\xe3\x83\xab";

std::string Utf16(std::u16string_view text, bool bigEndian) { return test::EncodeUtf16(text, bigEndian); }
std::string Widen16(std::string_view ascii, bool bigEndian) { return test::WidenToUtf16(ascii, bigEndian); }

// Each sample in every encoding, split where the corrupt byte goes: after the first `split`
// characters of the title.
struct Sample {
  const char* what;
  std::u16string title;
  std::size_t split;
  std::string sjis[2], euc[2], jis[2], utf8[2];
};
const Sample kSamples[] = {
    {"half-width kana only", u"ﾎｰﾑﾍﾟｰｼﾞ", 2,
     {"\xce\xb0", "\xd1\xcd\xdf\xb0\xbc\xde"},
     {"\x8e\xce\x8e\xb0", "\x8e\xd1\x8e\xcd\x8e\xdf\x8e\xb0\x8e\xbc\x8e\xde"},
     {"\x1b(IN0", "QM_0<^\x1b(B"},
     {"\xef\xbe\x8e\xef\xbd\xb0", "\xef\xbe\x91\xef\xbe\x8d\xef\xbe\x9f\xef\xbd\xb0\xef\xbd\xbc\xef\xbe\x9e"}},
    {"kanji only", u"日本語", 2,
     {"\x93\xfa\x96{", "\x8c\xea"},
     {"\xc6\xfc\xcb\xdc", "\xb8\xec"},
     {"\x1b$BF|K\\", "8l\x1b(B"},
     {"\xe6\x97\xa5\xe6\x9c\xac", "\xe8\xaa\x9e"}},
    {"mixed", u"Pelmora 日本語のタイトル ﾎｰﾑ", 10,
     {"Pelmora \x93\xfa\x96{", "\x8c\xea\x82\xcc\x83^\x83" "C\x83g\x83\x8b \xce\xb0\xd1"},
     {"Pelmora \xc6\xfc\xcb\xdc", "\xb8\xec\xa4\xce\xa5\xbf\xa5\xa4\xa5\xc8\xa5\xeb \x8e\xce\x8e\xb0\x8e\xd1"},
     {"Pelmora \x1b$BF|K\\", "8l$N%?%$%H%k\x1b(B \x1b(IN0Q\x1b(B"},
     {"Pelmora \xe6\x97\xa5\xe6\x9c\xac",
      "\xe8\xaa\x9e\xe3\x81\xae\xe3\x82\xbf\xe3\x82\xa4\xe3\x83\x88\xe3\x83\xab \xef\xbe\x8e\xef\xbd\xb0\xef\xbe\x91"}},
};

std::wstring Wide(std::u16string_view text) {
  std::wstring out;
  for (const char16_t c : text) out.push_back(static_cast<wchar_t>(c));  // the samples are BMP text
  return out;
}

TEST(JapaneseTextDetection, EveryEncodingWithAndWithoutItsDeclarationAndWithACorruptByte) {
  struct Form {
    const char* what;
    Enc encoding;
    const char* declaration;  // placed before the title
  } forms[] = {
      {"Shift-JIS", Enc::ShiftJis, "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">"},
      {"EUC-JP", Enc::EucJp, "<?xml version=\"1.0\" encoding=\"EUC-JP\"?>"},
      {"ISO-2022-JP", Enc::Iso2022Jp, "<meta charset=\"ISO-2022-JP\">"},
      {"UTF-8", Enc::Utf8, "<meta charset=utf-8>"},
      {"UTF-16LE with its mark", Enc::Utf16Le, "<meta charset=\"UTF-16\">"},
      {"UTF-16LE without a mark", Enc::Utf16Le, "<meta charset=\"UTF-16\">"},
      {"UTF-16BE with its mark", Enc::Utf16Be, "<meta charset=\"UTF-16\">"},
      {"UTF-16BE without a mark", Enc::Utf16Be, "<meta charset=\"UTF-16\">"},
  };
  for (const Sample& sample : kSamples) {
    for (const Form& form : forms) {
      for (const bool declared : {false, true}) {
        for (const bool corrupt : {false, true}) {
          SCOPED_TRACE(testing::Message() << sample.what << ", " << form.what << (declared ? ", declared" : "")
                                          << (corrupt ? ", one corrupt byte" : ""));
          const std::string* parts = nullptr;
          switch (form.encoding) {
            case Enc::ShiftJis: parts = sample.sjis; break;
            case Enc::EucJp: parts = sample.euc; break;
            case Enc::Iso2022Jp: parts = sample.jis; break;
            case Enc::Utf8: parts = sample.utf8; break;
            default: break;
          }
          std::string head = std::string(declared && form.encoding == Enc::EucJp ? form.declaration : "") +
                             "<html><head>" + (declared && form.encoding != Enc::EucJp ? form.declaration : "") +
                             "<title>";
          const std::string tail = "</title></head><body>...</body></html>\r\n";
          std::string page;
          if (parts) {
            page = head + parts[0] + (corrupt ? "\xff" : "") + parts[1] + tail;
          } else {
            const bool be = form.encoding == Enc::Utf16Be;
            const bool mark = std::string_view(form.what).find("with its") != std::string_view::npos;
            // One corrupt unit: half a surrogate pair.
            page = std::string(mark ? (be ? "\xfe\xff" : "\xff\xfe") : "") + Widen16(head, be) +
                   Utf16(sample.title.substr(0, sample.split), be) + (corrupt ? Utf16(u"\xdc00", be) : "") +
                   Utf16(sample.title.substr(sample.split), be) + Widen16(tail, be);
          }
          std::wstring title = Wide(sample.title);
          if (corrupt) title.insert(sample.split, 1, L'\xFFFD');
          EXPECT_EQ(DetectJapaneseEncoding(page), form.encoding);
          EXPECT_EQ(TitleFromPageBytes(page, 2048), title);
        }
      }
    }
  }
}

TEST(JapaneseTextDetection, EvidenceOutweighsTheFirstHint) {
  const std::string sjisKana = "\xce\xb0\xd1\xcd\xdf\xb0\xbc\xde";  // ﾎｰﾑﾍﾟｰｼﾞ
  const std::string eucKana = "\x8e\xce\x8e\xb0\x8e\xd1\x8e\xcd\x8e\xdf\x8e\xb0\x8e\xbc\x8e\xde";
  const std::string eucBoss = "\xbc\xd2\xc4\xb9";  // 社長: every byte could be a half-width kana
  struct Case {
    const char* what;
    std::string bytes;
    Enc encoding;
  } cases[] = {
      {"Shift-JIS half-width kana alone", sjisKana, Enc::ShiftJis},
      {"EUC-JP half-width kana alone", eucKana, Enc::EucJp},
      {"EUC-JP kanji that Shift-JIS reads cleanly too", "\xc0\xe8\xc0\xb8", Enc::EucJp},  // 先生
      {"EUC-JP hiragana of kana-range bytes", "\xa4\xa2\xa4\xa4\xa4\xa6", Enc::EucJp},  // あいう
      {"Shift-JIS kanji from the 0x8E row", "\x8e\xc0", Enc::ShiftJis},                  // 実
      {"EUC-JP kanji of kana-range bytes", eucBoss, Enc::EucJp},
      {"Shift-JIS half-width kana with small kana", "\xc6\xad\xb0\xbd", Enc::ShiftJis},  // ﾆｭｰｽ
      // Without the marks, small kana, long vowels or syllabic n that make words, an even run of
      // half-width kana reads as EUC-JP kanji of the first level unless the page says otherwise.
      {"Shift-JIS plain half-width kana, undeclared", "\xb6\xc0\xb6\xc5", Enc::EucJp},  // ｶﾀｶﾅ
      // Undeclared titles of half-width kana that EUC-JP reads too, or nearly.
      {"Shift-JIS half-width kana, an odd count before markup: EUC-JP breaks on the last",
       "<title>\xb6\xc0\xb6\xc5\xb6\xc0\xb6\xc5\xc3\xbd\xc4</title>", Enc::ShiftJis},  // ｶﾀｶﾅｶﾀｶﾅﾃｽﾄ
      {"Shift-JIS half-width kana, a kana byte before a blank: EUC-JP breaks there",
       "<title>\xc3\xbd\xc4 \xb6\xc0\xb6\xc5\xb6\xc0\xb6\xc5</title>", Enc::ShiftJis},  // ﾃｽﾄ ｶﾀｶﾅｶﾀｶﾅ
      {"Shift-JIS half-width kana that EUC-JP reads with a rare kanji", "<title>\xb1\xd2\xd8\xb6</title>",
       Enc::ShiftJis},  // ｱﾒﾘｶ
      {"Shift-JIS half-width kana whose voiced syllable EUC-JP pairs into a kanji",
       "<title>\xb1\xd9\xca\xde\xb2\xc4</title>", Enc::ShiftJis},  // ｱﾙﾊﾞｲﾄ
      {"Shift-JIS half-width kana with the syllabic n", "\xb2\xdd\xc0\xb0\xc8\xaf\xc4", Enc::ShiftJis},  // ｲﾝﾀｰﾈｯﾄ
      {"Shift-JIS kanji on lead 0x8E with a trail EUC-JP's 0x8E never takes",
       "\x8e\xe0\xb6\xc0\xb6\xc5\xb6\xc0\xb6\xc5", Enc::ShiftJis},  // 錫ｶﾀｶﾅｶﾀｶﾅ
      {"Shift-JIS trail byte 0x80 after half-width kana", "\xb6\xc0\xb6\xc5\xb6\xc0\xb6\xc5\x83\x80",
       Enc::ShiftJis},  // ｶﾀｶﾅｶﾀｶﾅム
      {"EUC-JP rare kanji of kana-range bytes among hiragana", "<title>\xd3\xc8\xa4\xa8</title>",
       Enc::EucJp},  // 喩え
      {"Shift-JIS plain half-width kana, declared", "<meta charset=shift_jis>\xb6\xc0\xb6\xc5", Enc::ShiftJis},
      {"the same with a corrupt byte", "<meta charset=shift_jis>\xb6\xc0\xff\xb6\xc5", Enc::ShiftJis},
      {"UTF-8 with one bad byte", "caf\xc3\xa9 \xe6\x97\xa5\x80\xe6\x9c\xac", Enc::Utf8},
      {"UTF-8 cut at the end", "\xe6\x97\xa5\xe6\x9c", Enc::Utf8},
      {"UTF-8 with a byte lost, which Shift-JIS reads cleanly as rare kanji",
       "<title>\xe3\x83\x8b\xe3\x83\xa5\xe3\x83\xe3\x82\xb9</title>", Enc::Utf8},  // ニュース
      {"one two-byte UTF-8 character", "caf\xc3\xa9", Enc::Utf8},
      {"UTF-8 under a Shift-JIS declaration", "<meta charset=Shift_JIS>" + kUtf8, Enc::Utf8},
      {"UTF-8 that Shift-JIS reads too, under a Shift-JIS declaration",
       "<meta charset=Shift_JIS><title>\xe6\x9d\xb1\xe4\xba\xac</title>", Enc::Utf8},  // 東京
      {"Shift-JIS under a UTF-8 declaration", "<meta charset=UTF-8>" + kSjis, Enc::ShiftJis},
      {"EUC-JP under a Shift-JIS declaration", "<meta charset=Shift_JIS>" + kEuc, Enc::EucJp},
      {"EUC-JP one fault short of Shift-JIS, under a Shift-JIS declaration",
       "<meta charset=Shift_JIS><title>\xc2\xe7\xba\xe5</title>", Enc::EucJp},  // 大阪
      {"UTF-16 declared in ASCII markup", "<meta charset=utf-16>" + kSjis, Enc::ShiftJis},
      {"JIS half-width escape alone", "\x1b(I12", Enc::Iso2022Jp},
      {"JIS escape of the older kanji set", "\x1b$@F|", Enc::Iso2022Jp},
      {"Shift-JIS after a stray JIS escape", "\x1b(B\x93\xfa", Enc::ShiftJis},
      {"plain ASCII", "<title>plain</title>", Enc::Ascii},
      {"a zero in every other byte", Widen16("<title>x</title>", false), Enc::Utf16Le},
      {"nothing", "", Enc::Ascii},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(DetectJapaneseEncoding(c.bytes), c.encoding);
  }
}

TEST(DeclaredEncoding, FoundWhereverAPageStatesIt) {
  struct Case {
    const char* page;
    std::optional<Enc> encoding;
  } cases[] = {
      {"<meta charset=\"EUC-JP\">", Enc::EucJp},
      {"<META CHARSET='shift_jis'/>", Enc::ShiftJis},
      {"<meta name=x charset = utf-8 >", Enc::Utf8},
      {"<meta content=\"text/html;charset=euc-jp\" http-equiv=\"content-type\">", Enc::EucJp},
      {"<meta http-equiv=Content-Type content='text/html; charset = \"Shift_JIS\"'>", Enc::ShiftJis},
      {"<meta http-equiv=\"refresh\" content=\"0; charset=euc-jp\">", std::nullopt},
      {"<?xml version=\"1.0\" encoding='iso-2022-jp'?><html>", Enc::Iso2022Jp},
      {" <?xml encoding=\"euc-jp\"?>", std::nullopt},  // only at the very start
      {"<!-- <meta charset=euc-jp> --><meta charset=utf-8>", Enc::Utf8},
      {"<meta charset=x-sjis><meta charset=euc-jp>", Enc::ShiftJis},  // the first one counts
      {"<meta charset=windows-1252><meta charset=euc-jp>", std::nullopt},
      {"<meta charset=utf-16>", std::nullopt},
      {"<metadata charset=euc-jp><meta charset=utf-8>", Enc::Utf8},
      {"<meta name=\"description\" content=\"charset=euc-jp\">", std::nullopt},
      {"<meta charset=\"euc-jp", Enc::EucJp},
      {"<meta", std::nullopt},
      {"<!-- <meta charset=euc-jp>", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.page);
    EXPECT_EQ(DeclaredEncoding(c.page), c.encoding);
  }
}

// The Shift-JIS arithmetic at the edges of rows and cells, seen through EUC-JP and JIS.
TEST(DecodeJapaneseText, JisCodesAtTheEdgesOfRowsAndCells) {
  struct Case {
    unsigned char row, cell;
    const wchar_t* text;
  } cases[] = {
      {1, 1, L"\x3000"},   // first row, first cell
      {1, 63, L"×"},       // odd row: the last trail byte before 0x7F
      {1, 64, L"÷"},       // odd row: the first trail byte after 0x7F
      {1, 94, L"◇"},       // odd row, last cell
      {2, 1, L"◆"},        // even row, first cell
      {2, 94, L"◯"},       // even row, last cell
      {13, 1, L"①"},       // the NEC row
      {16, 1, L"亜"},      // the first kanji
      {47, 51, L"腕"},     // the last kanji of the first level
      {62, 94, L"滌"},     // the last row on lead bytes 0x81 to 0x9F
      {63, 1, L"漾"},      // the first row on lead bytes 0xE0 and up
      {84, 6, L"熙"},      // the last character
      {84, 7, L"\xFFFD"},  // past it
      {9, 1, L"\xFFFD"},   // an empty row
      {2, 15, L"\xFFFD"},  // a gap in a row
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "row " << int(c.row) << " cell " << int(c.cell));
    const std::string euc{static_cast<char>(c.row + 0xA0), static_cast<char>(c.cell + 0xA0)};
    const std::string jis = "\x1b$B" + std::string{static_cast<char>(c.row + 0x20), static_cast<char>(c.cell + 0x20)};
    EXPECT_EQ(DecodeJapaneseText(euc, Enc::EucJp), c.text);
    EXPECT_EQ(DecodeJapaneseText(jis, Enc::Iso2022Jp), c.text);
  }
}

TEST(DecodeJapaneseText, BadBytesBecomeOneReplacementAndCutCharactersAreLeftOut) {
  struct Case {
    const char* what;
    std::string bytes;
    Enc encoding;
    std::wstring text;
  } cases[] = {
      {"Shift-JIS stray byte", "a\x80" "b\xfd", Enc::ShiftJis, L"a\xFFFD" L"b\xFFFD"},
      {"Shift-JIS lead without a trail", "\x93 a", Enc::ShiftJis, L"\xFFFD a"},
      {"Shift-JIS user-defined character", "\xf0\x40" "a", Enc::ShiftJis, L"\xFFFD" L"a"},
      {"Shift-JIS IBM extension", "\xfa\x40\xfc\x4b\xfc\x4c", Enc::ShiftJis, L"ⅰ黑\xFFFD"},
      {"Shift-JIS cut", "\x93\xfa\x96", Enc::ShiftJis, L"日"},
      {"Shift-JIS trail byte 0x80", "\x83\x7a\x81\x5b\x83\x80", Enc::ShiftJis, L"ホーム"},
      {"EUC-JP half-width kana", "\x8e\xb1\x8e\xdf", Enc::EucJp, L"ｱﾟ"},
      {"EUC-JP 0x8E before a non-kana byte", "\x8e\xe0" "a", Enc::EucJp, L"\xFFFD\xFFFD" L"a"},
      {"EUC-JP cut after 0x8E", "a\x8e", Enc::EucJp, L"a"},
      {"EUC-JP cut inside a supplementary character", "a\x8f\xb0", Enc::EucJp, L"a"},
      {"EUC-JP user-defined row", "\xf5\xa1" "a", Enc::EucJp, L"\xFFFD" L"a"},
      {"JIS cut escape", "a\x1b$", Enc::Iso2022Jp, L"a"},
      {"JIS cut pair", "\x1b$BF|K", Enc::Iso2022Jp, L"日"},
      {"JIS 8-bit byte", "\x1b$BF|\xa4K\\", Enc::Iso2022Jp, L"日\xFFFD本"},
      {"JIS shift-out katakana", "\x1b$BF|\x1b(B\x0e\x31\x0fz", Enc::Iso2022Jp, L"日ｱz"},
      {"JIS line break kept in the kanji set", "\x1b$@F|\r\nK\\\x1b(J", Enc::Iso2022Jp, L"日\r\n本"},
      {"JIS Chinese set", "\x1b$A\x30\x21\x1b(Ba", Enc::Iso2022Jp, L"\xFFFD" L"a"},
      {"UTF-8 four-byte character", "\xf0\x9f\x98\x80", Enc::Utf8, L"😀"},
      {"UTF-8 mark left out", "\xef\xbb\xbfx", Enc::Utf8, L"x"},
      {"UTF-16 mark left out, odd byte dropped", std::string("\xff\xfe" "a\0b", 5), Enc::Utf16Le, L"a"},
      {"UTF-16 pair cut at the end", std::string("\xfe\xff\0a\xd8\x3d", 6), Enc::Utf16Be, L"a"},
      {"UTF-16 lone low surrogate", std::string("\xff\xfe\x00\xdc" "a\0", 6), Enc::Utf16Le, L"\xFFFD" L"a"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(DecodeJapaneseText(c.bytes, c.encoding), c.text);
  }
  // A JIS X 0212 character comes out whole where the platform's tables have it, else as one
  // replacement; never as bytes of something else.
  const std::wstring supplementary = DecodeJapaneseText("\x8f\xb0\xa1" "a", Enc::EucJp);
  ASSERT_EQ(supplementary.size(), 2u);
  EXPECT_TRUE(supplementary[0] == L'丂' || supplementary[0] == L'\xFFFD');
}

}  // namespace
}  // namespace pelmora
