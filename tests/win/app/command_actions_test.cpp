// The window-less actions and the open-target action, run in this process; what they would
// start is recorded instead of started.
#include "app/command_actions.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include "app/command_line.h"
#include "app/open_link_target.h"
#include "shortcut/name_rules.h"
#include "shortcut/shell_link.h"
#include "url/internet_shortcut.h"
#include "win/shell_folders.h"
#include "support/win/test_env.h"

namespace pelmora {
namespace {

using test::TempFolder;

std::wstring Quoted(const std::wstring& folder) { return L"\"" + folder + L"\""; }

TEST(AutoCommand, WritesTheShortcutOrSaysWhyNot) {
  TempFolder dir(L"auto");
  ASSERT_TRUE(CreateDirectoryW((dir / L"taken.url").c_str(), nullptr));  // a folder of the name
  const std::wstring longTitle(250, L'x');
  const struct {
    std::wstring argument;
    std::wstring message;
    std::wstring file;  // inside dir; empty when nothing is written
    std::string url = "http://a.jp/";
  } cases[] = {
      {Quoted(dir.Path()) + L" http://a.jp/ Title", L"", L"Title.url"},
      {Quoted(dir.Path() + L"\\") + L" http://a.jp/ Slash", L"", L"Slash.url"},
      {Quoted(dir.Path()) + L" http://a.jp/x a/b:c?", L"", L"a／b：c？.url", "http://a.jp/x"},
      {Quoted(dir.Path()) + L" http://a.jp/x ", L"", L"http：／／a.jp／x.url", "http://a.jp/x"},
      {Quoted(dir.Path()) + L" http://a.jp/ CON", L"", L"CON_.url"},
      {Quoted(dir.Path()) + L" http://a.jp/ ..", L"", L"http：／／a.jp／.url"},
      {Quoted(dir.Path()) + L" http://a.jp/ ...", L"", L"http：／／a.jp／ (2).url"},
      {Quoted(dir.Path()) + L" http://a.jp/ taken", L"", L"taken (2).url"},
      {Quoted(dir.Path()) + L" http://a.jp/", kAutoUsageMessage, L""},
      {Quoted(dir.Path()) + L" mailto:a@b.jp t", kAutoBadUrlMessage, L""},
      {L" " + Quoted(dir.Path()) + L" http://a.jp/ t", kAutoBadUrlMessage, L""},
      {Quoted(dir / L"missing") + L" http://a.jp/ t", kAutoFolderMissingMessage, L""},
      {Quoted(dir / L"Title.url") + L" http://a.jp/ t", kAutoFolderMissingMessage, L""},
      {Quoted(dir.Path()) + L" http://a.jp/ " + longTitle, kAutoFailedMessage, L""},
      {Quoted(dir.Path()) + L" http://a.jp/ bad\x01name", L"", L"badname.url"},
      {L"x http://a.jp/ t", kAutoUsageMessage, L""},
  };
  test::ScriptedMessageBoxes boxes;
  for (const auto& c : cases) {
    const AutoOutcome outcome = AutoCommand(c.argument);
    EXPECT_EQ(outcome.message, c.message) << c.argument;
    EXPECT_EQ(outcome.path, c.file.empty() ? L"" : dir / c.file) << c.argument;
    if (!c.file.empty()) {
      EXPECT_EQ(test::ReadFileBytes(dir / c.file), "[InternetShortcut]\r\nURL=" + c.url + "\r\n") << c.argument;
    }
  }
  EXPECT_TRUE(boxes.Asks().empty()) << "the returning function shows nothing";
  EXPECT_FALSE(test::FileExists(dir / (longTitle + L".url")));
}

TEST(AutoCommand, NumbersATakenNameAndKeepsUnicodeWhole) {
  TempFolder dir(L"auto");
  const std::wstring argument = Quoted(dir.Path()) + L" http://a.jp/ Same";
  for (const wchar_t* file : {L"Same.url", L"Same (2).url", L"Same (3).url"})
    EXPECT_EQ(AutoCommand(argument).path, dir / file);

  const std::wstring url = L"http://例え.jp/한?q=é&e=😀";
  const AutoOutcome outcome = AutoCommand(Quoted(dir.Path()) + L" " + url + L" 한국 café 😀 ");
  EXPECT_EQ(outcome.path, dir / L"한국 café 😀.url");
  InternetShortcut read;
  ASSERT_TRUE(ReadInternetShortcut(outcome.path, read));
  EXPECT_EQ(read.url, url);
}

TEST(AutoCommand, NumberingGivesUpAfterTheLastNumber) {
  TempFolder dir(L"auto");
  for (int n = 1; n <= 3; ++n)
    ASSERT_EQ(WriteNumberedInternetShortcut(dir.Path(), L"t", L"http://a/", 3), NumberedShortcutPath(dir.Path(), L"t", n));
  EXPECT_EQ(WriteNumberedInternetShortcut(dir.Path(), L"t", L"http://a/", 3), L"");
  EXPECT_FALSE(test::FileExists(dir / L"t (4).url"));
  // Nothing is left behind when the file is claimed but cannot be written.
  EXPECT_EQ(WriteNumberedInternetShortcut(dir.Path(), L"e", L"   ", 3), L"");
  EXPECT_FALSE(test::FileExists(dir / L"e.url"));
}

TEST(AutoCommand, TheDesktopFormWritesOntoTheUsersDesktop) {
  std::wstring desktop;
  ASSERT_TRUE(GetSystemFolderPath(nullptr, CSIDL_DESKTOP, desktop));
  const std::wstring title = L"pelmora-auto-" + std::to_wstring(GetCurrentProcessId());
  const AutoOutcome outcome = AutoCommand(L" http://a.jp/ " + title);
  EXPECT_EQ(outcome.message, L"");
  EXPECT_EQ(outcome.path, desktop + L"\\" + title + L".url");
  EXPECT_TRUE(test::FileExists(outcome.path));
  DeleteFileW(outcome.path.c_str());
}

class LinkActions : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::WriteFileBytes(target_, "x"));
    ShellLinkInfo info;
    info.target = target_;
    ASSERT_TRUE(link_.CreateShellLink(dir_ / L"good.lnk", info));
    info.target = dir_ / L"gone.txt";
    ASSERT_TRUE(test::WriteFileBytes(info.target, "x"));
    ASSERT_TRUE(link_.CreateShellLink(dir_ / L"gone.LNK", info));
    DeleteFileW(info.target.c_str());
    ASSERT_TRUE(test::WriteFileBytes(dir_ / L"fake.lnk", "not a link"));
    ASSERT_TRUE(CopyFileW((dir_ / L"good.lnk").c_str(), (dir_ / L"link.txt").c_str(), TRUE));
  }
  TempFolder dir_{L"lnk"};
  std::wstring target_ = dir_ / L"対象 file.txt";
  ShellLink link_;
};

