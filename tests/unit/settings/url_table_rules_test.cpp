#include "settings/url_table_rules.h"

#include <gtest/gtest.h>

#include "text/code_page.h"

namespace pelmora {
namespace {

using List = std::vector<std::wstring>;

// Section text as GetPrivateProfileSection hands it over: lines ended by NUL.
std::wstring Section(std::initializer_list<std::wstring> lines) {
  std::wstring text;
  for (const auto& line : lines) text += line + L'\0';
  return text;
}

TEST(ReadUrlList, StopsAtTheFirstMissingOrBlankKey) {
  std::wstring sixty;
  List fifty;
  for (int n = 1; n <= 60; ++n) {
    sixty += L"URL" + std::to_wstring(n) + L"=v" + std::to_wstring(n) + L'\0';
    if (n <= 50) fifty.push_back(L"v" + std::to_wstring(n));
  }
  const std::wstring longValue(300, L'長');
  const struct {
    const char* what;
    std::wstring section;
    List list;
  } cases[] = {
      {"no section", L"", {L""}},
      {"a gap", Section({L"URL1=a", L"URL2=b", L"URL4=d"}), {L"a", L"b"}},
      {"no URL1", Section({L"URL2=b", L"URL3=c"}), {L""}},
      {"sixty keys", sixty, fifty},
      {"blanks end it", Section({L"URL1=a", L"URL2=   ", L"URL3=c"}), {L"a"}},
      {"key order, not line order", Section({L"URL3=c", L"url1=a", L"Url2=b"}), {L"a", L"b", L"c"}},
      {"first of two lines wins", Section({L"URL1=a", L"URL1=z"}), {L"a"}},
      {"quotes and blanks as the profile functions read them",
       Section({L" URL1 = \" x y \" ", L"URL2='q'", L"URL3=\"half", L"URL4=a,b"}), {L"x y", L"q", L"\"half", L"a,b"}},
      {"lines without a value", Section({L"URL1", L"URL1=a"}), {L"a"}},
      {"511 bytes at most", Section({L"URL1=" + longValue}), {longValue.substr(0, 255)}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ReadUrlList(c.section), c.list);
  }
}

TEST(OfferedTemplates, OnlyEntriesWithAnInnerCommaKeepingCaptionsAndTemplatesInStep) {
  const List entries = {L"no comma", L",leading", L"trailing,", L"A,http://%.a/", L"", L"B,x,y%", L",", L"C,%"};
  const std::vector<UrlTemplate> expected = {{L"A", L"http://%.a/"}, {L"B", L"x,y%"}, {L"C", L"%"}};
  EXPECT_EQ(OfferedTemplates(entries), expected);
  EXPECT_TRUE(OfferedTemplates({L""}).empty());
}

TEST(DefaultUrlTable, TheNewFileIsShiftJisWithTheSectionsInTableOrder) {
  const UrlTable& table = DefaultUrlTable();
  EXPECT_EQ(table.lists[0].size(), 4u);
  EXPECT_EQ(table.lists[1].size(), 18u);
  EXPECT_EQ(table.lists[2].size(), 4u);
  EXPECT_EQ(OfferedTemplates(table.lists[3]).size(), 6u);

  const std::string bytes = DefaultUrlTableBytes(true);
  const std::string withoutTemplates = DefaultUrlTableBytes(false);
  EXPECT_EQ(bytes.substr(0, withoutTemplates.size()), withoutTemplates);
  const std::string comments = EncodeCodePage(kShiftJis, L"; *** URL構成文字列 設定情報 ***\r\n; \r\n");
  EXPECT_EQ(bytes.substr(0, comments.size()), comments);
  EXPECT_NE(bytes.find("\r\n\r\n[URLGroup1]\r\nURL1=http://www.\r\nURL2=http://\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("URL18=.museum/\r\n[URLGroup3]\r\nURL1=index.htm\r\n"), std::string::npos);
  // The full-width tilde of the captions is 81 60 in Shift-JIS.
  EXPECT_NE(bytes.find("URL1=http://www.\x81\x60.com/ "), std::string::npos);
  const std::string tail = "URL6=http://\x81\x60.ne.jp/ " + EncodeCodePage(kShiftJis, L"補間") + ",http://%.ne.jp/\r\n";
  EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);
}

}  // namespace
}  // namespace pelmora
