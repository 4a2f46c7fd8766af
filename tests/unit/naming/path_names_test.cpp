#include "naming/path_names.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(PathNames, FileNamesAndTheNamesMadeFromThem) {
  const struct {
    const wchar_t* path;
    const wchar_t* fileName;
    const wchar_t* extension;
    const wchar_t* nameWithExtCut;
    const wchar_t* nameWithoutExtCut;
  } cases[] = {
      {L"D:\\doc\\readme", L"readme", L"", L"readme", L"readme"},
      {L"D:\\a\\b.tar.gz", L"b.tar.gz", L"gz", L"b.tar", L"b.tar.gz"},
      {L"D:\\a\\b.", L"b.", L"", L"b", L"b."},
      {L"D:\\x\\Start.Lnk", L"Start.Lnk", L"Lnk", L"Start", L"Start"},  // shortcut files always lose it
      {L"D:\\x\\SITE.URL", L"SITE.URL", L"URL", L"SITE", L"SITE"},
      {L"D:\\x.dir\\file", L"file", L"", L"file", L"file"},
      {L"C:\\dir\\", L"", L"", L"", L""},
      {L"readme.txt", L"", L"", L"", L""},  // no "\" at all
      {L"", L"", L"", L"", L""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FileNameOf(c.path), c.fileName) << c.path;
    EXPECT_EQ(ExtensionOf(FileNameOf(c.path)), c.extension) << c.path;
    EXPECT_EQ(NameFromFileName(c.path, 1), c.nameWithExtCut) << c.path;
    EXPECT_EQ(NameFromFileName(c.path, 0), c.nameWithoutExtCut) << c.path;
  }
  EXPECT_EQ(ExtensionOf(L"a.b\\c"), L"b\\c");  // searched through the whole text
}

TEST(DeriveWorkingFolder, FolderOfAFileTargetOnly) {
  EXPECT_EQ(DeriveWorkingFolder(L"C:\\a.txt", TargetKind::File), L"C:\\");
  EXPECT_EQ(DeriveWorkingFolder(L"C:\\dir\\a.txt", TargetKind::File), L"C:\\dir");
  EXPECT_EQ(DeriveWorkingFolder(L"a.txt", TargetKind::File), L"");
  EXPECT_EQ(DeriveWorkingFolder(L"C:\\dir", TargetKind::Folder), L"");
  EXPECT_EQ(DeriveWorkingFolder(L"http://example.com/a\\b", TargetKind::Url), L"");
}

}  // namespace
}  // namespace pelmora
