// Start-up: the settings file and a target handed over on the command line.
#include <gtest/gtest.h>

#include <memory>

#include "win/system.h"
#include "naming/path_names.h"
#include "text/code_page.h"
#include "resource.h"
#include "support/win/gui_driver.h"
#include "support/win/http_test_server.h"
#include "support/win/main_window_fixture.h"
#include "support/win/test_env.h"
#include "url/internet_shortcut.h"

namespace pelmora {
namespace {

using test::MainWindowSession;
using test::TempFolder;
using test::TextOf;

using test::SettingsFile;

void Store(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
  WritePrivateProfileStringW(section, key, value, SettingsFile().c_str());
}

std::wstring Stored(const wchar_t* section, const wchar_t* key) {
  wchar_t value[512];
  GetPrivateProfileStringW(section, key, L"<none>", value, 512, SettingsFile().c_str());
  return value;
}

class Startup : public testing::Test {
 protected:
  void SetUp() override {
    DeleteFileW(SettingsFile().c_str());
    temp_ = std::make_unique<test::PrivateTempFolder>(L"startup");
  }
  void TearDown() override {
    temp_.reset();
    for (const auto& path : cleanup_) test::RemoveTree(path);
    DeleteFileW(SettingsFile().c_str());
  }
  std::unique_ptr<test::PrivateTempFolder> temp_;
  std::vector<std::wstring> cleanup_;
};

TEST_F(Startup, FilesAndFoldersFillTheFormFromTheirPath) {
  TempFolder dir;
  const std::wstring file = dir / L"計画 2027.xlsx";
  ASSERT_TRUE(test::WriteFileBytes(file, "x"));
  Store(L"GENERAL", L"Comment", L"1");
  {
    MainWindowSession s(L"\"" + file + L"\"");
    EXPECT_EQ(TextOf(s.Control(IDC_TXT_LNKPATH)), file);
    EXPECT_EQ(TextOf(s.Control(IDC_TXT_WRKPATH)), dir.Path());
    EXPECT_EQ(TextOf(s.Control(IDC_TXT_SHORTCUTNAME)), L"計画 2027");
    EXPECT_EQ(TextOf(s.Control(IDC_TXT_COMMENT)), file);
    DWORD start = 1, end = 0;
    SendMessageW(s.Control(IDC_TXT_SHORTCUTNAME), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 7u);  // the whole name is selected
  }
  MainWindowSession s(dir.Path());  // a bare folder path
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_LNKPATH)), dir.Path());
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_WRKPATH)), L"");
}

// Explorer's Send To hands a multiple selection over as full paths, each quoted when it holds a
// blank: the form takes the first and says how many more wait. One path stays one target.
TEST_F(Startup, SendToWithSeveralPathsWaitsBesideTheFirst) {
  TempFolder dir;
  const std::wstring spaced = dir / L"計画 2027.txt", plain = dir / L"memo.txt";
  ASSERT_TRUE(test::WriteFileBytes(spaced, "x"));
  ASSERT_TRUE(test::WriteFileBytes(plain, "x"));
  const auto quoted = [](const std::wstring& path) {
    return path.find(L' ') == std::wstring::npos ? path : L"\"" + path + L"\"";
  };
  const struct {
    std::wstring commandLine;
    std::wstring target;
    const wchar_t* waiting;  // nullptr: no batch
  } cases[] = {
      {L"\"" + spaced + L"\"", spaced, nullptr},
      {spaced, spaced, nullptr},  // unquoted, blank and all
      {quoted(spaced) + L" " + quoted(plain), spaced, L"ほか 1 件"},
      {quoted(dir / L"無い.txt") + L" " + quoted(plain) + L" " + quoted(spaced), plain, L"ほか 2 件"},
  };
  for (const auto& c : cases) {
    MainWindowSession s(c.commandLine);
    SCOPED_TRACE(c.commandLine);
    EXPECT_EQ(TextOf(s.Control(IDC_TXT_LNKPATH)), c.target);
    EXPECT_EQ(TextOf(s.Control(IDC_TXT_SHORTCUTNAME)), FileNameOf(c.target).substr(0, FileNameOf(c.target).size() - 4));
    EXPECT_EQ(GetFocus(), s.Control(IDC_TXT_SHORTCUTNAME));
    EXPECT_EQ(IsWindowVisible(s.Control(IDC_LBL_BATCH)) != FALSE, c.waiting != nullptr);
    if (c.waiting) {
      EXPECT_EQ(TextOf(s.Control(IDC_LBL_BATCH)), c.waiting);
      EXPECT_NE(s.ToolTipOf(IDC_LBL_BATCH).find(L"画面で編集した欄は、最初の項目にだけ使われます"), std::wstring::npos);
    }
  }
}

