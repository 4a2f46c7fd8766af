#include "url/url_syntax.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

struct UrlCase {
  const wchar_t* text;
  TargetKind kind;
};

TEST(CheckUrlSyntax, OnlyTheHeadBeforeTheFirstQuestionMarkIsExamined) {
  const UrlCase cases[] = {
      {L"http://www.example.com/index.html", TargetKind::Url},
      {L"http://www.example.com/my page.html", TargetKind::Invalid},  // blank before "?"
      {L"http://example.com/search?q=a b \"c\" 日本語", TargetKind::Url},
      {L"http://example.com/find?", TargetKind::Url},
      {L"http://日本語.jp/", TargetKind::Invalid},
      {L"http://%E6%97%A5%E6%9C%AC.jp/", TargetKind::Url},
      {L"http://example.com/a[1]", TargetKind::Invalid},
      {L"http://example.com/{x}", TargetKind::Invalid},
      {L"http://example.com/a<b>", TargetKind::Invalid},
      {L"http://example.com/a^b", TargetKind::Invalid},
      {L"http://example.com/a`b", TargetKind::Invalid},
      {L"http://ｅｘａｍｐｌｅ.com/", TargetKind::Invalid},  // full-width letters
      {L"?x=1://anything at all", TargetKind::Url},           // empty head
      {L"://", TargetKind::Url},                               // the scheme is not examined
      {L"weird-scheme+1.0://host", TargetKind::Url},
      {L"ftp://user:pw@host:21/~a/b_c;d=e&f|g,h$i!j*k'l(m)n+o%20p-q#r\\s", TargetKind::Url},
      {L"http://example.com/\ttab", TargetKind::Invalid},
  };
  for (const UrlCase& c : cases) EXPECT_EQ(CheckUrlSyntax(c.text), c.kind) << c.text;
}

TEST(CheckUrlSyntax, TheTwentyThreeMarksAndNothingElseOfAscii) {
  const std::wstring marks = L"._/~#?=;&:\\|,$!*'()@+%-";
  int accepted = 0;
  for (wchar_t c = 0; c < 0x80; ++c) {
    const bool alnum = (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9');
    const bool expected = alnum || marks.find(c) != std::wstring::npos;
    EXPECT_EQ(IsUrlCharacter(c), expected) << static_cast<int>(c);
    accepted += IsUrlCharacter(c) ? 1 : 0;
  }
  EXPECT_EQ(accepted, 26 + 26 + 10 + 23);
  EXPECT_FALSE(IsUrlCharacter(L'\0'));
  EXPECT_FALSE(IsUrlCharacter(L'\x00A5'));
}

TEST(CheckUrlSyntax, AnOverlongHeadIsRefused) {
  const std::wstring head = L"http://" + std::wstring(kMaxUrlHeadLength, L'a');
  EXPECT_EQ(CheckUrlSyntax(head), TargetKind::Invalid);
  EXPECT_EQ(CheckUrlSyntax(head.substr(0, kMaxUrlHeadLength)), TargetKind::Url);
  EXPECT_EQ(CheckUrlSyntax(L"http://a?" + head), TargetKind::Url);
}

TEST(LooksLikeUrl, NeedsTheWholeSeparator) {
  EXPECT_TRUE(LooksLikeUrl(L"http://a"));
  EXPECT_TRUE(LooksLikeUrl(L"C:\\x?y://z"));
  EXPECT_FALSE(LooksLikeUrl(L"mailto:someone@example.com"));
  EXPECT_FALSE(LooksLikeUrl(L"file:/x"));
  EXPECT_FALSE(LooksLikeUrl(L":/ /"));
}

TEST(HasWildcard, StarsAndQuestionMarksButNotTheLongPathPrefix) {
  EXPECT_TRUE(HasWildcard(L"C:\\dir\\*.txt"));
  EXPECT_TRUE(HasWildcard(L"C:\\dir\\a?.txt"));
  EXPECT_TRUE(HasWildcard(L"\\\\?\\C:\\dir\\*"));
  EXPECT_FALSE(HasWildcard(L"\\\\?\\C:\\dir\\file.txt"));
  EXPECT_FALSE(HasWildcard(L"C:\\dir\\file.txt"));
}

}  // namespace
}  // namespace pelmora
