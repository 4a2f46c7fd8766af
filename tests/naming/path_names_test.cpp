#include "naming/path_names.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(PathNames, FileNameAndExtension) {
  const struct {
    const wchar_t* path;
    const wchar_t* fileName;
    const wchar_t* extension;  // of the file name
    const wchar_t* withoutExtension;
  } cases[] = {
      {L"C:\\Windows", L"Windows", L"", L"Windows"},
      {L"D:\\doc\\readme", L"readme", L"", L"readme"},
      {L"D:\\a\\b.tar.gz", L"b.tar.gz", L"gz", L"b.tar"},
      {L"D:\\a\\b.", L"b.", L"", L"b"},
      {L"D:\\x\\Start.Lnk", L"Start.Lnk", L"Lnk", L"Start"},
      {L"D:\\x.dir\\file", L"file", L"", L"file"},
      {L"C:\\dir\\", L"", L"", L""},
      {L"C:\\", L"", L"", L""},
      {L"readme.txt", L"", L"", L""},  // no "\" at all
      {L"", L"", L"", L""},
      {L"\\\\SERVER\\SHARE\\.profile", L".profile", L"profile", L""},
  };
  for (const auto& c : cases) {
    const std::wstring name = FileNameOf(c.path);
    EXPECT_EQ(name, c.fileName) << c.path;
    EXPECT_EQ(ExtensionOf(name), c.extension) << c.path;
    EXPECT_EQ(WithoutExtension(name), c.withoutExtension) << c.path;
  }
  EXPECT_EQ(ExtensionOf(L"a.b\\c"), L"b\\c");  // searched through the whole text
}

TEST(PathNames, NameFromFileNameKeepsOrDropsTheExtension) {
  const struct {
    const wchar_t* target;
    int extCut;
    const wchar_t* name;
  } cases[] = {
      {L"D:\\doc\\readme", 1, L"readme"},
      {L"D:\\a\\b.tar.gz", 1, L"b.tar"},
      {L"D:\\a\\b.tar.gz", 0, L"b.tar.gz"},
      {L"D:\\a\\b.", 1, L"b"},
      {L"D:\\x\\Start.Lnk", 0, L"Start"},  // a shortcut file always loses it
      {L"D:\\x\\Site.url", 0, L"Site"},
      {L"D:\\x\\SITE.URL", 1, L"SITE"},
      {L"D:\\x\\INDEX.Htm", 1, L"INDEX"},
      {L"D:\\x\\INDEX.Htm", 0, L"INDEX.Htm"},
      {L"D:\\x\\notes.lnk.txt", 0, L"notes.lnk.txt"},
  };
  for (const auto& c : cases) EXPECT_EQ(NameFromFileName(c.target, c.extCut), c.name) << c.target << " " << c.extCut;
}

TEST(PathNames, DriveRoots) {
  EXPECT_TRUE(IsDriveRoot(L"C:\\"));
  EXPECT_TRUE(IsDriveRoot(L"z:\\"));
  EXPECT_FALSE(IsDriveRoot(L"C:"));
  EXPECT_FALSE(IsDriveRoot(L"C:\\dir"));
  EXPECT_FALSE(IsDriveRoot(L"\\\\"));
}

TEST(DeriveWorkingFolder, FolderOfAFileTarget) {
  EXPECT_EQ(DeriveWorkingFolder(L"C:\\a.txt", TargetKind::File), L"C:\\");
  EXPECT_EQ(DeriveWorkingFolder(L"C:\\dir\\a.txt", TargetKind::File), L"C:\\dir");
  EXPECT_EQ(DeriveWorkingFolder(L"\\\\SERVER\\SHARE\\a.txt", TargetKind::File), L"\\\\SERVER\\SHARE");
  EXPECT_EQ(DeriveWorkingFolder(L"a.txt", TargetKind::File), L"");
  EXPECT_EQ(DeriveWorkingFolder(L"C:\\dir", TargetKind::Folder), L"");
  EXPECT_EQ(DeriveWorkingFolder(L"http://example.com/a\\b", TargetKind::Url), L"");
  EXPECT_EQ(DeriveWorkingFolder(L"C:\\dir\\a.txt", TargetKind::Invalid), L"");
}

}  // namespace
}  // namespace pelmora
