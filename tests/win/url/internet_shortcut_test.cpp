#include "url/internet_shortcut.h"

#include <gtest/gtest.h>

#include "text/code_page.h"
#include "support/win/test_env.h"

namespace pelmora {
namespace {

using test::TempFolder;
using Lines = std::vector<std::string>;

// The file's lines, read as bytes without the profile functions; every line ends in CR LF.
Lines LinesOf(const std::wstring& path) {
  const std::string bytes = test::ReadFileBytes(path);
  EXPECT_TRUE(bytes.empty() || bytes.substr(bytes.size() - 2) == "\r\n");
  Lines lines;
  for (std::size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(bytes.substr(start, end - start));
  return lines;
}

TEST(WriteInternetShortcut, AFreshFileHoldsTheUrlThenTheIcon) {
  TempFolder dir;
  const struct {
    const wchar_t* name;
    std::wstring url, iconFile;
    int iconIndex;
    Lines lines;
  } cases[] = {
      {L"plain.url", L"  http://example.com/a b  ", L"", 5, {"[InternetShortcut]", "URL=http://example.com/a b"}},
      {L"icon.url", L"ftp://example.com/", L"C:\\shell32.dll", -107,
       {"[InternetShortcut]", "URL=ftp://example.com/", "IconIndex=-107", "IconFile=C:\\shell32.dll"}},
      {L"日本語.url", L"http://例え.jp/", L"C:\\アイコン.ico", 0,
       {"[InternetShortcut]", "URL=" + ToAnsiBytes(L"http://例え.jp/"), "IconIndex=0",
        "IconFile=" + ToAnsiBytes(L"C:\\アイコン.ico")}},
      // Outside the ANSI code page: Windows' own Unicode sections keep what the ANSI line spoils.
      {L"한국 café 😀.url", L"http://例え.jp/한?q=é", L"C:\\아이콘\\a.ico", 2,
       {"[InternetShortcut]", "URL=" + ToAnsiBytes(L"http://例え.jp/한?q=é"), "IconIndex=2",
        "IconFile=" + ToAnsiBytes(L"C:\\아이콘\\a.ico"), "[InternetShortcut.A]",
        "URL=" + ToAnsiBytes(L"http://例え.jp/한?q=é"), "IconFile=" + ToAnsiBytes(L"C:\\아이콘\\a.ico"),
        "[InternetShortcut.W]", "URL=http://+T4swSA-.jp/+1Vw-?q+AD0A6Q-", "IconFile=C:+AFzFRMd0z1gAXA-a.ico"}},
      {L"breaks.url", L"http://a.example/\r\nIconFile=C:\\evil.ico", L"C:\\b\nc.ico", 1,  // one line per value
       {"[InternetShortcut]", "URL=http://a.example/", "IconIndex=1", "IconFile=C:\\b"}},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(WriteInternetShortcut(dir / c.name, c.url, c.iconFile, c.iconIndex)) << c.name;
    EXPECT_EQ(LinesOf(dir / c.name), c.lines) << c.name;
  }
  test::ScriptedMessageBoxes boxes;
  EXPECT_FALSE(WriteInternetShortcut(dir / L"empty.url", L"   ", L"C:\\a.ico", 1));
  EXPECT_FALSE(test::FileExists(dir / L"empty.url"));
  EXPECT_FALSE(WriteInternetShortcut(dir / L"missing\\a.url", L"http://a/", L"", 0));
  const std::wstring tooLong = dir / (std::wstring(MAX_PATH - dir.Path().size() - 5, L'x') + L".url");
  EXPECT_FALSE(WriteInternetShortcut(tooLong, L"http://a/", L"", 0));
  EXPECT_FALSE(test::FileExists(tooLong));
  EXPECT_TRUE(boxes.Asks().empty());
}

TEST(WriteInternetShortcut, UpdatingKeepsEveryOtherLine) {
  TempFolder dir;
  const std::wstring path = dir / L"old.url";
  ASSERT_TRUE(test::WriteFileBytes(path, "[DEFAULT]\r\nBASEURL=http://old/\r\n[internetshortcut]\r\nurl=http://old/\r\n"
                                         "iconfile=C:\\old.ico\r\niconindex=4\r\nHotKey=0\r\n[Other]\r\nx=y\r\n"));
  EXPECT_TRUE(WriteInternetShortcut(path, L"http://new/", L"", 0));
  EXPECT_EQ(LinesOf(path), (Lines{"[DEFAULT]", "BASEURL=http://old/", "[internetshortcut]", "url=http://new/",
                                  "iconfile=C:\\old.ico", "iconindex=4", "HotKey=0", "[Other]", "x=y"}));
  EXPECT_TRUE(WriteInternetShortcut(path, L"http://new/2", L"C:\\new.ico", -2));
  EXPECT_EQ(LinesOf(path), (Lines{"[DEFAULT]", "BASEURL=http://old/", "[internetshortcut]", "url=http://new/2",
                                  "iconfile=C:\\new.ico", "iconindex=-2", "HotKey=0", "[Other]", "x=y"}));
}

TEST(WriteInternetShortcut, AnAnsiValueRemovesTheUnicodeFormsOfAnEarlierOne) {
  TempFolder dir;
  const std::wstring path = dir / L"u.url";
  ASSERT_TRUE(WriteInternetShortcut(path, L"http://a.jp/é", L"C:\\é.ico", 1));
  ASSERT_TRUE(WriteInternetShortcut(path, L"http://a.jp/e", L"C:\\e.ico", 1));
  EXPECT_EQ(LinesOf(path), (Lines{"[InternetShortcut]", "URL=http://a.jp/e", "IconIndex=1", "IconFile=C:\\e.ico",
                                  "[InternetShortcut.A]", "[InternetShortcut.W]"}));
  // Without a new icon the old icon's lines stay, each with its Unicode form.
  ASSERT_TRUE(WriteInternetShortcut(path, L"http://a.jp/é", L"C:\\é.ico", 1));
  ASSERT_TRUE(WriteInternetShortcut(path, L"http://a.jp/e", L"", 0));
  InternetShortcut read;
  ASSERT_TRUE(ReadInternetShortcut(path, read));
  EXPECT_EQ(read.url, L"http://a.jp/e");
  EXPECT_EQ(read.iconFile, L"C:\\é.ico");
}

TEST(ReadInternetShortcut, WrittenAndHandMadeFiles) {
  TempFolder dir;
  ASSERT_TRUE(WriteInternetShortcut(dir / L"サイト.url", L"http://example.com/ページ?a=1&b=2", L"C:\\アイコン.ico", -3));
  const std::wstring unicodeUrl = L"http://例え.jp/한?q=é&e=😀";
  ASSERT_TRUE(WriteInternetShortcut(dir / L"한국 😀.url", unicodeUrl, L"C:\\아이콘\\a.ico", 1));
  const std::string ansiUrl = "URL=" + ToAnsiBytes(unicodeUrl) + "\r\n";
  const std::wstring longUrl = L"http://example.com/" + std::wstring(300, L'長');
  const struct {
    std::wstring path;
    std::string bytes;  // written first unless empty
    std::wstring url, iconFile;
    int iconIndex;
  } cases[] = {
      {dir / L"サイト.url", "", L"http://example.com/ページ?a=1&b=2", L"C:\\アイコン.ico", -3},
      {dir / L"1.url", "[internetshortcut]\r\nurl=  http://a/  \r\nIconIndex=abc\r\nIconFile=C:\\b.ico\r\n",
       L"http://a/", L"C:\\b.ico", 0},
      {dir / L"2.url", "[Other]\r\nURL=http://c/\r\n[InternetShortcut]\r\nIconIndex=12.5\r\n", L"", L"", 12},
      {dir / L"3.url", "\xFF\xFE\x00garbage\r\n[InternetShortcut\r\nURL\r\n=\r\n", L"", L"", 0},
      {dir / L"4.url", "[InternetShortcut]\r\nURL=" + ToAnsiBytes(longUrl) + "\r\n", longUrl.substr(0, 19 + 246), L"", 0},
      {dir / L"한국 😀.url", "", unicodeUrl, L"C:\\아이콘\\a.ico", 1},
      // The Unicode form wins, also without the .A copy other programs may leave out...
      {dir / L"5.url", "[InternetShortcut]\r\n" + ansiUrl + "[InternetShortcut.W]\r\nURL=" + EncodeCodePage(kUtf7, unicodeUrl) + "\r\n",
       unicodeUrl, L"", 0},
      // ...unless the ANSI line was edited after it was written, or it is no UTF-7 at all.
      {dir / L"6.url", "[InternetShortcut]\r\nURL=http://edited/\r\n[InternetShortcut.A]\r\n" + ansiUrl +
       "[InternetShortcut.W]\r\nURL=" + EncodeCodePage(kUtf7, unicodeUrl) + "\r\n", L"http://edited/", L"", 0},
      {dir / L"7.url", "[InternetShortcut]\r\nURL=http://a/\r\n[InternetShortcut.W]\r\nURL=" + ToAnsiBytes(L"http://日本/") +
       "\r\nIconFile=+-\r\n", L"http://a/", L"+", 0},
      {dir / L"8.url", "[InternetShortcut]\r\nURL=http://a/\r\n[InternetShortcut.W]\r\nURL=   \r\n", L"http://a/", L"", 0},
  };
  for (const auto& c : cases) {
    if (!c.bytes.empty()) {
      ASSERT_TRUE(test::WriteFileBytes(c.path, c.bytes));
    }
    InternetShortcut read{L"old", L"old.ico", 9};
    EXPECT_TRUE(ReadInternetShortcut(c.path, read));
    EXPECT_EQ(read.url, c.url) << c.path;  // a long URL is cut to 511 bytes
    EXPECT_EQ(read.iconFile, c.iconFile) << c.path;
    EXPECT_EQ(read.iconIndex, c.iconIndex) << c.path;
  }
  InternetShortcut kept{L"kept", L"kept.ico", 7};
  for (const std::wstring& path : {std::wstring(), dir / L"missing.url", dir.Path()})
    EXPECT_FALSE(ReadInternetShortcut(path, kept)) << path;
  EXPECT_EQ(kept.url, L"kept");
}

}  // namespace
}  // namespace pelmora
