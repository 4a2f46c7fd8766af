#include "settings/url_table_rules.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using List = std::vector<std::wstring>;

// Section text as GetPrivateProfileSection hands it over: lines ended by NUL. Which keys count
// and where a list ends is tested on real files; here, how one line reads.
std::wstring Section(std::initializer_list<std::wstring> lines) {
  std::wstring text;
  for (const auto& line : lines) text += line + L'\0';
  return text;
}

TEST(ReadUrlList, ReadsEachValueAsTheProfileFunctionsDo) {
  const std::wstring longValue(300, L'長');
  const struct {
    const char* what;
    std::wstring section;
    List list;
  } cases[] = {
      {"first of two lines wins", Section({L"url1=a", L"URL1=z"}), {L"a"}},
      {"quotes and blanks", Section({L" URL1 = \" x y \" ", L"URL2='q'", L"URL3=\"half", L"URL4=a,b"}),
       {L"x y", L"q", L"\"half", L"a,b"}},
      {"lines without a value", Section({L"URL1", L"URL1=a"}), {L"a"}},
      {"511 bytes at most", Section({L"URL1=" + longValue}), {longValue.substr(0, 255)}},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadUrlList(c.section), c.list) << c.what;
}

TEST(OfferedTemplates, OnlyEntriesWithAnInnerCommaKeepingCaptionsAndTemplatesInStep) {
  const List entries = {L"no comma", L",leading", L"trailing,", L"A,http://%.a/", L"", L"B,x,y%", L","};
  const std::vector<UrlTemplate> expected = {{L"A", L"http://%.a/"}, {L"B", L"x,y%"}};
  EXPECT_EQ(OfferedTemplates(entries), expected);
}

}  // namespace
}  // namespace pelmora
