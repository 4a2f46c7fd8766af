#include "naming/html_title.h"

#include <gtest/gtest.h>

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

TEST(HtmlTitleFromBytes, ReadsTheBufferedHeadAsShiftJis) {
  const std::string page = "<title>\x93\xfa\x96\x7b</title>";  // 日本
  EXPECT_EQ(HtmlTitleFromBytes(page, 2048), L"日本");
  EXPECT_EQ(HtmlTitleFromBytes(page, page.size()), L"日本");
  EXPECT_EQ(HtmlTitleFromBytes(page, page.size() - 1), L"");
  EXPECT_EQ(HtmlTitleFromBytes("", 2048), L"");
}

}  // namespace
}  // namespace pelmora
