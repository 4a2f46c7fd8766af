// The window-less actions and the open-target action, run in this process; what they would
// start is recorded instead of started.
#include "app/command_actions.h"

#include <gtest/gtest.h>

#include "text/code_page.h"

#include "app/command_line.h"
#include "app/open_link_target.h"
#include "shortcut/name_rules.h"
#include "shortcut/shell_link.h"
#include "support/win/test_env.h"

namespace pelmora {
namespace {

using test::TempFolder;

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

TEST(AutoCommand, NamesThatTheSystemWouldRefuseOrTakeForSomethingElse) {
  TempFolder dir(L"auto");
  ASSERT_TRUE(CreateDirectoryW((dir / L"taken.url").c_str(), nullptr));  // a folder of the name
  const std::wstring in = Quoted(dir.Path()) + L" http://a.jp/";
  const struct {
    std::wstring argument, message, file;
  } cases[] = {
      {in + L" taken", L"", L"taken (2).url"},
      {in + L" CON", L"", L"CON_.url"},
      {in + L" ..", L"", L"http：／／a.jp／.url"},
      {in + L" a/b:c?\x01", L"", L"a／b：c？.url"},
      {in + L" " + std::wstring(250, L'x'), kAutoFailedMessage, L""},
      {Quoted(dir / L"taken.url\\CON_.url") + L" http://a.jp/ t", kAutoFolderMissingMessage, L""},
  };
  test::ScriptedMessageBoxes boxes;
  for (const auto& c : cases) {
    const AutoOutcome outcome = AutoCommand(c.argument);
    EXPECT_EQ(outcome.message, c.message) << c.argument;
    EXPECT_EQ(outcome.path, c.file.empty() ? L"" : dir / c.file) << c.argument;
  }
  EXPECT_EQ(test::ReadFileBytes(dir / L"CON_.url"), "[InternetShortcut]\r\nURL=http://a.jp/\r\n");
  EXPECT_TRUE(boxes.Asks().empty()) << "the returning function shows nothing";
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
  // A path of up to 255 ANSI bytes is written, a longer one is not even claimed.
  const std::size_t room = 255 - AnsiByteCount(dir.Path() + L"\\.url");
  const std::wstring longest(room, L'x');
  EXPECT_EQ(WriteNumberedInternetShortcut(dir.Path(), longest, L"http://a/", 3), dir / (longest + L".url"));
  EXPECT_EQ(WriteNumberedInternetShortcut(dir.Path(), longest + L"x", L"http://a/", 3), L"");
  EXPECT_FALSE(test::FileExists(dir / (longest + L"x.url")));
}

class LinkActions : public ::testing::Test {
 protected:
  void SetUp() override {
    ShellLinkInfo info;
    for (const auto& [link, target] : {std::pair(L"good.lnk", target_), std::pair(L"gone.LNK", dir_ / L"gone.txt")}) {
      ASSERT_TRUE(test::WriteFileBytes(target, "x"));
      info.target = target;
      ASSERT_TRUE(ShellLink().CreateShellLink(dir_ / link, info));
    }
    DeleteFileW((dir_ / L"gone.txt").c_str());
    ASSERT_TRUE(CopyFileW((dir_ / L"good.lnk").c_str(), (dir_ / L"link.txt").c_str(), TRUE));
  }
  TempFolder dir_{L"lnk"};
  std::wstring target_ = dir_ / L"対象 file.txt";
  std::wstring explorer_ = L"/select,\"" + target_ + L"\"";
};

TEST_F(LinkActions, LnkOpensTheTargetsFolderOrSaysWhyNot) {
  const struct {
    std::wstring argument;
    bool explorerStarts;
    std::wstring message, launched;  // launched empty: nothing was started
  } cases[] = {
      {Quoted(dir_ / L"good.lnk"), true, L"", explorer_},
      {dir_ / L"good.lnk", true, L"", explorer_},
      {Quoted(dir_ / L"good.lnk"), false, kOpenParentFailedMessage, explorer_},
      {Quoted(dir_ / L"gone.LNK"), true, kLinkTargetMissingMessage, L""},
      {Quoted(target_), true, kOpenParentFailedMessage, L""},
      {Quoted(dir_ / L"link.txt"), true, kOpenParentFailedMessage, L""},  // a link, but not by its name
  };
  for (const auto& c : cases) {
    test::RecordedLaunches launches(c.explorerStarts);
    EXPECT_EQ(LnkCommand(c.argument), c.message) << c.argument;
    EXPECT_EQ(launches.Requests().empty() ? L"" : launches.Requests()[0].text, c.launched) << c.argument;
  }
}

TEST_F(LinkActions, OpenLinkTargetAsksBeforeTheBrowserAndNamesABadTarget) {
  using O = OpenLinkOutcome;
  const std::wstring question = L"ブラウザを起動してURLを開きますか？";
  const struct {
    std::wstring text;
    bool explorerStarts;
    int answer;
    O outcome;
    std::wstring asked;
    UINT style;
    std::wstring launched;
  } cases[] = {
      {L" " + target_ + L" ", true, 0, O::ExplorerStarted, L"", 0, explorer_},
      {dir_.Path(), false, 0, O::ExplorerFailed, kOpenParentFailedMessage, MB_ICONEXCLAMATION,
       L"/select,\"" + dir_.Path() + L"\""},
      {L"http://example.com/a", true, IDYES, O::BrowserOpened, question, MB_ICONQUESTION | MB_YESNO, L"http://example.com/a"},
      {L"http://example.com/a", true, IDNO, O::BrowserDeclined, question, MB_ICONQUESTION | MB_YESNO, L""},
      {dir_ / L"missing.txt", true, 0, O::InvalidTarget, kInvalidTargetMessage, MB_ICONEXCLAMATION, L""},
  };
  for (const auto& c : cases) {
    test::ScriptedMessageBoxes boxes({c.answer});
    test::RecordedLaunches launches(c.explorerStarts);
    EXPECT_EQ(OpenLinkTarget(nullptr, c.text).outcome, c.outcome) << c.text;
    EXPECT_EQ(boxes.Asks().empty() ? L"" : boxes.Asks()[0].text, c.asked) << c.text;
    EXPECT_EQ(boxes.Asks().empty() ? 0 : boxes.Asks()[0].style, c.style) << c.text;
    EXPECT_EQ(launches.Requests().empty() ? L"" : launches.Requests()[0].text, c.launched) << c.text;
  }
}

}  // namespace
}  // namespace pelmora
