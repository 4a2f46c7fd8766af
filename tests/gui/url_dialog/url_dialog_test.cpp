// The real URL dialog, driven as a user drives it.
#include "app/url_dialog.h"

#include <gtest/gtest.h>

#include "resource.h"
#include "win/message_box.h"
#include "win/system.h"
#include "support/win/data_object.h"
#include "support/win/gui_driver.h"
#include "support/win/http_test_server.h"
#include "support/win/main_window_fixture.h"
#include "support/win/test_env.h"

namespace pelmora {
namespace {

using test::Pick;
using test::SelectionOf;
using test::TextOf;
using Selection = std::pair<unsigned, unsigned>;

constexpr wchar_t kCaption[] = L"簡易URL生成";

HWND Field(HWND dialog) { return GetDlgItem(dialog, IDC_TXT_URL); }
HWND List(HWND dialog, int index) { return GetDlgItem(dialog, IDC_CMB_URL + index); }

// A pick is carried out once its notifications are through.
void PickAndSettle(HWND dialog, int list, int item) {
  Pick(List(dialog, list), item);
  test::Pump();
}

void Select(HWND field, unsigned start, unsigned end) { SendMessageW(field, EM_SETSEL, start, end); }
void TypeAtCaret(HWND field, const std::wstring& text) {
  SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

// Opens the dialog on its own and runs `script` in it.
std::optional<std::wstring> RunDialog(const UrlTable& table, const std::wstring& target,
                                      const std::function<void(HWND)>& script) {
  test::InitWindowsOnce();
  std::optional<std::wstring> result;
  test::WithModalWindow(
      kCaption, [&] { result = ShowUrlDialog(nullptr, table, target); }, script);
  return result;
}

UrlTable TestTable() {
  UrlTable table = DefaultUrlTable();
  table.lists[3] = {L"no comma", L"Two,http://%.example/%/", L",lead", L"trail,", L"One,http://www.%.com/"};
  return table;
}

TEST(UrlDialog, PiecesGoInAtTheCaretOrOverTheSelection) {
  const auto result = RunDialog(TestTable(), L"C:\\not a url.txt", [](HWND dialog) {
    HWND field = Field(dialog);
    EXPECT_EQ(TextOf(field), L"");  // a file target is no starting text
    for (int list = 0; list < 4; ++list) EXPECT_EQ(SendMessageW(List(dialog, list), CB_GETCURSEL, 0, 0), 0);

    PickAndSettle(dialog, 0, 0);  // the item already shown can be picked
    EXPECT_EQ(TextOf(field), L"http://www.");
    EXPECT_EQ(SelectionOf(field), Selection(11, 11));
    EXPECT_EQ(GetFocus(), field);
    TypeAtCaret(field, L"example");
    PickAndSettle(dialog, 1, 1);
    PickAndSettle(dialog, 2, 1);
    EXPECT_EQ(TextOf(field), L"http://www.example.co.jp/index.html");
    EXPECT_EQ(SelectionOf(field), Selection(35, 35));

    Select(field, 11, 18);  // "example" is replaced
    PickAndSettle(dialog, 0, 1);
    EXPECT_EQ(TextOf(field), L"http://www.http://.co.jp/index.html");
    EXPECT_EQ(SelectionOf(field), Selection(18, 18));
    // The arrow key in the closed list picks the next piece, once.
    SetFocus(List(dialog, 1));
    SendMessageW(List(dialog, 1), WM_KEYDOWN, VK_DOWN, 0);
    test::Pump();
    EXPECT_EQ(TextOf(field), L"http://www.http://.ad.jp/.co.jp/index.html");

    test::Click(GetDlgItem(dialog, IDC_BTN_URL_CLEAR));
    EXPECT_EQ(TextOf(field), L"");
    EXPECT_EQ(GetFocus(), field);
    test::Type(field, L"  http://a.jp/x  ");
    test::Click(GetDlgItem(dialog, IDC_BTN_URL_OK));
  });
  EXPECT_EQ(result, std::optional<std::wstring>(L"http://a.jp/x"));
}

TEST(UrlDialog, TemplatesTakeTheWholeTextAtEveryMark) {
  const auto result = RunDialog(TestTable(), L"http://start.jp/", [](HWND dialog) {
    HWND field = Field(dialog);
    EXPECT_EQ(TextOf(field), L"http://start.jp/");
    HWND templates = List(dialog, 3);
    ASSERT_EQ(SendMessageW(templates, CB_GETCOUNT, 0, 0), 2);  // only entries with an inner comma
    EXPECT_EQ(test::TextOf(templates), L"Two");
    test::Type(field, L"abc");
    PickAndSettle(dialog, 3, 0);
    EXPECT_EQ(TextOf(field), L"http://abc.example/abc/");
    EXPECT_EQ(SelectionOf(field), Selection(23, 23));
    test::Type(field, L"");
    PickAndSettle(dialog, 3, 1);  // captions and templates stay in step
    EXPECT_EQ(TextOf(field), L"http://www..com/");
    // Enter takes the text as it is.
    PostMessageW(field, WM_KEYDOWN, VK_RETURN, 0);
  });
  EXPECT_EQ(result, std::optional<std::wstring>(L"http://www..com/"));
}

TEST(UrlDialog, BlanksCancelAndEscapeGiveNothing) {
  const struct {
    const char* what;
    std::function<void(HWND)> close;
  } cases[] = {
      {"OK with blanks", [](HWND d) { test::Type(Field(d), L"   "); test::Click(GetDlgItem(d, IDC_BTN_URL_OK)); }},
      {"Cancel", [](HWND d) { test::Click(GetDlgItem(d, IDC_BTN_URL_CAN)); }},
      {"Escape", [](HWND d) { PostMessageW(Field(d), WM_KEYDOWN, VK_ESCAPE, 0); }},
      {"close box", [](HWND d) { PostMessageW(d, WM_CLOSE, 0, 0); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(RunDialog(TestTable(), L"http://kept.jp/", c.close), std::nullopt);
  }
}

TEST(UrlDialog, AnEmptyTemplateListLeavesTheRestWorking) {
  UrlTable table;
  for (auto& list : table.lists) list = {L""};
  table.lists[1] = {L".jp/"};
  table.lists[3] = {L"no comma", L",lead"};
  const auto result = RunDialog(table, L"", [](HWND dialog) {
    HWND field = Field(dialog);
    EXPECT_EQ(SendMessageW(List(dialog, 3), CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageW(List(dialog, 3), CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(SendMessageW(List(dialog, 0), CB_GETCOUNT, 0, 0), 1);  // one blank item
    test::Type(field, L"http://x");
    Select(field, 8, 8);
    PickAndSettle(dialog, 1, 0);
    PickAndSettle(dialog, 0, 0);  // the blank piece adds nothing
    EXPECT_EQ(TextOf(field), L"http://x.jp/");
    test::Click(GetDlgItem(dialog, IDC_BTN_URL_OK));
  });
  EXPECT_EQ(result, std::optional<std::wstring>(L"http://x.jp/"));
}

// Opened from the main window: OK makes the URL the target, clears what only a shell link has,
// and fetches the page title when both title options ask for it.
TEST(UrlDialogFromTheMainWindow, OkPreparesAnInternetShortcut) {
  const test::PrivateTempFolder temp(L"urldialog");
  test::HttpTestServer server(test::HttpTestServer::Behaviour::Serve, "<title>組み立てたページ</title>");
  ASSERT_TRUE(server.Started());
  const std::wstring settingsFile = test::SettingsFile();
  for (const wchar_t* dialogTitle : {L"1", L"0"}) {
    DeleteFileW(settingsFile.c_str());
    WritePrivateProfileStringW(L"GENERAL", L"GetUrlTitle", L"1", settingsFile.c_str());
    WritePrivateProfileStringW(L"GENERAL", L"GetUrlDlgTitle", dialogTitle, settingsFile.c_str());
    test::MainWindowSession s;
    test::Type(s.Control(IDC_TXT_SHORTCUTNAME), L"前の名前");
    test::Type(s.Control(IDC_TXT_WRKPATH), L"C:\\work");
    test::Type(s.Control(IDC_TXT_OPTION), L"-x");
    test::Type(s.Control(IDC_TXT_COMMENT), L"memo");
    SendMessageW(s.Control(IDC_CMB_SHOWCMD), CB_SETCURSEL, 2, 0);
    s.ChooseIcon(GetSystemFolder() + L"shell32.dll", 4);
    test::WithModalWindow(
        kCaption, [&] { test::Click(s.Control(IDC_BTN_URL)); },
        [&](HWND dialog) {
          IDataObject* drop = test::MakeTextDrop(L"http://example.com/");
          EXPECT_EQ(test::DropOn(s.DropTarget(), drop), static_cast<DWORD>(DROPEFFECT_NONE));
          drop->Release();
          test::Type(Field(dialog), L"  " + server.Url(L"/built") + L"  ");
          test::Click(GetDlgItem(dialog, IDC_BTN_URL_OK));
        });
    ASSERT_TRUE(s.WaitWhileFetching());
    EXPECT_EQ(TextOf(s.Control(IDC_TXT_LNKPATH)), server.Url(L"/built"));
    EXPECT_EQ(TextOf(s.Control(IDC_TXT_SHORTCUTNAME)), std::wstring(dialogTitle) == L"1" ? L"組み立てたページ" : L"前の名前");
    for (int field : {IDC_TXT_WRKPATH, IDC_TXT_OPTION, IDC_TXT_COMMENT}) EXPECT_EQ(TextOf(s.Control(field)), L"");
    EXPECT_EQ(SendMessageW(s.Control(IDC_CMB_SHOWCMD), CB_GETCURSEL, 0, 0), 0);
    // The chosen icon went with the link-only fields: the site's shortcut carries none.
    const test::TempFolder out;
    const std::wstring written = s.CreateInto(out.Path());
    ASSERT_FALSE(written.empty());
    EXPECT_EQ(test::ReadFileBytes(written).find("Icon"), std::string::npos);
  }
  DeleteFileW(settingsFile.c_str());
}

}  // namespace
}  // namespace pelmora
