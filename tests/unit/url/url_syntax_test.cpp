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

}

// The head before the first "?" may be as long as the system's longest path, not one more.
TEST(CheckUrlSyntax, HeadLengthLimit) {
  const std::wstring longest = L"http://" + std::wstring(kMaxUrlHeadLength - 7, L'a');
  const struct {
    std::wstring text;
    TargetKind kind;
  } cases[] = {
      {longest, TargetKind::Url},
      {longest + L"a", TargetKind::Invalid},
      {longest + L"?" + std::wstring(100, L'q'), TargetKind::Url},
      {longest + L"a?q", TargetKind::Invalid},
      {L"http://a?" + longest + L"a", TargetKind::Url},
  };
  for (const auto& c : cases) EXPECT_EQ(CheckUrlSyntax(c.text), c.kind) << c.text.size();
}

// A path whose last part names a device opens the device, wherever its folder.
TEST(NamesDevice, TheLastPartOfThePathDecides) {
  for (const wchar_t* path : {L"NUL", L"C:\\x\\nul.txt", L"C:\\x\\CON", L"D:\\LPT1\\", L"C:/a/aux.info",
                              L"C:com1", L"\\\\server\\share\\prn.log", L"clock$"})
    EXPECT_TRUE(NamesDevice(path)) << path;
  for (const wchar_t* path : {L"", L"C:\\", L"C:\\nul\\a.txt", L"C:\\x\\nullify.txt", L"C:\\x\\COM10",
                              L"C:\\x\\a.con", L"\\\\server\\con2"})
    EXPECT_FALSE(NamesDevice(path)) << path;
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
