#include "shortcut/shell_link.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include "app/code_page.h"
#include "support/lnk_reader.h"
#include "support/win/test_env.h"

namespace pelmora {
namespace {

using test::ReadLnkFile;
using test::TempFolder;

class ShellLinkTest : public ::testing::Test {
 protected:
  void SetUp() override { test::InitWindowsOnce(); }

  std::optional<test::LnkFile> ReadBack(const std::wstring& link) { return ReadLnkFile(test::ReadFileBytes(link)); }

  // The show command is written into the file, but Wine's shell link does not load it back.
  bool ShowCommandReadsBack() const { return !test::RunningUnderWine(); }

  ShellLink shellLink_;
  TempFolder dir_{L"lnk"};
};

// Targets whose names the ANSI code page cannot hold must survive the round trip whole.
TEST_F(ShellLinkTest, WritesAndReadsBackEveryField) {
  const struct {
    const wchar_t* folder;  // the target folder, created for real
    int showCmd;
  } cases[] = {
      {L"Tools", SW_SHOWNORMAL},
      {L"道具箱", SW_SHOWMINNOACTIVE},
      {L"Café", SW_SHOWMAXIMIZED},
      {L"Smile 😀", SW_SHOWMINNOACTIVE},
  };
  bool wineSkips = false;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.folder);
    const std::wstring folder = dir_ / c.folder;
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring target = folder + L"\\app.exe";
    ASSERT_TRUE(test::WriteFileBytes(target, "MZ"));
    const std::wstring link = dir_ / (std::wstring(c.folder) + L".lnk");
    const std::wstring comment = std::wstring(L"comment for ") + c.folder;

    ASSERT_TRUE(shellLink_.CreateShellLink(link, target, folder, L"/x \"" + folder + L"\"", folder + L"\\icons.dll",
                                           4, c.showCmd, comment));

    const auto file = ReadBack(link);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->showCommand, static_cast<std::uint32_t>(c.showCmd));
    EXPECT_EQ(file->TargetPath(), target);
    EXPECT_EQ(file->iconIndex, 4);
    EXPECT_EQ(file->name, comment);
    EXPECT_EQ(file->workingDir, folder);
    EXPECT_EQ(file->arguments, L"/x \"" + folder + L"\"");
    EXPECT_EQ(file->iconLocation, folder + L"\\icons.dll");

    ShellLinkInfo info;
    ASSERT_TRUE(shellLink_.GetShellLinkInfo(link, info));
    if (!test::RunningUnderWine() || FromAnsiBytes(ToAnsiBytes(target)) == target) {
      EXPECT_EQ(info.target, target);
    } else {
      wineSkips = true;
    }
    EXPECT_EQ(info.workingFolder, folder);
    EXPECT_EQ(info.arguments, L"/x \"" + folder + L"\"");
    EXPECT_EQ(info.iconFile, folder + L"\\icons.dll");
    EXPECT_EQ(info.iconIndex, 4);
    EXPECT_EQ(info.comment, comment);
    if (ShowCommandReadsBack()) {
      EXPECT_EQ(info.showCommand, c.showCmd);
    } else {
      wineSkips = true;
    }
  }
  if (wineSkips)
    GTEST_SKIP() << "Wine's shell link loads neither the show command nor a target outside the ANSI code page back "
                    "(it keeps the target only in the ANSI local path); the file's bytes were checked";
}

TEST_F(ShellLinkTest, EmptyOptionalFieldsStayUnsetAndAnEmptyCommentClearsTheOldOne) {
  const std::wstring target = dir_ / L"target.txt";
  ASSERT_TRUE(test::WriteFileBytes(target, "x"));
  const std::wstring link = dir_ / L"plain.lnk";
  ASSERT_TRUE(shellLink_.CreateShellLink(link, target, dir_.Path(), L"-a", target, 1, SW_SHOWNORMAL, L"old comment"));
  ASSERT_TRUE(shellLink_.CreateShellLink(link, target, L"", L"", L"", 9, SW_SHOWNORMAL, L""));

  const auto file = ReadBack(link);
  ASSERT_TRUE(file);
  EXPECT_FALSE(file->workingDir);
  EXPECT_FALSE(file->arguments);
  EXPECT_EQ(file->name.value_or(L""), L"");

  ShellLinkInfo info;
  info.comment = L"stale";
  ASSERT_TRUE(shellLink_.GetShellLinkInfo(link, info));
  EXPECT_EQ(info.target, target);
  EXPECT_EQ(info.comment, L"");
  EXPECT_EQ(info.arguments, L"");
  EXPECT_EQ(info.workingFolder, L"");

  if (test::RunningUnderWine())
    GTEST_SKIP() << "Wine's Resolve gives a link without an icon its target as icon location";
  EXPECT_FALSE(file->iconLocation);
  EXPECT_EQ(info.iconFile, L"");
}

// Values longer than 255 characters are read back whole, so a form that re-saves them keeps them.
TEST_F(ShellLinkTest, LongArgumentsAndCommentsReadBackWhole) {
  const std::wstring target = dir_ / L"long.txt";
  ASSERT_TRUE(test::WriteFileBytes(target, "x"));
  std::wstring arguments, comment;
  for (int i = 0; i < 60; ++i) arguments += L"--opt" + std::to_wstring(i) + L" ";
  for (int i = 0; i < 80; ++i) comment += L"説明文" + std::to_wstring(i);
  ASSERT_GT(arguments.size(), 255u);
  ASSERT_GT(comment.size(), 255u);
  ASSERT_LT(comment.size(), static_cast<size_t>(INFOTIPSIZE));
  const std::wstring link = dir_ / L"long.lnk";
  ASSERT_TRUE(shellLink_.CreateShellLink(link, target, L"", arguments, L"", 0, SW_SHOWNORMAL, comment));

  ShellLinkInfo info;
  ASSERT_TRUE(shellLink_.GetShellLinkInfo(link, info));
  EXPECT_EQ(info.arguments, arguments);
  EXPECT_EQ(info.comment, comment);
}