TEST_F(Startup, TextThatNamesNothingOpensAnEmptyWindow) {
  for (const wchar_t* text : {L"\"C:\\no\\such file.txt\"", L"/LNK", L"/AUTOx", L"http://a<b> title"}) {
    MainWindowSession s(text);
    ASSERT_TRUE(s.IsOpen());
    EXPECT_EQ(TextOf(s.Control(IDC_TXT_LNKPATH)), L"") << testing::PrintToString(std::wstring(text));
    EXPECT_EQ(TextOf(s.Control(IDC_TXT_SHORTCUTNAME)), L"");
  }
}

TEST_F(Startup, ShortcutAndBitmapFiles) {
  TempFolder dir;
  const std::wstring picture = dir / L"壁紙.BMP";
  ASSERT_TRUE(test::WriteFileBytes(picture, "BM"));
  {
    MainWindowSession s(L"\"" + picture + L"\"");
    EXPECT_EQ(TextOf(s.Control(IDC_TXT_LNKPATH)), picture);
    EXPECT_EQ(TextOf(s.Control(IDC_TXT_SHORTCUTNAME)), L"壁紙");
    EXPECT_EQ(TextOf(s.Control(IDC_TXT_WRKPATH)), dir.Path());
  }
  const std::wstring url = dir / L"ニュース.url";
  ASSERT_TRUE(WriteInternetShortcut(url, L"http://example.com/news", L"", 0));
  MainWindowSession s(L"\"" + url + L"\"");
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_LNKPATH)), L"http://example.com/news");
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_SHORTCUTNAME)), L"ニュース");
  EXPECT_TRUE(test::IsChecked(s.Control(IDC_CHK_WHERE + 5)));
  EXPECT_EQ(TextOf(s.Control(IDC_CMB_FREEPATH)), dir.Path());
}

TEST_F(Startup, UrlWithATitleKeepsTheTitleSafeForFileNames) {
  Store(L"GENERAL", L"GetUrlTitle", L"1");
  MainWindowSession s(L"http://127.0.0.1:1/ 今日の記事: a/b   ");
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_LNKPATH)), L"http://127.0.0.1:1/");
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_SHORTCUTNAME)), L"今日の記事： a／b");  // no fetch: the title was given
}

TEST_F(Startup, UrlWithoutATitleIsNamedAfterThePageTitle) {
  Store(L"GENERAL", L"GetUrlTitle", L"1");
  Store(L"GENERAL", L"ConnectTimeOut", L"2");
  Store(L"GENERAL", L"ReceiveTimeOut", L"2");
  const std::wstring title = L"ペルモラの頁";
  struct Page {
    const char* contentType;
    unsigned codePage;
    std::string head, tail;
  } pages[] = {
      {"text/html; charset=UTF-8", 65001, "<html><head><title>", "</title></head></html>"},
      {"text/html; charset=Shift_JIS", 932, "<html><head><title>", "</title></head></html>"},
      {"text/html; charset=EUC-JP", 20932, "<HTML><HEAD><TITLE>", "</TITLE></HEAD></HTML>"},
      {"text/html; charset=ISO-2022-JP", 0, "<html><title>", "</title></html>"},
  };
  for (const auto& page : pages) {
    std::string encoded = page.codePage ? EncodeCodePage(page.codePage, title)
                                        // ISO-2022-JP: JIS X 0208 between the escape sequences
                                        : std::string("\x1b$B\x25\x5a\x25\x6b\x25\x62\x25\x69\x24\x4e\x4a\x47\x1b(B");
    test::HttpTestServer server(test::HttpTestServer::Behaviour::Serve, page.head + encoded + page.tail,
                                page.contentType);
    ASSERT_TRUE(server.Started());
    MainWindowSession s(server.Url(L"/page#top"));
    ASSERT_TRUE(s.WaitWhileFetching());
    EXPECT_EQ(TextOf(s.Control(IDC_TXT_SHORTCUTNAME)), title) << page.contentType;
    EXPECT_EQ(TextOf(s.Control(IDC_TXT_LNKPATH)), server.Url(L"/page#top"));
  }
  MainWindowSession s(L"http://127.0.0.1:" + std::to_wstring(test::UnusedLoopbackPort()) + L"/");
  ASSERT_TRUE(s.WaitWhileFetching());
  EXPECT_EQ(TextOf(s.Control(IDC_TXT_SHORTCUTNAME)), L"タイトル取得に失敗しました");
}

