// The page title fetch runs while the window stays fully usable: nothing acts on the
// half-finished name, a new target or a typed name gives the fetch up, and the dialog keys work.
#include <gtest/gtest.h>

#include <memory>

#include "app/main_window_controls.h"
#include "app/message_loop.h"
#include "naming/derive_name.h"
#include "resource.h"
#include "support/image_builder.h"
#include "support/win/data_object.h"
#include "support/win/gui_driver.h"
#include "support/win/http_test_server.h"
#include "support/win/main_window_fixture.h"
#include "support/win/test_env.h"
#include "win/handles.h"
#include "win/system.h"

#include <shellapi.h>

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
    Store(L"GetUrlIcon", L"0");  // the site icon's own test turns it on
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
  static void PumpKeepingFetchEnds(MainWindowSession& s, UINT kept = kTitleFetchedMessage) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, kept - 1, PM_REMOVE) ||
           PeekMessageW(&msg, nullptr, kept + 1, 0xFFFFFFFF, PM_REMOVE)) {
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

  // Runs the window's messages, keeping `message` queued, until it has been posted; then takes
  // it in with the rest. False when it was not posted within 30 s.
  static bool WaitForPosted(MainWindowSession& s, UINT message) {
    const ULONGLONG end = GetTickCount64() + 30000;
    MSG msg;
    while (!PeekMessageW(&msg, s.Handle(), message, message, PM_NOREMOVE)) {
      if (GetTickCount64() >= end) return false;
      PumpKeepingFetchEnds(s, message);
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    s.PumpLikeTheProgram();
    return true;
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

// After the title, the site's icon: found from the head, fetched, kept as an .ico and written
// into the shortcut; whatever the server does, the title stays and the icon is a real one or none.
TEST_F(TitleFetch, TheSitesIconFollowsTheTitle) {
  Store(L"GetUrlIcon", L"1");
  Store(L"ConnectTimeOut", L"1");
  Store(L"ReceiveTimeOut", L"1");
  const std::string png = test::SolidPng(32, 32);
  const std::string ico = test::Ico({{16, 16, test::IconBitmap(16, 16)}});
  auto page = [](const std::string& head) { return "<html><head><title>T</title>" + head + "</head></html>"; };
  HttpTestServer other(std::vector<HttpTestServer::Route>{{"/p.png", Behaviour::Serve, png, "image/png"}});
  ASSERT_TRUE(other.Started());
  const std::string otherHost = "//127.0.0.1:" + std::to_string(other.Port()) + "/p.png";
  struct Row {
    const char* what;
    std::vector<HttpTestServer::Route> routes;
    const wchar_t* start;
    bool icon;
  } rows[] = {
      {"a PNG the head links to",
       {{"/", Behaviour::Serve, page("<link rel=\"shortcut icon\" href=\"/i.png\">")},
        {"/i.png", Behaviour::Serve, png, "image/png"}},
       L"/", true},
      {"only /favicon.ico", {{"/", Behaviour::Serve, page("")}, {"/favicon.ico", Behaviour::Serve, ico, "image/x-icon"}},
       L"/", true},
      {"a relative link",
       {{"/dir/page.html", Behaviour::Serve, page("<link rel=icon href=img/i.png>")},
        {"/dir/img/i.png", Behaviour::Serve, png, "image/png"}},
       L"/dir/page.html", true},
      {"a protocol-relative link to another host",
       {{"/", Behaviour::Serve, page("<link rel='icon' href='" + otherHost + "'>")}}, L"/", true},
      {"a page moved: the link resolves where it led",
       {{"/old", Behaviour::Serve, "", "text/html", 302, "Location: /new/\r\n"},
        {"/new/", Behaviour::Serve, page("<link rel=icon href=i.png>")},
        {"/new/i.png", Behaviour::Serve, png, "image/png"}},
       L"/old", true},
      {"no icon anywhere", {{"/", Behaviour::Serve, page("")}}, L"/", false},
      {"a corrupt PNG",
       {{"/", Behaviour::Serve, page("<link rel=icon href=/i.png>")},
        {"/i.png", Behaviour::Serve, png.substr(0, png.size() - 9) + "broken!!!", "image/png"}},
       L"/", false},
      {"an endless icon",
       {{"/", Behaviour::Serve, page("<link rel=icon href=/i.png>")}, {"/i.png", Behaviour::EndlessBody, png, "image/png"}},
       L"/", false},
      {"an icon sent with 404",
       {{"/", Behaviour::Serve, page("<link rel=icon href=/i.png>")}, {"/i.png", Behaviour::Serve, png, "image/png", 404}},
       L"/", false},
      {"an HTML error page for the icon",
       {{"/", Behaviour::Serve, page("<link rel=icon href=/i.png>")},
        {"/i.png", Behaviour::Serve, "<html><title>Error</title></html>", "text/html"}},
       L"/", false},
      {"a 50 MB icon",
       {{"/", Behaviour::Serve, page("<link rel=icon href=/i.png>")},
        {"/i.png", Behaviour::Serve, png + std::string(50u << 20, '\0'), "image/png"}},
       L"/", false},
      {"an icon server that never answers",
       {{"/", Behaviour::Serve, page("<link rel=icon href=/i.png>")}, {"/i.png", Behaviour::NeverAnswer}}, L"/", false},
      {"a truncated ICO", {{"/", Behaviour::Serve, page("")}, {"/favicon.ico", Behaviour::Serve, ico.substr(0, 30), "image/x-icon"}},
       L"/", false},
  };
  const std::wstring icons = ProgramFolder() + L"icons";
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    HttpTestServer server(row.routes);
    ASSERT_TRUE(server.Started());
    // Dropped, so that no pump of the test's own takes the icon's end in before it is waited for.
    MainWindowSession s;
    IDataObject* drop = test::MakeTextDrop(server.Url(row.start));
    test::DropOn(s.DropTarget(), drop);
    drop->Release();
    const ULONGLONG titleBy = GetTickCount64() + 30000;
    while (Name(s) != L"T" && GetTickCount64() < titleBy) {
      PumpKeepingFetchEnds(s, kIconFetchedMessage);
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    EXPECT_EQ(Name(s), L"T") << "the title never waits for the icon, nor suffers from it";
    // Whatever the server does, the fetch ends within its time-outs and the window answers meanwhile.
    ASSERT_TRUE(WaitForPosted(s, kIconFetchedMessage));
    DWORD_PTR answer = 0;
    EXPECT_TRUE(SendMessageTimeoutW(s.Handle(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 100, &answer));
    const std::wstring iconFile = s.ToolTipOf(IDC_PIC_ICON);
    const test::TempFolder out;
    const std::wstring written = s.CreateInto(out.Path());
    ASSERT_FALSE(written.empty());
    wchar_t stored[MAX_PATH] = {}, index[8] = {};
    GetPrivateProfileStringW(L"InternetShortcut", L"IconFile", L"", stored, MAX_PATH, written.c_str());
    GetPrivateProfileStringW(L"InternetShortcut", L"IconIndex", L"", index, 8, written.c_str());
    if (!row.icon) {
      EXPECT_EQ(iconFile, L"");
      EXPECT_EQ(std::wstring(stored), L"");
      continue;
    }
    EXPECT_TRUE(iconFile.starts_with(icons + L"\\127.0.0.1-")) << testing::PrintToString(iconFile);
    EXPECT_EQ(std::wstring(stored), iconFile);
    EXPECT_EQ(std::wstring(index), L"0");
    EXPECT_GE(ExtractIconExW(stored, -1, nullptr, nullptr, 0), 1u) << "the system's icon loader reads it";
    EXPECT_TRUE(s.PreviewShowsIcon());
  }
  // Off, nothing but the page is ever asked for.
  Store(L"GetUrlIcon", L"0");
  HttpTestServer server(std::vector<HttpTestServer::Route>{{"/", Behaviour::Serve, page("<link rel=icon href=/i.png>")},
                                                           {"/i.png", Behaviour::Serve, png, "image/png"}});
  ASSERT_TRUE(server.Started());
  {
    MainWindowSession s(server.Url(L"/"));
    ASSERT_TRUE(s.WaitWhileFetching());
    EXPECT_EQ(Name(s), L"T");
  }
  EXPECT_EQ(server.Requests().size(), 1u);
  WIN32_FIND_DATAW found{};
  const win::FindHandle find(FindFirstFileW((icons + L"\\*.ico").c_str(), &found));
  for (BOOL more = static_cast<bool>(find); more; more = FindNextFileW(find.get(), &found))
    DeleteFileW((icons + L"\\" + found.cFileName).c_str());
}

}  // namespace
}  // namespace pelmora
