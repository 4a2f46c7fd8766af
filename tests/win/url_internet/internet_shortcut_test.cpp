#include "url/internet_shortcut.h"

#include <gtest/gtest.h>

#include "app/code_page.h"
#include "support/win/test_env.h"

namespace pelmora {
namespace {

using test::TempFolder;

// The file's lines, read as bytes without the profile functions; every line must end in CR LF.
std::vector<std::string> Lines(const std::wstring& path) {
  const std::string bytes = test::ReadFileBytes(path);
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const auto end = bytes.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "last line without CR LF";
    if (end == std::string::npos) break;
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

using LineList = std::vector<std::string>;

TEST(WriteInternetShortcut, AFreshFileHoldsTheUrlAndTheIconInOrder) {
  TempFolder dir;
  const struct {
    const wchar_t* name;
    std::wstring url;
    std::wstring iconFile;
    int iconIndex;
    LineList lines;
  } cases[] = {
      {L"plain.url", L"http://example.com/", L"", 5, {"[InternetShortcut]", "URL=http://example.com/"}},
      {L"trimmed.url", L"  http://example.com/a b  ", L"", 0, {"[InternetShortcut]", "URL=http://example.com/a b"}},
      {L"icon0.url", L"http://example.com/", L"C:\\icons\\site.ico", 0,
       {"[InternetShortcut]", "URL=http://example.com/", "IconIndex=0", "IconFile=C:\\icons\\site.ico"}},
      {L"negative.url", L"ftp://example.com/x", L"C:\\Windows\\system32\\shell32.dll", -107,
       {"[InternetShortcut]", "URL=ftp://example.com/x", "IconIndex=-107", "IconFile=C:\\Windows\\system32\\shell32.dll"}},
      {L"日本語.url", L"http://例え.jp/ページ", L"C:\\アイコン\\サイト.ico", 3,
       {"[InternetShortcut]", "URL=" + ToAnsiBytes(L"http://例え.jp/ページ"), "IconIndex=3",
        "IconFile=" + ToAnsiBytes(L"C:\\アイコン\\サイト.ico")}},
  };
  for (const auto& c : cases) {
    const std::wstring path = dir / c.name;
    EXPECT_TRUE(WriteInternetShortcut(path, c.url, c.iconFile, c.iconIndex)) << c.name;
    EXPECT_EQ(Lines(path), c.lines) << c.name;
  }
}

TEST(WriteInternetShortcut, AnEmptyUrlWritesNothing) {
  TempFolder dir;
  test::ScriptedMessageBoxes boxes;
  for (const wchar_t* url : {L"", L"   "}) {
    EXPECT_FALSE(WriteInternetShortcut(dir / L"empty.url", url, L"C:\\a.ico", 1));
    EXPECT_FALSE(test::FileExists(dir / L"empty.url"));
  }
  EXPECT_TRUE(boxes.Asks().empty());
}

TEST(WriteInternetShortcut, UpdatingKeepsEveryOtherLine) {
  TempFolder dir;
  const std::wstring path = dir / L"old.url";
  ASSERT_TRUE(test::WriteFileBytes(path,
                                   "[DEFAULT]\r\nBASEURL=http://old.example/\r\n"
                                   "[internetshortcut]\r\nurl=http://old.example/\r\nIDList=\r\n"
                                   "iconfile=C:\\old.ico\r\niconindex=4\r\nHotKey=0\r\n"
                                   "[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,2\r\n"));
  EXPECT_TRUE(WriteInternetShortcut(path, L"http://new.example/", L"", 0));
  EXPECT_EQ(Lines(path), (LineList{"[DEFAULT]", "BASEURL=http://old.example/", "[internetshortcut]",
                                   "url=http://new.example/", "IDList=", "iconfile=C:\\old.ico", "iconindex=4",
                                   "HotKey=0", "[{000214A0-0000-0000-C000-000000000046}]", "Prop3=19,2"}));

  EXPECT_TRUE(WriteInternetShortcut(path, L"http://new.example/2", L"C:\\new.ico", -2));
  EXPECT_EQ(Lines(path), (LineList{"[DEFAULT]", "BASEURL=http://old.example/", "[internetshortcut]",
                                   "url=http://new.example/2", "IDList=", "iconfile=C:\\new.ico", "iconindex=-2",
                                   "HotKey=0", "[{000214A0-0000-0000-C000-000000000046}]", "Prop3=19,2"}));
}

// A path of exactly `bytes` ANSI bytes under `dir` that ends in ".url", built from double-byte
// characters in folders short enough for the host's file names; the folders are created.
std::wstring PathOfAnsiBytes(const std::wstring& dir, std::size_t bytes) {
  std::wstring path = dir;
  const std::wstring tail = L"\\x.url";
  while (AnsiByteCount(path) + AnsiByteCount(tail) + 2 < bytes) {
    const std::size_t room = bytes - AnsiByteCount(path) - AnsiByteCount(tail) - 1;  // less the "\"
    const std::size_t chars = std::min<std::size_t>(room / 2, 60);
    if (chars == 0) break;
    path += L"\\" + std::wstring(chars, L'あ');
    CreateDirectoryW(path.c_str(), nullptr);
  }
  std::wstring file = path + tail;
  if (AnsiByteCount(file) < bytes) file = path + L"\\" + std::wstring(bytes - AnsiByteCount(file), L'a') + L"x.url";
  return file;
}

TEST(WriteInternetShortcut, PathsOver255AnsiBytesAreRefusedWithAMessage) {
  TempFolder dir;
  const std::wstring fits = PathOfAnsiBytes(dir.Path(), 255);
  const std::wstring tooLong = PathOfAnsiBytes(dir.Path(), 256);
  ASSERT_EQ(AnsiByteCount(fits), 255u);
  ASSERT_EQ(AnsiByteCount(tooLong), 256u);
  EXPECT_LT(tooLong.size(), 200u) << "double-byte characters count twice";

  test::ScriptedMessageBoxes boxes;
  EXPECT_TRUE(WriteInternetShortcut(fits, L"http://example.com/", L"", 0));
  EXPECT_TRUE(test::FileExists(fits));
  EXPECT_TRUE(boxes.Asks().empty());

  EXPECT_FALSE(WriteInternetShortcut(tooLong, L"http://example.com/", L"", 0));
  EXPECT_FALSE(test::FileExists(tooLong));
  ASSERT_EQ(boxes.Asks().size(), 1u);
  EXPECT_EQ(boxes.Asks()[0].text, L"ショートカットファイルのパスが長すぎます。\r\n\r\n" + tooLong);
  EXPECT_EQ(boxes.Asks()[0].style, 48u);
  EXPECT_EQ(boxes.Asks()[0].title, L"ペルモラ");  // the default title
}

TEST(WriteInternetShortcut, LineBreaksCannotAddLinesToTheFile) {
  TempFolder dir;
  const std::wstring path = dir / L"broken.url";
  EXPECT_TRUE(WriteInternetShortcut(path, L"http://a.example/\r\nIconFile=C:\\evil.ico\n[Other]", L"C:\\b\nc.ico", 1));
  EXPECT_EQ(Lines(path), (LineList{"[InternetShortcut]", "URL=http://a.example/", "IconIndex=1", "IconFile=C:\\b"}));
}

TEST(WriteInternetShortcut, AMissingFolderFailsSilently) {
  TempFolder dir;
  test::ScriptedMessageBoxes boxes;
  EXPECT_FALSE(WriteInternetShortcut(dir / L"no such folder\\a.url", L"http://example.com/", L"", 0));
  EXPECT_TRUE(boxes.Asks().empty());
}

TEST(ReadInternetShortcut, ReadsWhatWasWritten) {
  TempFolder dir;
  const std::wstring path = dir / L"サイト.url";
  ASSERT_TRUE(WriteInternetShortcut(path, L"http://example.com/ページ?a=1&b=2", L"C:\\アイコン.ico", -3));
  InternetShortcut read;
  ASSERT_TRUE(ReadInternetShortcut(path, read));
  EXPECT_EQ(read.url, L"http://example.com/ページ?a=1&b=2");
  EXPECT_EQ(read.iconFile, L"C:\\アイコン.ico");
  EXPECT_EQ(read.iconIndex, -3);
}

TEST(ReadInternetShortcut, HandMadeFiles) {
  TempFolder dir;
  const struct {
    const char* bytes;
    const wchar_t* url;
    const wchar_t* iconFile;
    int iconIndex;
  } cases[] = {
      {"[internetshortcut]\r\nurl=  http://a.example/  \r\n", L"http://a.example/", L"", 0},
      {"[InternetShortcut]\r\nURL=http://b.example/\r\nIconIndex=abc\r\nIconFile=C:\\b.ico\r\n", L"http://b.example/",
       L"C:\\b.ico", 0},
      {"[InternetShortcut]\r\nIconIndex=12.5\r\n", L"", L"", 12},
      {"[Other]\r\nURL=http://c.example/\r\n", L"", L"", 0},
      {"", L"", L"", 0},
      {"\xFF\xFE\x00garbage\r\n[InternetShortcut\r\nURL\r\n=\r\n", L"", L"", 0},
  };
  int n = 0;
  for (const auto& c : cases) {
    const std::wstring path = dir / (std::to_wstring(n++) + L".url");
    ASSERT_TRUE(test::WriteFileBytes(path, std::string(c.bytes)));
    InternetShortcut read{L"old", L"old.ico", 9};
    EXPECT_TRUE(ReadInternetShortcut(path, read));
    EXPECT_EQ(read.url, c.url) << c.bytes;
    EXPECT_EQ(read.iconFile, c.iconFile) << c.bytes;
    EXPECT_EQ(read.iconIndex, c.iconIndex) << c.bytes;
  }
}

TEST(ReadInternetShortcut, NothingHappensWithoutAFile) {
  TempFolder dir;
  InternetShortcut read{L"kept", L"kept.ico", 7};
  EXPECT_FALSE(ReadInternetShortcut(L"", read));
  EXPECT_FALSE(ReadInternetShortcut(dir / L"missing.url", read));
  EXPECT_FALSE(ReadInternetShortcut(dir.Path(), read));
  EXPECT_EQ(read.url, L"kept");
  EXPECT_EQ(read.iconIndex, 7);
}

TEST(ReadInternetShortcut, LongUrlsAreCutTo511Bytes) {
  TempFolder dir;
  const std::wstring path = dir / L"long.url";
  const std::wstring url = L"http://example.com/" + std::wstring(300, L'長');
  ASSERT_TRUE(test::WriteFileBytes(path, "[InternetShortcut]\r\nURL=" + ToAnsiBytes(url) + "\r\n"));
  InternetShortcut read;
  ASSERT_TRUE(ReadInternetShortcut(path, read));
  EXPECT_EQ(AnsiByteCount(read.url), 511u);
  EXPECT_EQ(read.url, url.substr(0, 19 + 246));
}

TEST(WriteInternetShortcut, CharactersOutsideTheAnsiCodePageAreSubstituted) {
  TempFolder dir;
  const std::wstring path = dir / L"korean.url";
  const std::wstring url = L"http://example.com/한국";
  ASSERT_TRUE(WriteInternetShortcut(path, url, L"", 0));
  EXPECT_EQ(Lines(path), (LineList{"[InternetShortcut]", "URL=" + ToAnsiBytes(url)}));
  InternetShortcut read;
  ASSERT_TRUE(ReadInternetShortcut(path, read));
  EXPECT_EQ(read.url, FromAnsiBytes(ToAnsiBytes(url)));
}

}  // namespace
}  // namespace pelmora
