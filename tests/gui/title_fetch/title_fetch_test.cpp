// The page title fetch runs while the window stays fully usable: nothing acts on the
// half-finished name, a new target or a typed name gives the fetch up, and the dialog keys work.
#include <gtest/gtest.h>

#include <memory>

#include "app/main_window_controls.h"
#include "app/message_loop.h"
#include "naming/derive_name.h"
#include "resource.h"
#include "support/win/data_object.h"
#include "support/win/gui_driver.h"
#include "support/win/http_test_server.h"
#include "support/win/main_window_fixture.h"
#include "support/win/test_env.h"
#include "win/system.h"

namespace pelmora {
namespace {

using test::HttpTestServer;
using test::MainWindowSession;
using test::TextOf;
using Behaviour = HttpTestServer::Behaviour;

using test::SettingsFile;

class TitleFetch : public testing::Test {
 protected:
  void SetUp() override {
    DeleteFileW(SettingsFile().c_str());
    temp_ = std::make_unique<test::PrivateTempFolder>(L"fetch");
    Store(L"GetUrlTitle", L"1");
  }
  void TearDown() override {
    temp_.reset();
    DeleteFileW(SettingsFile().c_str());
  }
  void Store(const wchar_t* key, const wchar_t* value) {
    WritePrivateProfileStringW(L"GENERAL", key, value, SettingsFile().c_str());
  }
  std::wstring Name(MainWindowSession& s) { return TextOf(s.Control(IDC_TXT_SHORTCUTNAME)); }

  // Runs the window's messages as the program does, except the ends of title fetches: those
  // stay queued, as when the user acts before the window has taken an end in.
  static void PumpKeepingFetchEnds(MainWindowSession& s) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, kTitleFetchedMessage - 1, PM_REMOVE) ||
           PeekMessageW(&msg, nullptr, kTitleFetchedMessage + 1, 0xFFFFFFFF, PM_REMOVE)) {
      if (msg.message != WM_QUIT) DispatchProgramMessage(s.Handle(), msg);
    }
  }
  static void DropKeepingFetchEnds(MainWindowSession& s, IDataObject* data) {
    test::DropOn(s.DropTarget(), data);
    data->Release();
    PumpKeepingFetchEnds(s);
  }
  static bool FetchEndQueued(MainWindowSession& s) {
    MSG msg;
    return PeekMessageW(&msg, s.Handle(), kTitleFetchedMessage, kTitleFetchedMessage, PM_NOREMOVE);
  }
  static bool WaitForAFetchEnd(MainWindowSession& s) {
    const ULONGLONG end = GetTickCount64() + 30000;
    while (!FetchEndQueued(s) && GetTickCount64() < end) {
      PumpKeepingFetchEnds(s);
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return FetchEndQueued(s);
  }

  std::unique_ptr<test::PrivateTempFolder> temp_;
};

