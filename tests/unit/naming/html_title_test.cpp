#include "naming/html_title.h"

#include <gtest/gtest.h>

#include "support/utf16_text.h"

namespace pelmora {
namespace {

TEST(ExtractHtmlTitle, TagsEntitiesAndBlanks) {
  struct Case {
    const wchar_t* html;
    const wchar_t* title;
  } cases[] = {
      {L"<html><head><title>Home</title></head>", L"Home"},
      {L"<title>A &amp;amp; B</title>", L"A &amp; B"},  // decoded once
      {L"<Title>x</TITLE>", L"x"},
      {L"<title lang=ja>x</title>", L""},  // attributes hide the tag
      {L"<title>Foo\r\nBar</title>", L"FooBar"},
      {L"<title>\tTab\tbed\t</title>", L"Tabbed"},
      {L"<title>Bell\a,\x1B[1mEsc, DEL\x7F, C1\x85\x9F.</title>", L"Bell,[1mEsc, DEL, C1."},
      {L"<title>\xA0Non-breaking\xA0</title>", L"\xA0Non-breaking\xA0"},
      {L"<title>&LT;b&GT; &Quot;q&quot; A&NBSP;B</title>", L"<b> \"q\" A B"},
      {L"<title>It&#39;s</title>", L"It&#39;s"},
      {L"<title>&amp;lt;</title>", L"&lt;"},  // &lt; is replaced before &amp;
      {L"<title>  &nbsp; &nbsp;  </title>", L""},
      {L"<title>  padded  </title>", L"padded"},
      {L"<title>first</title><title>second</title>", L"first"},
      {L"<title>no end", L""},
      {L"</title>x<title>", L""},
      {L"no title here", L""},
      {L"<title></title>", L""},
      {L"<TITLE>日本語のページ</TITLE>", L"日本語のページ"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "case #" << (&c - cases));
    EXPECT_EQ(ExtractHtmlTitle(c.html), c.title);
  }
}

TEST(ExtractHtmlTitle, TagsFurtherThanSixteenBitPositionsAreOutOfReach) {
  auto page = [](std::size_t lead, std::size_t titleLength) {
    return std::wstring(lead, L' ') + L"<title>" + std::wstring(titleLength, L'x') + L"</title>";
  };
  EXPECT_EQ(ExtractHtmlTitle(page(32758, 1)), L"x");  // the closing tag starts at character 32767
  EXPECT_EQ(ExtractHtmlTitle(page(32759, 1)), L"");
  EXPECT_EQ(ExtractHtmlTitle(page(0, 32759)), std::wstring(32759, L'x'));
  EXPECT_EQ(ExtractHtmlTitle(page(0, 32760)), L"");
}

using test::EncodeUtf16;

TEST(TitleFromPageBytes, EveryCharacterOfTheTitleIsKept) {
  const std::u16string unicodeTitle = u"Café ☃ 顔😀";
  struct Case {
    const char* what;
    std::string page;
    std::wstring title;
  } cases[] = {
      {"UTF-8 beyond Shift-JIS", "<title>Caf\xc3\xa9 \xe2\x98\x83 \xe9\xa1\x94\xf0\x9f\x98\x80</title>", L"Café ☃ 顔😀"},
      {"UTF-16LE beyond Shift-JIS", "\xff\xfe" + EncodeUtf16(u"<title>" + unicodeTitle + u"</title>", false), L"Café ☃ 顔😀"},
      {"UTF-16BE beyond Shift-JIS", EncodeUtf16(u"<title>" + unicodeTitle + u"</title>", true), L"Café ☃ 顔😀"},
      // The last character of a title does not hang on what follows the closing tag.
      {"UTF-16LE ending at the closing tag", "\xff\xfe" + EncodeUtf16(u"<title>日本</title>", false), L"日本"},
      {"UTF-16BE ending at the closing tag", "\xfe\xff" + EncodeUtf16(u"<title>日本</title>", true), L"日本"},
      {"UTF-16LE without a mark ending at the closing tag", EncodeUtf16(u"<title>日本</title>", false), L"日本"},
      // Half-width kana in Shift-JIS that EUC-JP would read with a broken character.
      {"Shift-JIS half-width kana, an odd count", "<title>\xb6\xc0\xb6\xc5\xb6\xc0\xb6\xc5\xc3\xbd\xc4</title>",
       L"ｶﾀｶﾅｶﾀｶﾅﾃｽﾄ"},
      // A stray byte in the body leaves no reading of the page clean and EUC-JP ahead; the
      // title reads cleanly only in Shift-JIS.
      {"the title clean in another reading than the page's",
       "<title>\xb1\xb2\xb3\xb4\xb5</title><p>\xb6\xc0\xb6\xc5\xb6\xc0\xb6\xc5\xb6\xc0\xb6\xc5\xff</p>", L"ｱｲｳｴｵ"},
      {"UTF-8 with a byte lost keeps its one broken character",
       "<title>\xe3\x83\x8b\xe3\x83\xa5\xe3\x83\xe3\x82\xb9</title>", L"ニュ\xFFFDス"},
      {"no title", "<p>\xe6\x97\xa5\xe6\x9c\xac</p>", L""},
      {"empty", "", L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(TitleFromPageBytes(c.page, 2048), c.title);
  }
}

// Wherever the buffer ends after the closing tag, even inside a character, the title stands.
TEST(TitleFromPageBytes, ACharacterCutByTheBufferLeavesTheTitleAlone) {
  struct Case {
    const char* what;
    std::string titled;  // up to the closing tag
    std::string after;   // characters the buffer may cut into
    std::wstring title;
  } cases[] = {
      {"Shift-JIS", "<title>\x93\xfa\x96\x7b</title>", "\x8c\xea\x8c\xea", L"日本"},
      {"EUC-JP", "<title>\xc6\xfc\xcb\xdc</title>", "\xb8\xec\xb8\xec", L"日本"},
      {"ISO-2022-JP", "<title>\x1b$BF|K\\\x1b(B</title>", "\x1b$B8l8l\x1b(B", L"日本"},
      {"UTF-8", "<title>\xe6\x97\xa5\xe6\x9c\xac</title>", "\xe8\xaa\x9e\xe8\xaa\x9e", L"日本"},
      {"UTF-8, the only character", "<title>x</title>", "\xf0\x9f\x98\x80", L"x"},
      {"UTF-16LE", "\xff\xfe" + EncodeUtf16(u"<title>日本</title>", false), EncodeUtf16(u"😀😀", false), L"日本"},
      {"UTF-16BE without a mark", EncodeUtf16(u"<title>日本</title>", true), EncodeUtf16(u"😀😀", true), L"日本"},
  };
  for (const auto& c : cases) {
    const std::string page = c.titled + c.after;
    for (std::size_t buffer = c.titled.size(); buffer <= page.size(); ++buffer) {
      SCOPED_TRACE(testing::Message() << c.what << ", buffer " << buffer);
      EXPECT_EQ(TitleFromPageBytes(page, buffer), c.title);
    }
    EXPECT_EQ(TitleFromPageBytes(page, c.titled.size() - 1), L"");  // the closing tag is cut
  }
}

}  // namespace
}  // namespace pelmora
