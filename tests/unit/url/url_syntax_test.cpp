#include "url/url_syntax.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(CheckUrlSyntax, OnlyTheHeadBeforeTheFirstQuestionMarkIsExamined) {
  const struct {
    const wchar_t* text;
    TargetKind kind;
  } cases[] = {
      {L"http://www.example.com/index.html", TargetKind::Url},
      {L"http://www.example.com/my page.html", TargetKind::Invalid},  // blank before "?"
      {L"http://example.com/search?q=a b \"c\" 日本語", TargetKind::Url},
      {L"http://日本語.jp/", TargetKind::Invalid},
      {L"http://%E6%97%A5%E6%9C%AC.jp/", TargetKind::Url},
      {L"http://example.com/a[1]", TargetKind::Invalid},
      {L"http://example.com/{x}", TargetKind::Invalid},
      {L"http://ｅｘａｍｐｌｅ.com/", TargetKind::Invalid},  // full-width letters
      {L"?x=1://anything at all", TargetKind::Url},           // empty head
      {L"weird-scheme+1.0://host", TargetKind::Url},          // the scheme is not examined
      {L"ftp://user:pw@host:21/~a/b_c;d=e&f|g,h$i!j*k'l(m)n+o%20p-q#r\\s", TargetKind::Url},
  };
  for (const auto& c : cases) EXPECT_EQ(CheckUrlSyntax(c.text), c.kind) << c.text;

  const std::wstring overlong = L"http://" + std::wstring(kMaxUrlHeadLength, L'a');
  EXPECT_EQ(CheckUrlSyntax(overlong), TargetKind::Invalid);
  EXPECT_EQ(CheckUrlSyntax(L"http://a?" + overlong), TargetKind::Url);
}

TEST(CheckUrlSyntax, TheTwentyThreeMarksAndNothingElseOfAscii) {
  const std::wstring marks = L"._/~#?=;&:\\|,$!*'()@+%-";
  for (wchar_t c = 0; c < 0x80; ++c) {
    const bool alnum = (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9');
    EXPECT_EQ(IsUrlCharacter(c), alnum || marks.find(c) != std::wstring::npos) << static_cast<int>(c);
  }
  EXPECT_FALSE(LooksLikeUrl(L"mailto:someone@example.com"));
  EXPECT_FALSE(HasWildcard(L"\\\\?\\C:\\dir\\file.txt"));
  EXPECT_TRUE(HasWildcard(L"\\\\?\\C:\\dir\\*.txt"));
}

}  // namespace
}  // namespace pelmora
