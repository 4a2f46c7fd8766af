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

// ASCII, full-width and Latin-1 letters are upper-cased; signs and letters whose capital lies
// outside Latin-1 are not.
TEST(ToUpper, WhichLettersHaveACapital) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"/lnk az", L"/LNK AZ"},
      {L"`{@[", L"`{@["},  // next to the ASCII letters
      {L"\uFF41\uFF5A\uFF21", L"\uFF21\uFF3A\uFF21"},  // ａｚＡ
      {L"\uFF40\uFF5B", L"\uFF40\uFF5B"},  // next to the full-width letters
      {L"\u00E0\u00E9\u00FE", L"\u00C0\u00C9\u00DE"},  // àéþ
      {L"\u00F7\u00FF\u00DF\u00B5", L"\u00F7\u00FF\u00DF\u00B5"},  // ÷ ÿ ß µ stay
      {L"\u3042\u30A2", L"\u3042\u30A2"},
  };
  for (const auto& [text, upper] : cases) EXPECT_EQ(ToUpper(text), upper) << text;
  EXPECT_TRUE(EqualsNoCase(L"\uFF46\uFF4F\uFF4F.LNK", L"\uFF26\uFF2F\uFF2F.lnk"));
  EXPECT_FALSE(EqualsNoCase(L"abc", L"abcd"));
}

TEST(ContainsNoCase, EitherSideMayHoldTheCapitals) {
  const struct {
    const wchar_t* haystack;
    const wchar_t* needle;
    bool found;
  } cases[] = {
      {L"C:\\Users\\A\\Start Menu\\Programs", L"c:\\users\\a\\start menu", true},
      {L"c:\\users\\a\\start menu\\programs", L"C:\\USERS", true},
      {L"C:\\Users\\Programs", L"PROGRAMS", true},  // at the very end
      {L"Programs", L"programs", true},                // the whole haystack
      {L"C:\\Users\\Programs", L"programz", false},
      {L"C:\\Users", L"C:\\Users\\A", false},  // longer than the haystack
      {L"abc", L"", true},
  };
  for (const auto& c : cases) EXPECT_EQ(ContainsNoCase(c.haystack, c.needle), c.found) << c.haystack << L" / " << c.needle;
}

TEST(TextRules, TrimmingAndBackslashes) {
  const struct {
    const wchar_t* text;
    const wchar_t* trimmed;
    const wchar_t* trailingTrimmed;
  } cases[] = {
      {L"  a b  ", L"a b", L"  a b"},
      {L"   ", L"", L""},
      {L"", L"", L""},
      {L"\ta\t ", L"\ta\t", L"\ta\t"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TrimSpaces(c.text), c.trimmed) << c.text;
    EXPECT_EQ(TrimTrailingSpaces(c.text), c.trailingTrimmed) << c.text;
  }
  EXPECT_EQ(FirstLine(L"http://a.jp/\r\nsecond"), L"http://a.jp/");
  EXPECT_EQ(FirstLine(L"a\nb\rc"), L"a");
  EXPECT_EQ(FirstLine(L"\r\nb"), L"");
  EXPECT_EQ(FirstLine(std::wstring(L"C:\\a\0b", 6)), L"C:\\a");
  EXPECT_EQ(FirstLine(L"C:\\a b"), L"C:\\a b");
  EXPECT_EQ(WithTrailingBackslash(L"C:\\"), L"C:\\");
  // A drive is an ASCII letter and a colon, nothing else.
  for (const wchar_t* drive : {L"C:", L"z:\\a", L"A:b"}) EXPECT_TRUE(StartsWithDrive(drive)) << drive;
  for (const wchar_t* other : {L"", L"C", L"1:\\", L"\\\\s\\c", L"@:", L"[:", L"ｃ:"}) EXPECT_FALSE(StartsWithDrive(other)) << other;
  EXPECT_EQ(WithTrailingBackslash(L"C:\\a"), L"C:\\a\\");
}

}  // namespace
}  // namespace pelmora
