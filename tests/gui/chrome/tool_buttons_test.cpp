// The tool buttons beside the destinations and the target field, driven by the mouse messages a
// user's pointer sends them, and the fields' focus behaviour.
#include <gtest/gtest.h>

#include <oleacc.h>
#include <wrl/client.h>

#include "app/command_line.h"
#include "app/flat_buttons.h"
#include "app/option_dialog.h"
#include "app/tool_button_hover.h"
#include "resource.h"
#include "shortcut/name_rules.h"
#include "win/clipboard.h"
#include "win/system.h"
#include "support/win/gui_driver.h"
#include "support/win/main_window_fixture.h"
#include "support/win/test_env.h"

namespace pelmora {
namespace {

using test::MainWindowSession;
using test::RecordedLaunches;
using test::SelectionOf;
using test::TextOf;
using test::Type;
using Look = ToolButtonLook;
using Selection = std::pair<unsigned, unsigned>;

HWND Tool(MainWindowSession& s, int index) { return s.Control(IDC_PIC_FLATBUTTON + index); }
// The look the window paints the button in: pushed as a held press paints it, flat without the
// frame (its bottom-right corner is the face's colour), raised with it.
Look LookOf(MainWindowSession& s, int index) {
  const std::vector<COLORREF> now = s.Painted(IDC_PIC_FLATBUTTON + index);
  if (now == s.Painted(IDC_PIC_FLATBUTTON + index, ODS_SELECTED)) return Look::Pushed;
  return !now.empty() && now.back() == GetSysColor(COLOR_BTNFACE) ? Look::Flat : Look::Raised;
}

void Send(HWND window, UINT message, WPARAM keys = 0) { SendMessageW(window, message, keys, MAKELPARAM(4, 4)); }
// The pointer comes onto the button (the system's pointer too, so that it sees it there).
void PointAt(HWND button) {
  RECT r{};
  GetWindowRect(button, &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  Send(button, WM_MOUSEMOVE);
}
void ClickTool(HWND button) {
  PointAt(button);
  Send(button, WM_LBUTTONDOWN, MK_LBUTTON);
  Send(button, WM_LBUTTONUP);
  Send(button, WM_MOUSELEAVE);
}

std::wstring RawClipboardText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return L"(not opened)";
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}
void EmptyTheClipboard() {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
}

std::wstring OpenCommand(const std::wstring& folder) { return L"\"" + folder + L"\""; }

TEST(ToolButtons, RaisedUnderThePointerPushedWhileHeldActingOnRelease) {
  MainWindowSession s;
  s.FinishTheLoad();
  RecordedLaunches launches;
  HWND desktop = Tool(s, 0);
  HWND field = s.Control(IDC_TXT_COMMENT);
  SetFocus(field);
  EXPECT_EQ(LookOf(s, 0), Look::Flat);
  PointAt(desktop);
  EXPECT_EQ(LookOf(s, 0), Look::Raised);
  Send(desktop, WM_LBUTTONDOWN, MK_LBUTTON);
  EXPECT_EQ(LookOf(s, 0), Look::Pushed);
  EXPECT_TRUE(launches.Requests().empty()) << "nothing happens on the press";
  Send(desktop, WM_LBUTTONUP);
  EXPECT_EQ(LookOf(s, 0), Look::Raised);
  ASSERT_EQ(launches.Requests().size(), 1u);
  EXPECT_EQ(launches.Requests()[0].kind, LaunchRequest::Program);
  EXPECT_EQ(launches.Requests()[0].program, GetWindowsFolder() + L"explorer.exe") << "never one the search path finds";
  EXPECT_EQ(launches.Requests()[0].text, OpenCommand(s.Folders().desktop));
  Send(desktop, WM_MOUSELEAVE);
  EXPECT_EQ(LookOf(s, 0), Look::Flat);
  // Like a toolbar's, the button leaves the focus where it was and keeps no hold of the mouse.
  EXPECT_EQ(GetFocus(), field);
  EXPECT_EQ(GetCapture(), nullptr);

  // Pressed, moved off and released: nothing, even when the pointer came back first.
  PointAt(desktop);
  Send(desktop, WM_LBUTTONDOWN, MK_LBUTTON);
  Send(desktop, WM_MOUSELEAVE);
  EXPECT_EQ(LookOf(s, 0), Look::Flat);
  Send(desktop, WM_LBUTTONUP);
  PointAt(desktop);
  Send(desktop, WM_LBUTTONUP);
  EXPECT_EQ(launches.Requests().size(), 1u);

  // The right button shows the button's help and does nothing else.
  Send(desktop, WM_RBUTTONDOWN, MK_RBUTTON);
  Send(desktop, WM_RBUTTONUP);
  EXPECT_NE(test::TakeHelpPopup().find(L"デスクトップのフォルダを開きます"), std::wstring::npos);
  EXPECT_EQ(launches.Requests().size(), 1u);
  EXPECT_EQ(LookOf(s, 0), Look::Raised);
}

TEST(ToolButtons, FolderButtonsOpenTheirDestinationsFolder) {
  MainWindowSession s;
  s.FinishTheLoad();
  test::TempFolder dir(L"ツール");
  const std::wstring startMenu = dir / L"スタート", free = dir / L"任意 の場所";
  ASSERT_TRUE(CreateDirectoryW(startMenu.c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryW(free.c_str(), nullptr));
  Type(s.Control(IDC_CMB_STARTMENUPATH), startMenu);
  Type(s.Control(IDC_CMB_FREEPATH), L"  " + free + L"  ");
  Type(s.Control(IDC_CMB_FAVORITESPATH), dir / L"無いフォルダ");
  const SpecialFolders f = s.Folders();
  ASSERT_TRUE(f.allUsersAvailable);
  const struct {
    int button;
    bool allUsers;
    std::wstring folder;  // empty: nothing is opened
  } rows[] = {
      {0, false, f.desktop},  {0, true, f.commonDesktop}, {1, true, startMenu},
      {2, false, f.startup},  {2, true, f.commonStartup}, {3, true, f.sendTo},
      {4, false, f.quickLaunchAvailable ? f.quickLaunch : L""},
      {5, false, free},       {6, false, L""},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.button);
    s.SetBox(IDC_CHK_ALLUSERS, r.allUsers);
    RecordedLaunches launches;
    ClickTool(Tool(s, r.button));
    if (r.folder.empty()) {
      EXPECT_TRUE(launches.Requests().empty());
    } else {
      ASSERT_EQ(launches.Requests().size(), 1u);
      EXPECT_EQ(launches.Requests()[0].text, OpenCommand(r.folder));
    }
  }
}

TEST(ToolButtons, TargetButtonsNeedATargetAndPasteNeedsClipboardText) {
  MainWindowSession s;
  s.FinishTheLoad();
  test::ScriptedMessageBoxes boxes;
  RecordedLaunches launches;
  test::TempFolder dir(L"リンク先");
  HWND target = s.Control(IDC_TXT_LNKPATH);

  // An empty target keeps the open and copy buttons flat and inert; no clipboard text, paste.
  SetClipboardText(nullptr, L"前の内容");
  Type(target, L"   ");
  for (int button : {7, 8}) {
    PointAt(Tool(s, button));
    EXPECT_EQ(LookOf(s, button), Look::Flat) << button;
    ClickTool(Tool(s, button));
  }
  EXPECT_TRUE(launches.Requests().empty());
  EXPECT_TRUE(boxes.Asks().empty());
  EXPECT_EQ(RawClipboardText(), L"前の内容");
  EmptyTheClipboard();
  PointAt(Tool(s, 9));
  EXPECT_EQ(LookOf(s, 9), Look::Flat);
  ClickTool(Tool(s, 9));
  EXPECT_EQ(TextOf(target), L"   ");

  // Copy takes the trimmed target as Unicode text; open shows it in its folder.
  Type(target, L"  " + dir.Path() + L"  ");
  ClickTool(Tool(s, 8));
  EXPECT_EQ(RawClipboardText(), dir.Path());
  ClickTool(Tool(s, 7));
  ASSERT_EQ(launches.Requests().size(), 1u);
  EXPECT_EQ(launches.Requests()[0].text, ExplorerSelectArguments(dir.Path()));

  // Paste replaces the target with the clipboard's first line.
  SetClipboardText(nullptr, L"http://例え.jp/a b\r\n二行目");
  PointAt(Tool(s, 9));
  EXPECT_EQ(LookOf(s, 9), Look::Raised);
  ClickTool(Tool(s, 9));
  EXPECT_EQ(TextOf(target), L"http://例え.jp/a b");

  // A target that is nothing: the message, then the field with its text selected.
  Type(target, L"::何でもない");
  SetFocus(s.Control(IDC_TXT_COMMENT));
  ClickTool(Tool(s, 7));
  ASSERT_EQ(boxes.Asks().size(), 1u);
  EXPECT_EQ(boxes.Asks()[0].text, kInvalidTargetMessage);
  EXPECT_EQ(GetFocus(), target);
  EXPECT_EQ(SelectionOf(target), Selection(0, 7));
  EXPECT_EQ(launches.Requests().size(), 1u);
}

TEST(ToolButtons, SpaceOnAFocusedButtonActsAsAClickDoes) {
  MainWindowSession s;
  s.FinishTheLoad();
  test::ScriptedMessageBoxes boxes;
  RecordedLaunches launches;
  for (int button : {3, 7}) {  // the target is empty: 7 does nothing
    SetFocus(Tool(s, button));
    SendMessageW(Tool(s, button), WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(Tool(s, button), WM_KEYUP, VK_SPACE, 0);
  }
  EXPECT_TRUE(boxes.Asks().empty());
  ASSERT_EQ(launches.Requests().size(), 1u);
  EXPECT_EQ(launches.Requests()[0].text, OpenCommand(s.Folders().sendTo));
}

// Drawn by the program, the buttons have no visible text; a screen reader still names each.
TEST(ToolButtons, ScreenReadersNameEachButtonByItsTooltip) {
  MainWindowSession s;
  s.FinishTheLoad();
  for (int button = 0; button < FlatButtons::kCount; ++button) {
    Microsoft::WRL::ComPtr<IAccessible> accessible;
    ASSERT_EQ(AccessibleObjectFromWindow(Tool(s, button), OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(accessible.GetAddressOf())),
              S_OK);
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    ASSERT_EQ(accessible->get_accName(self, &name), S_OK);
    EXPECT_EQ(std::wstring(name ? name : L""), s.ToolTipOf(IDC_PIC_FLATBUTTON + button)) << button;
    SysFreeString(name);
  }
}

// The focus comes to `field` from `other` by the program (as the keyboard's moves also bring it),
// then by a mouse press; FocusField selects all whether the field has the focus or not.
void ExpectSelectAllExceptByMouse(HWND field, HWND other) {
  Type(field, L"テキスト");
  SendMessageW(field, EM_SETSEL, 1, 1);
  SetFocus(other);
  SetFocus(field);
  EXPECT_EQ(SelectionOf(field), Selection(0, 4));

  SetFocus(other);
  SendMessageW(field, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 4));
  SendMessageW(field, WM_LBUTTONUP, 0, MAKELPARAM(1, 4));
  EXPECT_EQ(GetFocus(), field);
  EXPECT_EQ(SelectionOf(field), Selection(0, 0)) << "the caret where the mouse put it";

  SendMessageW(field, EM_SETSEL, 1, 2);
  FocusField(field);
  EXPECT_EQ(SelectionOf(field), Selection(0, 4));
  SetFocus(other);
  FocusField(field);
  EXPECT_EQ(GetFocus(), field);
  EXPECT_EQ(SelectionOf(field), Selection(0, 4));
}

TEST(TextFields, SelectAllWhenTheFocusComesFromAnotherControlNotFromTheMouse) {
  {
    MainWindowSession s;
    s.FinishTheLoad();
    for (int id : {IDC_TXT_LNKPATH, IDC_TXT_OPTION, IDC_TXT_WRKPATH, IDC_TXT_SHORTCUTNAME, IDC_TXT_COMMENT}) {
      SCOPED_TRACE(id);
      ExpectSelectAllExceptByMouse(s.Control(id), s.Control(id == IDC_TXT_COMMENT ? IDC_TXT_OPTION : IDC_TXT_COMMENT));
    }
  }
  test::TempFolder dir(L"選択");
  Settings settings;
  settings.GetMp3Info = 1;  // the format field is enabled
  EXPECT_TRUE(test::WithModalWindow(
      L"オプション", [&] { ShowOptionDialog(nullptr, settings, {dir / L"p.exe", dir / L"p.ini", dir / L"x.htm"}); },
      [](HWND dialog) {
        ExpectSelectAllExceptByMouse(GetDlgItem(dialog, IDC_TXT_EXT), GetDlgItem(dialog, IDC_TXT_FORMAT));
        ExpectSelectAllExceptByMouse(GetDlgItem(dialog, IDC_TXT_FORMAT), GetDlgItem(dialog, IDC_TXT_EXT));
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      }));
}

TEST(TextFields, ComingBackToTheWindowKeepsTheSelection) {
  MainWindowSession s;
  s.FinishTheLoad();
  HWND field = s.Control(IDC_TXT_COMMENT);
  Type(field, L"テキスト");
  SetFocus(field);
  SendMessageW(field, EM_SETSEL, 1, 2);
  HWND elsewhere = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr,
                                   nullptr, nullptr);
  SetActiveWindow(elsewhere);
  ASSERT_NE(GetFocus(), field);
  SetActiveWindow(s.Handle());
  EXPECT_EQ(GetFocus(), field);
  EXPECT_EQ(SelectionOf(field), Selection(1, 2));
  DestroyWindow(elsewhere);
}

}  // namespace
}  // namespace pelmora
