// The page title fetch runs while the window stays fully usable: nothing acts on the
// half-finished name, a new target or a typed name gives the fetch up, and the dialog keys work.
#include <gtest/gtest.h>

#include <memory>

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

std::wstring SettingsFile() { return ProgramFolder() + ProgramBaseName() + L".ini"; }

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
  void Drop(MainWindowSession& s, IDataObject* data) {
    test::DropOn(s.Window().DropTargetObject(), data);
    data->Release();
    s.PumpLikeTheProgram();
  }
  std::wstring Name(MainWindowSession& s) { return TextOf(s.Control(IDC_TXT_SHORTCUTNAME)); }

  std::unique_ptr<test::PrivateTempFolder> temp_;
};

TEST_F(TitleFetch, CreatingWaitsUntilTheNameIsReal) {
  Store(L"ConnectTimeOut", L"1");
  Store(L"ReceiveTimeOut", L"1");
  HttpTestServer silent(Behaviour::NeverAnswer);
  ASSERT_TRUE(silent.Started());
  MainWindowSession s;
  s.Window().SetChecked(IDC_CHK_WHERE + 0, true);
  Drop(s, test::MakeTextDrop(silent.Url(L"/page")));
  ASSERT_TRUE(s.Window().FetchingTitle());
  EXPECT_EQ(Name(s), kFetchingTitleText);
  EXPECT_FALSE(test::IsEnabled(s.Control(IDC_BTN_CREATE)));
  // Neither the button nor Enter makes a shortcut named after the progress text.
  test::ScriptedMessageBoxes boxes;
  test::Click(s.Control(IDC_BTN_CREATE));
  SendMessageW(s.Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  EXPECT_TRUE(boxes.Asks().empty());
  EXPECT_FALSE(test::FileExists(s.Window().Folders().desktop + L"\\" + kFetchingTitleText + L".url"));

  // The silent server costs the two time-outs; then the name is the failure text, and 作成 works.
  ASSERT_TRUE(s.WaitWhileFetching());
  EXPECT_EQ(Name(s), kTitleFetchFailedText);
  EXPECT_TRUE(test::IsEnabled(s.Control(IDC_BTN_CREATE)));
}

TEST_F(TitleFetch, ANewTargetGivesTheRunningFetchUp) {
  HttpTestServer silent(Behaviour::NeverAnswer);
  HttpTestServer titled(Behaviour::Serve, "<html><title>二番目</title></html>");
  ASSERT_TRUE(silent.Started() && titled.Started());
  test::TempFolder dir;
  const std::wstring file = dir / L"メモ.txt";
  ASSERT_TRUE(test::WriteFileBytes(file, "memo"));

  MainWindowSession s;
  Drop(s, test::MakeTextDrop(silent.Url()));
  ASSERT_TRUE(s.Window().FetchingTitle());
  Drop(s, test::MakeFileDrop({file}));
  EXPECT_FALSE(s.Window().FetchingTitle());
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_LNKPATH)), file);
  EXPECT_EQ(Name(s), L"メモ");

  Drop(s, test::MakeTextDrop(silent.Url()));
  Drop(s, test::MakeTextDrop(titled.Url()));
  ASSERT_TRUE(s.WaitWhileFetching());
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_LNKPATH)), titled.Url());
  EXPECT_EQ(Name(s), L"二番目");
  // The first fetch, given up, never comes back to overwrite the name.
  Sleep(200);
  s.PumpLikeTheProgram();
  EXPECT_EQ(Name(s), L"二番目");
}

TEST_F(TitleFetch, ANameTypedMeanwhileIsKept) {
  HttpTestServer silent(Behaviour::NeverAnswer);
  ASSERT_TRUE(silent.Started());
  MainWindowSession s;
  s.Window().SetChecked(IDC_CHK_WHERE + 0, true);
  Drop(s, test::MakeTextDrop(silent.Url()));
  test::Type(s.Control(IDC_TXT_SHORTCUTNAME), L"自分の名前");
  EXPECT_FALSE(s.Window().FetchingTitle());
  EXPECT_TRUE(test::IsEnabled(s.Control(IDC_BTN_CREATE)));
  EXPECT_EQ(Name(s), L"自分の名前");
}

TEST_F(TitleFetch, TheDialogKeysWorkMeanwhile) {
  HttpTestServer silent(Behaviour::NeverAnswer);
  ASSERT_TRUE(silent.Started());
  MainWindowSession s;
  Drop(s, test::MakeTextDrop(silent.Url()));
  ASSERT_TRUE(s.Window().FetchingTitle());
  HWND target = s.Control(IDC_TXT_LNKPATH);
  SetFocus(target);
  PostMessageW(target, WM_KEYDOWN, VK_TAB, 0);
  PostMessageW(target, WM_KEYUP, VK_TAB, 0);
  s.PumpLikeTheProgram();
  EXPECT_NE(GetFocus(), target);
  EXPECT_TRUE(s.Window().FetchingTitle());
}

TEST_F(TitleFetch, ClosingEndsTheFetchAtOnce) {
  // With the default time-outs the silent server would hold a waiting close for 15 seconds.
  HttpTestServer silent(Behaviour::NeverAnswer);
  ASSERT_TRUE(silent.Started());
  MainWindowSession s;
  Drop(s, test::MakeTextDrop(silent.Url()));
  ASSERT_TRUE(s.Window().FetchingTitle());
  SendMessageW(s.Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(s.IsOpen());
}

}  // namespace
}  // namespace pelmora
