#include "win/system.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <tlhelp32.h>

#include "text/code_page.h"
#include "text/text_rules.h"
#include "win/handles.h"
#include "win/launch.h"
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
  // A typed folder: its blanks go; a file or a missing folder gives nothing.
  EXPECT_EQ(ExistingFolder(L"  " + hidden + L" "), hidden);
  EXPECT_EQ(ExistingFolder(dir / L"a.txt"), L"");
  EXPECT_EQ(ExistingFolder(dir / L"missing"), L"");
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
  // The shell's icons are there to count; a missing file holds none.
  EXPECT_GT(IconCount(system + L"shell32.dll"), 30);
  EXPECT_EQ(IconCount(system + L"no such file.dll"), 0);
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

// The processes this one started.
std::vector<DWORD> ChildProcesses() {
  std::vector<DWORD> children;
  const win::FileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = snapshot && Process32FirstW(snapshot.get(), &entry); more;
       more = Process32NextW(snapshot.get(), &entry))
    if (entry.th32ParentProcessID == GetCurrentProcessId()) children.push_back(entry.th32ProcessID);
  return children;
}

// Explorer comes from the Windows folder, never from a copy planted beside the program or in the
// current folder, where the search path would look first.
TEST(LaunchExplorer, NeverStartsAPlantedCopy) {
  const std::wstring planted = ProgramFolder() + L"explorer.exe";
  ASSERT_EQ(GetPathKind(planted), PathKind::File) << "the planted copy is built beside the tests";
  TempFolder dir(L"planted");
  ASSERT_TRUE(CopyFileW(planted.c_str(), (dir / L"explorer.exe").c_str(), FALSE));
  // A window first: the system's own desktop process, should it start for this one, is then
  // already there and is not taken for the one the launch starts.
  DestroyWindow(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
  const std::vector<DWORD> before = ChildProcesses();
  wchar_t previous[MAX_PATH * 2] = {};
  GetCurrentDirectoryW(static_cast<DWORD>(std::size(previous)), previous);
  ASSERT_TRUE(SetCurrentDirectoryW(dir.Path().c_str()));
  const bool started = LaunchExplorer(L"\"" + dir.Path() + L"\"");
  SetCurrentDirectoryW(previous);
  ASSERT_TRUE(started);

  std::wstring image;
  for (int waited = 0; image.empty() && waited < 20000; waited += 20) {
    for (const DWORD id : ChildProcesses()) {
      if (std::find(before.begin(), before.end(), id) != before.end()) continue;
      const win::FileHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE, id));
      wchar_t name[MAX_PATH * 2] = {};
      DWORD size = static_cast<DWORD>(std::size(name));
      if (!process || !QueryFullProcessImageNameW(process.get(), 0, name, &size)) continue;
      if (!EndsWith(ToUpper(name), L"\\EXPLORER.EXE")) continue;
      TerminateProcess(process.get(), 0);
      image = ToUpper(name);
      break;
    }
    if (image.empty()) Sleep(20);
  }
  // The Windows folder's explorer.exe, which Wine runs from its System folder.
  EXPECT_TRUE(image == ToUpper(GetWindowsFolder() + L"explorer.exe") ||
              image == ToUpper(GetSystemFolder() + L"explorer.exe"))
      << testing::PrintToString(image);
  EXPECT_EQ(ExplorerProgram(), GetWindowsFolder() + L"explorer.exe");
}

}  // namespace
}  // namespace pelmora
