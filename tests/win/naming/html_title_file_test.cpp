#include <gtest/gtest.h>

#include "encoded_pages.h"
#include "naming/japanese_text_file.h"
#include "naming/target_readers.h"
#include "reader_test.h"

namespace pelmora {
namespace {

class HtmlTitleFile : public test::ReaderTest {};

TEST_F(HtmlTitleFile, LocalFilesInEveryEncoding) {
  test::TempFolder dir;
  const std::wstring path = dir / L"ページ.htm";
  for (const auto& page : test::kEncodedTitles) {
    SCOPED_TRACE(page.encoding);
    ASSERT_TRUE(test::WriteFileBytes(path, test::PageWithTitle(page.bytes)));
    EXPECT_EQ(ReadHtmlTitle(path, Limits().htmlBuffer), test::kJapaneseTitle);
    EXPECT_FALSE(test::FileExists(Temp(L"~pelm.tmp")));
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

TEST_F(HtmlTitleFile, MissingEmptyAndUntitledFilesGiveNoTitle) {
  test::TempFolder dir;
  EXPECT_EQ(ReadHtmlTitle(dir / L"missing.htm", Limits().htmlBuffer), L"");
  ASSERT_TRUE(test::WriteFileBytes(dir / L"empty.htm", ""));
  std::wstring converted;
  EXPECT_FALSE(ConvertTextFile(dir / L"empty.htm", converted));
  EXPECT_EQ(ReadHtmlTitle(dir / L"empty.htm", Limits().htmlBuffer), L"");
  ASSERT_TRUE(test::WriteFileBytes(dir / L"INDEX.Htm", "<html><body>no title</body></html>"));
  EXPECT_EQ(ReadHtmlTitle(dir / L"INDEX.Htm", Limits().htmlBuffer), L"");
  EXPECT_FALSE(test::FileExists(Temp(L"~pelm.tmp")));
}

TEST_F(HtmlTitleFile, AFolderNamedLikeTheCopyIsLeftAndTheFileReadAsItIs) {
  test::TempFolder dir;
  ASSERT_TRUE(CreateDirectoryW(Temp(L"~pelm.tmp").c_str(), nullptr));
  ASSERT_TRUE(test::WriteFileBytes(dir / L"sjis.htm", test::PageWithTitle(test::kEncodedTitles[0].bytes)));
  std::wstring converted;
  EXPECT_FALSE(ConvertTextFile(dir / L"sjis.htm", converted));
  EXPECT_EQ(converted, Temp(L"~pelm.tmp"));
  // Shift-JIS is what the reader expects, so the unconverted file still gives its title.
  EXPECT_EQ(ReadHtmlTitle(dir / L"sjis.htm", Limits().htmlBuffer), test::kJapaneseTitle);
  EXPECT_NE(GetFileAttributesW(Temp(L"~pelm.tmp").c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

}  // namespace
}  // namespace pelmora
