#include "shortcut/shell_link.h"

#include <gtest/gtest.h>

#include "support/lnk_reader.h"
#include "support/win/test_env.h"

namespace pelmora {
namespace {

using test::TempFolder;

class ShellLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::InitWindowsOnce();
    ASSERT_TRUE(test::WriteFileBytes(target_, "x"));
  }
  std::optional<test::LnkFile> ReadBack(const std::wstring& link) {
    return test::ReadLnkFile(test::ReadFileBytes(link));
  }

  ShellLink shellLink_;
  TempFolder dir_{L"lnk"};
  const std::wstring target_ = dir_ / L"target.txt";
};

// Names outside the ANSI code page (é, an emoji, simplified Chinese) must reach the file whole
// and come back whole, the target too.
TEST_F(ShellLinkTest, WritesAndReadsBackEveryField) {
  const struct {
    const wchar_t* folder;  // the target's folder, created for real
    int showCmd;
  } cases[] = {{L"Tools", SW_SHOWNORMAL},           {L"道具箱", SW_SHOWMINNOACTIVE}, {L"Café", SW_SHOWMAXIMIZED},
               {L"Smile 😀", SW_SHOWMINNOACTIVE}, {L"简体字 é", SW_SHOWNORMAL}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.folder);
    const std::wstring folder = dir_ / c.folder, target = folder + L"\\app.exe", icon = folder + L"\\icons.dll";
    const std::wstring arguments = L"/x \"" + folder + L"\"", comment = std::wstring(L"about ") + c.folder;
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    ASSERT_TRUE(test::WriteFileBytes(target, "MZ"));
    const std::wstring link = dir_ / (std::wstring(c.folder) + L".lnk");
    ASSERT_TRUE(shellLink_.CreateShellLink(link, target, folder, arguments, icon, 4, c.showCmd, comment));

    const auto file = ReadBack(link);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->TargetPath(), target);
    EXPECT_EQ(file->showCommand, static_cast<std::uint32_t>(c.showCmd));
    EXPECT_EQ(file->iconIndex, 4);
    EXPECT_EQ(file->name, comment);
    EXPECT_EQ(file->workingDir, folder);
    EXPECT_EQ(file->arguments, arguments);
    EXPECT_EQ(file->iconLocation, icon);

    ShellLinkInfo info;
    ASSERT_TRUE(shellLink_.GetShellLinkInfo(link, info));
    EXPECT_EQ(info.workingFolder, folder);
    EXPECT_EQ(info.arguments, arguments);
    EXPECT_EQ(info.iconFile, icon);
    EXPECT_EQ(info.iconIndex, 4);
    EXPECT_EQ(info.comment, comment);
    EXPECT_EQ(info.target, target);
  }
}

// The file holds the show command (checked above); loading it gives it back.
TEST_F(ShellLinkTest, TheShowCommandIsLoadedBack) {
  if (test::RunningUnderWine()) GTEST_SKIP() << "Wine's shell link does not load the show command back";
  for (int showCmd : {SW_SHOWNORMAL, SW_SHOWMINNOACTIVE, SW_SHOWMAXIMIZED}) {
    const std::wstring link = dir_ / (L"show" + std::to_wstring(showCmd) + L".lnk");
    ASSERT_TRUE(shellLink_.CreateShellLink(link, target_, L"", L"", L"", 0, showCmd, L""));
    ShellLinkInfo info;
    ASSERT_TRUE(shellLink_.GetShellLinkInfo(link, info));
    EXPECT_EQ(info.showCommand, showCmd);
  }
}

TEST_F(ShellLinkTest, EmptyOptionalFieldsStayUnsetAndAnEmptyCommentClearsTheOldOne) {
  const std::wstring link = dir_ / L"plain.lnk";
  ASSERT_TRUE(shellLink_.CreateShellLink(link, target_, dir_.Path(), L"-a", target_, 1, SW_SHOWNORMAL, L"old"));
  ASSERT_TRUE(shellLink_.CreateShellLink(link, target_, L"", L"", L"", 9, SW_SHOWNORMAL, L""));
  const auto file = ReadBack(link);
  ASSERT_TRUE(file);
  EXPECT_FALSE(file->workingDir);
  EXPECT_FALSE(file->arguments);
  EXPECT_EQ(file->name.value_or(L""), L"");
  ShellLinkInfo info;
  ASSERT_TRUE(shellLink_.GetShellLinkInfo(link, info));
  EXPECT_EQ(info.target, target_);
  EXPECT_EQ(info.comment, L"");
}

TEST_F(ShellLinkTest, ALinkWithoutAnIconNamesNone) {
  if (test::RunningUnderWine()) GTEST_SKIP() << "Wine's Resolve gives a link without an icon its target as icon";
  const std::wstring link = dir_ / L"no icon.lnk";
  ASSERT_TRUE(shellLink_.CreateShellLink(link, target_, dir_.Path(), L"-a", target_, 1, SW_SHOWNORMAL, L"old"));
  ASSERT_TRUE(shellLink_.CreateShellLink(link, target_, L"", L"", L"", 9, SW_SHOWNORMAL, L""));
  const auto file = ReadBack(link);
  ASSERT_TRUE(file);
  EXPECT_FALSE(file->iconLocation);
}

// A value longer than 255 characters comes back whole, so a form that re-saves it keeps it.
TEST_F(ShellLinkTest, LongArgumentsAndCommentsReadBackWhole) {
  std::wstring arguments, comment;
  for (int i = 0; i < 60; ++i) arguments += L"--opt" + std::to_wstring(i) + L" ";
  for (int i = 0; i < 80; ++i) comment += L"説明文" + std::to_wstring(i);
  ASSERT_GT(comment.size(), 255u);
  const std::wstring link = dir_ / L"long.lnk";
  ASSERT_TRUE(shellLink_.CreateShellLink(link, target_, L"", arguments, L"", 0, SW_SHOWNORMAL, comment));
  ShellLinkInfo info;
  ASSERT_TRUE(shellLink_.GetShellLinkInfo(link, info));
  EXPECT_EQ(info.arguments, arguments);
  EXPECT_EQ(info.comment, comment);
}

TEST_F(ShellLinkTest, FailuresAreReportedByTheFlagOnly) {
  test::ScriptedMessageBoxes boxes;
  EXPECT_FALSE(shellLink_.CreateShellLink(dir_ / L"no such folder\\a.lnk", target_, L"", L"", L"", 0, 5, L""));
  EXPECT_FALSE(shellLink_.CreateShellLink(dir_ / L"empty.lnk", L"", L"", L"", L"", 0, 5, L""));
  EXPECT_FALSE(test::FileExists(dir_ / L"empty.lnk"));
  ShellLinkInfo info;
  EXPECT_FALSE(shellLink_.GetShellLinkInfo(dir_ / L"missing.lnk", info));
  ASSERT_TRUE(test::WriteFileBytes(dir_ / L"garbage.lnk", "not a shell link at all"));
  EXPECT_FALSE(shellLink_.GetShellLinkInfo(dir_ / L"garbage.lnk", info));
  EXPECT_TRUE(boxes.Asks().empty());
}

// The limit counts ANSI bytes: double-byte characters count twice. An existing link is replaced.
}  // namespace
}  // namespace pelmora
