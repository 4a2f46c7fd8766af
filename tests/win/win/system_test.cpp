#include "win/system.h"

#include <gtest/gtest.h>

#include "text/code_page.h"
#include "win/program_info.h"
#include "support/win/test_env.h"

namespace pelmora {
namespace {

using test::TempFolder;

TEST(Prefix, AnsiCodePageIsShiftJis) { EXPECT_EQ(GetACP(), 932u); }

TEST(CodePage, AnsiBytesCountDoubleByteCharactersTwice) {
  EXPECT_EQ(AnsiByteCount(L"abc"), 3u);
  EXPECT_EQ(AnsiByteCount(L"ショートカット"), 14u);
  EXPECT_EQ(AnsiByteCount(L"ｼｮｰﾄ"), 4u);  // half-width katakana are single bytes
}

// The version resource's first three numbers are the version the About box shows; the fourth is
// not part of it.
TEST(ProgramInfo, VersionAndCopyrightFromTheVersionResource) {
  const ProgramInfo info = ReadProgramInfo(ProgramFolder() + L"win_version_revision.exe");
  EXPECT_EQ(info.major, 2u);
  EXPECT_EQ(info.minor, 9u);
  EXPECT_EQ(info.revision, 3u);
  EXPECT_EQ(info.legalCopyright, L"Copyright (C) 2026 試験 ©");
  EXPECT_EQ(info.productName, L"ペルモラ試験版");
  const ProgramInfo none = ReadProgramInfo(ProgramFolder() + L"no such program.exe");
  EXPECT_EQ(none.major + none.minor + none.revision, 0u);
  EXPECT_EQ(none.legalCopyright, L"");
}

TEST(GetPathKind, FoldersFilesHiddenAndMissing) {
  TempFolder dir;
  const std::wstring hidden = dir / L"隠しフォルダ";
  ASSERT_TRUE(CreateDirectoryW(hidden.c_str(), nullptr));
  SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  ASSERT_TRUE(test::WriteFileBytes(dir / L"a.txt", "x"));
  SetFileAttributesW((dir / L"a.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);

  EXPECT_EQ(GetPathKind(hidden), PathKind::Folder);
  EXPECT_EQ(GetPathKind(hidden + L"\\"), PathKind::Folder);
  EXPECT_EQ(GetPathKind(dir / L"a.txt"), PathKind::File);
  EXPECT_EQ(GetPathKind(dir / L"missing"), PathKind::Missing);
  EXPECT_EQ(GetPathKind(L""), PathKind::Missing);
  EXPECT_EQ(GetPathKind(dir / L"*.txt"), PathKind::Missing);
}

TEST(EnsureFolderExists, CreatesMissingParentsAndAcceptsExisting) {
  TempFolder dir;
  const std::wstring deep = dir / L"一\\二\\Café";
  EXPECT_TRUE(EnsureFolderExists(deep));
  EXPECT_EQ(GetPathKind(deep), PathKind::Folder);
  EXPECT_TRUE(EnsureFolderExists(deep + L"\\"));
  ASSERT_TRUE(test::WriteFileBytes(dir / L"file", "x"));
  EXPECT_FALSE(EnsureFolderExists(dir / L"file\\sub"));
  EXPECT_FALSE(EnsureFolderExists(L""));
}

TEST(SystemFolders, EndWithABackslash) {
  const std::wstring windows = GetWindowsFolder();
  const std::wstring system = GetSystemFolder();
  ASSERT_FALSE(windows.empty());
  EXPECT_EQ(windows.back(), L'\\');
  EXPECT_EQ(system.back(), L'\\');
  EXPECT_EQ(GetPathKind(system + L"shell32.dll"), PathKind::File);
  EXPECT_EQ(GetPlatformId(), 2);
}

TEST(ChooseIcon, TheSeamAnswersForThePerson) {
  SetIconChooserResponder([](std::wstring& path, int& index) {
    path = L"C:\\icons.dll";
    index = 7;
    return true;
  });
  std::wstring path = L"C:\\old.ico";
  int index = 0;
  EXPECT_TRUE(ChooseIcon(nullptr, path, index));
  EXPECT_EQ(path, L"C:\\icons.dll");
  EXPECT_EQ(index, 7);
  SetIconChooserResponder({});
}

}  // namespace
}  // namespace pelmora
