#include "text/text_rules.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(TrimAtNul, CutsAtTheFirstNulThenTrimsBlanks) {
  using namespace std::string_literals;
  EXPECT_EQ(TrimAtNul(L"  abc  "), L"abc");
  EXPECT_EQ(TrimAtNul(L"\0abc"s), L"");
  EXPECT_EQ(TrimAtNul(L" C:\\a b \0garbage \0"s), L"C:\\a b");
  EXPECT_EQ(TrimAtNul(L"\tx\t"), L"\tx\t");  // only blanks are trimmed
}

TEST(TextRules, CaseInsensitiveComparisons) {
  EXPECT_TRUE(ContainsNoCase(L"C:\\Users\\A\\Start Menu\\Programs\\Tools", L"c:\\users\\a\\start menu"));
  EXPECT_FALSE(ContainsNoCase(L"C:\\Users", L"C:\\Users\\A"));
  EXPECT_TRUE(EqualsNoCase(L"ｆｏｏ.LNK", L"ＦＯＯ.lnk"));
  EXPECT_EQ(ToUpper(L"/lnk é"), L"/LNK É");
  EXPECT_EQ(WithTrailingBackslash(L"C:\\"), L"C:\\");
  EXPECT_EQ(WithTrailingBackslash(L"C:\\a"), L"C:\\a\\");
}

}  // namespace
}  // namespace pelmora
