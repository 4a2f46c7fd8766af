#include <gtest/gtest.h>

#include "encoded_pages.h"
#include "naming/target_readers.h"
#include "reader_test.h"
#include "support/utf16_text.h"

namespace pelmora {
namespace {

class HtmlTitleFile : public test::ReaderTest {};

TEST_F(HtmlTitleFile, LocalFilesInEveryEncoding) {
  test::TempFolder dir;
  const std::wstring path = dir / L"ページ.htm";
  PutOthersTempEntries();
  for (const auto& page : test::kEncodedTitles) {
    SCOPED_TRACE(page.encoding);
    ASSERT_TRUE(test::WriteFileBytes(path, test::PageWithTitle(page.bytes)));
    EXPECT_EQ(ReadHtmlTitle(path, Limits().htmlBuffer), test::kJapaneseTitle);
    ExpectOthersTempEntriesKept();
  }
  ASSERT_TRUE(test::WriteFileBytes(path, test::Utf16PageWithTitle(test::kTitleUtf16le)));
  EXPECT_EQ(ReadHtmlTitle(path, Limits().htmlBuffer), test::kJapaneseTitle);

  const std::string page = test::PageWithTitle("Title");  // its closing tag ends at byte 36
  ASSERT_TRUE(test::WriteFileBytes(path, page));
  settings_.HtmlBuffer = 36;
  EXPECT_EQ(ReadHtmlTitle(path, Limits().htmlBuffer), L"Title");
  settings_.HtmlBuffer = 35;
  EXPECT_EQ(ReadHtmlTitle(path, Limits().htmlBuffer), L"");
}

TEST_F(HtmlTitleFile, TitlesKeepEveryCharacterWhateverTheEncoding) {
  struct Case {
    const char* what;
    std::string page;
    std::wstring title;
    int htmlBuffer;  // 0: the default
  } cases[] = {
      {"Shift-JIS half-width kana", test::PageWithTitle("\xce\xb0\xd1\xcd\xdf\xb0\xbc\xde"), L"ﾎｰﾑﾍﾟｰｼﾞ", 0},
      {"EUC-JP half-width kana",
       test::PageWithTitle("\x8e\xce\x8e\xb0\x8e\xd1\x8e\xcd\x8e\xdf\x8e\xb0\x8e\xbc\x8e\xde"), L"ﾎｰﾑﾍﾟｰｼﾞ", 0},
      {"UTF-8 with one bad byte", test::PageWithTitle("\xe6\x97\xa5\x80\xe6\x9c\xac\xe8\xaa\x9e"), L"日\xFFFD本語", 0},
      {"UTF-8 cut by the buffer after the title", "<title>\xe6\x97\xa5</title>\xe6\x9c\xac", L"日", 19},
      {"UTF-16 ending right after the closing tag", "\xff\xfe" + test::EncodeUtf16(u"<title>日本</title>", false), L"日本", 0},
      {"UTF-8 beyond Shift-JIS", test::PageWithTitle("Caf\xc3\xa9 \xe2\x98\x83 \xe9\xa1\x94\xf0\x9f\x98\x80"),
       L"Café ☃ 顔😀", 0},
      {"UTF-16 beyond Shift-JIS", "\xff\xfe" + test::EncodeUtf16(u"<title>Café ☃ 顔😀</title>", false), L"Café ☃ 顔😀", 0},
      {"control characters", test::PageWithTitle("A\x01" "B\x1b" "C\x7f"), L"ABC", 0},
  };
  test::TempFolder dir;
  const std::wstring path = dir / L"page.html";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(test::WriteFileBytes(path, c.page));
    settings_.HtmlBuffer = c.htmlBuffer;
    EXPECT_EQ(ReadHtmlTitle(path, Limits().htmlBuffer), c.title);
  }
}

TEST_F(HtmlTitleFile, MissingEmptyAndUntitledFilesGiveNoTitle) {
  test::TempFolder dir;
  EXPECT_EQ(ReadHtmlTitle(dir / L"missing.htm", Limits().htmlBuffer), L"");
  ASSERT_TRUE(test::WriteFileBytes(dir / L"empty.htm", ""));
  EXPECT_EQ(ReadHtmlTitle(dir / L"empty.htm", Limits().htmlBuffer), L"");
  ASSERT_TRUE(test::WriteFileBytes(dir / L"INDEX.Htm", "<html><body>no title</body></html>"));
  EXPECT_EQ(ReadHtmlTitle(dir / L"INDEX.Htm", Limits().htmlBuffer), L"");
}

}  // namespace
}  // namespace pelmora