TEST_F(Startup, SettingsRestoreTheDestinationsAndAreAllWrittenAtClose) {
  Store(L"GENERAL", L"CheckLocation", L"1");
  Store(L"GENERAL", L"WindowPos", L"1");
  Store(L"GENERAL", L"WindowLeft", L"-3000");
  Store(L"GENERAL", L"WindowTop", L"20");
  Store(L"ShortcutFolder", L"StartMenu", L"1");
  Store(L"ShortcutFolder", L"Free", L"1");
  Store(L"ShortcutFolder", L"QuickLaunch", L"1");  // no Quick Launch folder in this prefix
  Store(L"ShortcutFolder", L"Desktop", L"2");      // only 1 ticks
  {
    MainWindowSession s;
    EXPECT_TRUE(test::IsChecked(s.Control(IDC_CHK_WHERE + 1)));
    EXPECT_TRUE(test::IsChecked(s.Control(IDC_CHK_WHERE + 5)));
    EXPECT_FALSE(test::IsChecked(s.Control(IDC_CHK_WHERE + 0)));
    EXPECT_TRUE(test::IsEnabled(s.Control(IDC_CMB_STARTMENUPATH)));
    EXPECT_TRUE(test::IsEnabled(s.Control(IDC_CMB_FREEPATH)));
    EXPECT_FALSE(test::IsEnabled(s.Control(IDC_CMB_FAVORITESPATH)));
    if (!s.Folders().quickLaunchAvailable) {
      EXPECT_FALSE(test::IsChecked(s.Control(IDC_CHK_WHERE + 4)));
      EXPECT_FALSE(test::IsEnabled(s.Control(IDC_CHK_WHERE + 4)));
    }
    RECT r{};
    GetWindowRect(s.Handle(), &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 20);
    EXPECT_TRUE(test::IsEnabled(s.Control(IDC_BTN_CREATE)) == false);
  }
  for (const wchar_t* key : {L"WindowPos", L"WindowLeft", L"WindowTop", L"CheckLocation", L"NoMessage", L"ArrowIcon",
                             L"ExitAfterCreate", L"Comment", L"GetHtmlTitle", L"GetUrlTitle", L"GetUrlDlgTitle",
                             L"HtmlBuffer", L"ConnectTimeOut", L"ReceiveTimeOut", L"GetVersion", L"GetMp3Info",
                             L"GetMp3Format", L"ExtCut"})
    EXPECT_NE(Stored(L"GENERAL", key), L"<none>") << testing::PrintToString(std::wstring(key));
  EXPECT_EQ(Stored(L"GENERAL", L"WindowLeft"), L"0");
  for (const wchar_t* key : {L"AllUsers", L"Desktop", L"StartMenu", L"Startup", L"Sendto", L"QuickLaunch", L"Free",
                             L"Favorites"})
    EXPECT_NE(Stored(L"ShortcutFolder", key), L"<none>") << testing::PrintToString(std::wstring(key));
  EXPECT_EQ(Stored(L"ShortcutFolder", L"StartMenu"), L"1");
  EXPECT_EQ(Stored(L"ShortcutFolder", L"Desktop"), L"0");
  EXPECT_NE(Stored(L"RecentDir", L"Start1"), L"");
  EXPECT_EQ(Stored(L"RecentDir", L"Free10"), L"");
}

}  // namespace
}  // namespace pelmora