TEST_F(LinkActions, LnkOpensTheTargetsFolderOrSaysWhyNot) {
  const std::wstring explorer = L"Explorer.exe /select,\"" + target_ + L"\"";
  const struct {
    std::wstring argument;
    bool explorerStarts;
    std::wstring message;
    std::wstring launched;  // empty: nothing was started
  } cases[] = {
      {Quoted(dir_ / L"good.lnk"), true, L"", explorer},
      {dir_ / L"good.lnk", true, L"", explorer},
      {Quoted(dir_ / L"good.lnk"), false, kOpenParentFailedMessage, explorer},
      {Quoted(dir_ / L"gone.LNK"), true, kLinkTargetMissingMessage, L""},
      {Quoted(target_), true, kOpenParentFailedMessage, L""},
      {Quoted(dir_ / L"fake.lnk"), true, kOpenParentFailedMessage, L""},
      {Quoted(dir_ / L"link.txt"), true, kOpenParentFailedMessage, L""},  // a link, but not by its name
      {Quoted(dir_ / L"missing.lnk"), true, kOpenParentFailedMessage, L""},
  };
  for (const auto& c : cases) {
    test::RecordedLaunches launches(c.explorerStarts);
    EXPECT_EQ(LnkCommand(c.argument), c.message) << c.argument;
    const std::wstring launched = launches.Requests().empty() ? L"" : launches.Requests().front().text;
    EXPECT_EQ(launched, c.launched) << c.argument;
  }
}

TEST_F(LinkActions, OpenLinkTargetAsksBeforeTheBrowserAndNamesABadTarget) {
  using O = OpenLinkOutcome;
  const std::wstring kBrowserQuestion = L"ブラウザを起動してURLを開きますか？";
  const struct {
    std::wstring text;
    bool explorerStarts;
    int answer;
    O outcome;
    TargetKind kind;
    std::vector<std::pair<std::wstring, UINT>> asked;
    LaunchRequest::Kind launchKind;
    std::wstring launched;
  } cases[] = {
      {L"  " + target_ + L" ", true, 0, O::ExplorerStarted, TargetKind::File, {}, LaunchRequest::CommandLine,
       L"Explorer.exe /select,\"" + target_ + L"\""},
      {dir_.Path(), true, 0, O::ExplorerStarted, TargetKind::Folder, {}, LaunchRequest::CommandLine,
       L"Explorer.exe /select,\"" + dir_.Path() + L"\""},
      {dir_.Path(), false, 0, O::ExplorerFailed, TargetKind::Folder, {{kOpenParentFailedMessage, MB_ICONEXCLAMATION}},
       LaunchRequest::CommandLine, L"Explorer.exe /select,\"" + dir_.Path() + L"\""},
      {L"http://example.com/a", true, IDYES, O::BrowserOpened, TargetKind::Url, {{kBrowserQuestion, MB_ICONQUESTION | MB_YESNO}},
       LaunchRequest::Shell, L"http://example.com/a"},
      {L"http://example.com/a", true, IDNO, O::BrowserDeclined, TargetKind::Url, {{kBrowserQuestion, MB_ICONQUESTION | MB_YESNO}},
       LaunchRequest::Shell, L""},
      {dir_ / L"missing.txt", true, 0, O::InvalidTarget, TargetKind::Invalid, {{kInvalidTargetMessage, MB_ICONEXCLAMATION}},
       LaunchRequest::Shell, L""},
  };
  for (const auto& c : cases) {
    test::ScriptedMessageBoxes boxes({c.answer});
    test::RecordedLaunches launches(c.explorerStarts);
    const OpenLinkResult result = OpenLinkTarget(c.text);
    EXPECT_EQ(result.outcome, c.outcome) << c.text;
    EXPECT_EQ(result.kind, c.kind) << c.text;
    std::vector<std::pair<std::wstring, UINT>> asked;
    for (const auto& ask : boxes.Asks()) asked.emplace_back(ask.text, ask.style);
    EXPECT_EQ(asked, c.asked) << c.text;
    ASSERT_EQ(launches.Requests().size(), c.launched.empty() ? 0u : 1u) << c.text;
    if (!c.launched.empty()) {
      EXPECT_EQ(launches.Requests()[0].kind, c.launchKind) << c.text;
      EXPECT_EQ(launches.Requests()[0].text, c.launched) << c.text;
    }
  }
}

}  // namespace
}  // namespace pelmora