TEST_F(TitleFetch, CreatingWaitsUntilTheNameIsReal) {
  Store(L"ConnectTimeOut", L"1");
  Store(L"ReceiveTimeOut", L"1");
  HttpTestServer silent(Behaviour::NeverAnswer);
  ASSERT_TRUE(silent.Started());
  MainWindowSession s;
  s.SetBox(IDC_CHK_WHERE + 0, true);
  s.Drop(test::MakeTextDrop(silent.Url(L"/page")));
  ASSERT_TRUE(s.FetchingTitle());
  EXPECT_EQ(Name(s), kFetchingTitleText);
  EXPECT_FALSE(test::IsEnabled(s.Control(IDC_BTN_CREATE)));
  // Neither the button nor Enter makes a shortcut named after the progress text.
  test::ScriptedMessageBoxes boxes;
  test::Click(s.Control(IDC_BTN_CREATE));
  SendMessageW(s.Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  EXPECT_TRUE(boxes.Asks().empty());
  EXPECT_FALSE(test::FileExists(s.Folders().desktop + L"\\" + kFetchingTitleText + L".url"));

  // The silent server costs the two time-outs; then the name is the failure text, and 作成 works.
  ASSERT_TRUE(s.WaitWhileFetching());
  EXPECT_EQ(Name(s), kTitleFetchFailedText);
  EXPECT_TRUE(test::IsEnabled(s.Control(IDC_BTN_CREATE)));
}

TEST_F(TitleFetch, ANewTargetGivesTheRunningFetchUp) {
  HttpTestServer silent(Behaviour::NeverAnswer);
  HttpTestServer first(Behaviour::Serve, "<html><title>一番目</title></html>");
  HttpTestServer slow(Behaviour::Trickle, "<title>二番目</title>");
  ASSERT_TRUE(silent.Started() && first.Started() && slow.Started());
  test::TempFolder dir;
  const std::wstring file = dir / L"メモ.txt";
  ASSERT_TRUE(test::WriteFileBytes(file, "memo"));

  MainWindowSession s;
  s.Drop(test::MakeTextDrop(silent.Url()));
  ASSERT_TRUE(s.FetchingTitle());
  s.Drop(test::MakeFileDrop({file}));
  EXPECT_FALSE(s.FetchingTitle());
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_LNKPATH)), file);
  EXPECT_EQ(Name(s), L"メモ");

  // A fetch that ended just before the next target came has its end posted already: that end
  // is dropped, and the name waits for the next page, which comes slowly.
  DropKeepingFetchEnds(s, test::MakeTextDrop(first.Url()));
  ASSERT_TRUE(WaitForAFetchEnd(s));
  DropKeepingFetchEnds(s, test::MakeTextDrop(slow.Url()));
  ASSERT_TRUE(FetchEndQueued(s));
  EXPECT_TRUE(s.FetchingTitle());
  ASSERT_TRUE(s.WaitWhileFetching());
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_LNKPATH)), slow.Url());
  EXPECT_EQ(Name(s), L"二番目");
}

TEST_F(TitleFetch, ANameTypedMeanwhileIsKept) {
  HttpTestServer silent(Behaviour::NeverAnswer);
  ASSERT_TRUE(silent.Started());
  MainWindowSession s;
  s.SetBox(IDC_CHK_WHERE + 0, true);
  s.Drop(test::MakeTextDrop(silent.Url()));
  test::Type(s.Control(IDC_TXT_SHORTCUTNAME), L"自分の名前");
  EXPECT_FALSE(s.FetchingTitle());
  EXPECT_TRUE(test::IsEnabled(s.Control(IDC_BTN_CREATE)));
  EXPECT_EQ(Name(s), L"自分の名前");
}

TEST_F(TitleFetch, TheDialogKeysWorkMeanwhile) {
  HttpTestServer silent(Behaviour::NeverAnswer);
  ASSERT_TRUE(silent.Started());
  MainWindowSession s;
  s.Drop(test::MakeTextDrop(silent.Url()));
  ASSERT_TRUE(s.FetchingTitle());
  HWND target = s.Control(IDC_TXT_LNKPATH);
  SetFocus(target);
  PostMessageW(target, WM_KEYDOWN, VK_TAB, 0);
  PostMessageW(target, WM_KEYUP, VK_TAB, 0);
  s.PumpLikeTheProgram();
  EXPECT_NE(GetFocus(), target);
  EXPECT_TRUE(s.FetchingTitle());
}

TEST_F(TitleFetch, ClosingEndsTheFetchAtOnce) {
  // With the default time-outs the silent server would hold a waiting close for 15 seconds.
  HttpTestServer silent(Behaviour::NeverAnswer);
  ASSERT_TRUE(silent.Started());
  MainWindowSession s;
  s.Drop(test::MakeTextDrop(silent.Url()));
  ASSERT_TRUE(s.FetchingTitle());
  SendMessageW(s.Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(s.IsOpen());
}

}  // namespace
}  // namespace pelmora