TEST_F(ShellLinkTest, FailuresAreReportedByTheFlagOnly) {
  const std::wstring target = dir_ / L"t.txt";
  ASSERT_TRUE(test::WriteFileBytes(target, "x"));
  test::ScriptedMessageBoxes boxes;

  EXPECT_FALSE(shellLink_.CreateShellLink(dir_ / L"no such folder\\a.lnk", target, L"", L"", L"", 0, 5, L""));
  EXPECT_FALSE(test::FileExists(dir_ / L"no such folder\\a.lnk"));
  EXPECT_FALSE(shellLink_.CreateShellLink(dir_ / L"empty.lnk", L"", L"", L"", L"", 0, 5, L""));
  EXPECT_FALSE(test::FileExists(dir_ / L"empty.lnk"));
  EXPECT_FALSE(shellLink_.CreateShellLink(L"", target, L"", L"", L"", 0, 5, L""));

  ShellLinkInfo info;
  EXPECT_FALSE(shellLink_.GetShellLinkInfo(dir_ / L"missing.lnk", info));
  EXPECT_FALSE(shellLink_.GetShellLinkInfo(L"", info));
  ASSERT_TRUE(test::WriteFileBytes(dir_ / L"garbage.lnk", "not a shell link at all"));
  EXPECT_FALSE(shellLink_.GetShellLinkInfo(dir_ / L"garbage.lnk", info));
  EXPECT_TRUE(boxes.Asks().empty());
}

// The limit counts ANSI bytes: double-byte characters count twice.
TEST_F(ShellLinkTest, WriteShellLinkRefusesPathsLongerThan255Bytes) {
  const std::wstring target = dir_ / L"t.txt";
  ASSERT_TRUE(test::WriteFileBytes(target, "x"));
  const ShellLinkInfo values{target, dir_.Path(), L"", L"", 0, SW_SHOWMINNOACTIVE, L"c"};
  // Fill to exactly 255 bytes with double-byte characters (and one ASCII character for parity),
  // spread over a sub-folder and the name so that no single name grows too long for the disk.
  const std::size_t room = 255 - AnsiByteCount(dir_.Path()) - 2 - 4;
  const std::wstring folder = dir_.Path() + L"\\" + std::wstring(room / 4, L'長');
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  const std::size_t rest = room - 2 * (room / 4);
  const std::wstring name = std::wstring(rest / 2, L'短') + std::wstring(rest % 2, L'x');
  const std::wstring at255 = folder + L"\\" + name + L".lnk";
  ASSERT_EQ(AnsiByteCount(at255), 255u);
  const std::wstring at256 = folder + L"\\" + name + L"y.lnk";

  test::ScriptedMessageBoxes boxes;
  EXPECT_TRUE(shellLink_.WriteShellLink(at255, values));
  EXPECT_TRUE(boxes.Asks().empty());
  const auto file = ReadBack(at255);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->showCommand, static_cast<std::uint32_t>(SW_SHOWMINNOACTIVE));

  EXPECT_FALSE(shellLink_.WriteShellLink(at256, values));
  EXPECT_FALSE(test::FileExists(at256));
  ASSERT_EQ(boxes.Asks().size(), 1u);
  EXPECT_EQ(boxes.Asks()[0].text, L"ショートカットファイルのパスが長すぎます。\r\n\r\n" + at256);
  EXPECT_EQ(boxes.Asks()[0].style, static_cast<UINT>(MB_ICONEXCLAMATION | MB_OK));
  EXPECT_EQ(boxes.Asks()[0].style, 48u);
  EXPECT_EQ(boxes.Asks()[0].title, L"ペルモラ");
}

TEST_F(ShellLinkTest, OverwritesAnExistingLinkWithoutAsking) {
  const std::wstring first = dir_ / L"first.txt", second = dir_ / L"second.txt";
  ASSERT_TRUE(test::WriteFileBytes(first, "1"));
  ASSERT_TRUE(test::WriteFileBytes(second, "2"));
  const std::wstring link = dir_ / L"same.lnk";
  test::ScriptedMessageBoxes boxes;
  ASSERT_TRUE(shellLink_.WriteShellLink(link, {first, L"", L"", L"", 0, SW_SHOWNORMAL, L""}));
  ASSERT_TRUE(shellLink_.WriteShellLink(link, {second, L"", L"", L"", 0, SW_SHOWNORMAL, L""}));
  ShellLinkInfo info;
  ASSERT_TRUE(shellLink_.GetShellLinkInfo(link, info));
  EXPECT_EQ(info.target, second);
  EXPECT_TRUE(boxes.Asks().empty());
}

TEST_F(ShellLinkTest, SystemFolderLookupForwardsToTheShell) {
  std::wstring path = L"unchanged";
  ASSERT_TRUE(shellLink_.GetSystemFolderPath(nullptr, CSIDL_SENDTO, path));
  EXPECT_NE(path, L"unchanged");
  EXPECT_NE(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
  std::wstring untouched = L"unchanged";
  EXPECT_FALSE(shellLink_.GetSystemFolderPath(nullptr, 0x7FFF, untouched));
  EXPECT_EQ(untouched, L"unchanged");
}

}  // namespace
}  // namespace pelmora
