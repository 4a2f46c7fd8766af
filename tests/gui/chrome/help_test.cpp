// What's This help of the main window, the URL dialog and the options dialog: every control has
// its text, and each way of asking (right button, F1, the help button, the title bar's "?")
// shows it.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <set>
#include <vector>

#include "app/option_dialog.h"
#include "app/url_dialog.h"
#include "resource.h"
#include "win/help_mode.h"
#include "win/help_popup.h"
#include "support/win/gui_driver.h"
#include "support/win/main_window_fixture.h"
#include "support/win/test_env.h"

namespace pelmora {
namespace {

using test::TakeHelpPopup;

POINT ClientPointIn(HWND window, HWND control, bool corner) {
  RECT r{};
  GetWindowRect(control, &r);
  POINT p = corner ? POINT{r.left + 3, r.top + 3} : POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ScreenToClient(window, &p);
  return p;
}

// Runs the queue as a dialog's own loop does: keys go through the dialog manager.
void PumpDialog(HWND dialog) {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT || IsDialogMessageW(dialog, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// F1 on the focused control: what the system sends it for the key.
void PressF1() {
  constexpr UINT kKeyF1 = 0x004D;  // WM_KEYF1, which the system posts after F1's key-down
  SendMessageW(GetFocus(), kKeyF1, 0, 0);
}

// Asks for the help of every control of `window` as a user would: F1 on a field or list that
// can take the focus; otherwise the right button, which a label, a group box or a disabled
// control lets through to the window.
std::map<int, std::wstring> AskEveryControl(HWND window) {
  std::map<int, std::wstring> texts;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[64] = {};
    GetClassNameW(child, name, 64);
    const std::wstring kind = name;
    const bool enabled = IsWindowEnabled(child);
    const bool groupBox = (GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX && kind == L"Button";
    if (enabled && (kind == L"Edit" || kind == L"ComboBox")) {
      SetFocus(child);
      PressF1();
    } else if (enabled && kind != L"Static" && !groupBox) {
      SendMessageW(child, WM_RBUTTONUP, 0, MAKELPARAM(2, 2));
    } else {
      const POINT p = ClientPointIn(window, child, groupBox);
      SendMessageW(window, WM_RBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    }
    texts[GetDlgCtrlID(child)] = TakeHelpPopup();
  }
  return texts;
}

// Each of the window's controls has a text of its own, but a label, which explains its field.
void ExpectEveryControlHasHelp(const std::map<int, std::wstring>& texts, std::size_t controls,
                               std::size_t labelsOfFields) {
  std::set<std::wstring> distinct;
  for (const auto& [id, text] : texts) {
    EXPECT_FALSE(text.empty()) << "control " << id << " has no help";
    distinct.insert(text);
  }
  EXPECT_EQ(texts.size(), controls);
  EXPECT_EQ(distinct.size(), controls - labelsOfFields);
}

TEST(ContextHelp, EveryControlOfTheThreeWindowsHasItsHelp) {
  {
    test::MainWindowSession s;
    const auto texts = AskEveryControl(s.Handle());
    ExpectEveryControlHasHelp(texts, 50, 6);
    EXPECT_EQ(texts.at(IDC_LBL_COMMENT), texts.at(IDC_TXT_COMMENT));
  }
  EXPECT_TRUE(test::WithModalWindow(
      L"簡易URL生成", [] { ShowUrlDialog(nullptr, DefaultUrlTable(), L""); },
      [](HWND dialog) {
        ExpectEveryControlHasHelp(AskEveryControl(dialog), 9, 1);
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      }));
  test::TempFolder dir(L"ヘルプ");
  Settings settings;
  EXPECT_TRUE(test::WithModalWindow(
      L"オプション", [&] { ShowOptionDialog(nullptr, settings, {dir / L"p.exe", dir / L"p.ini", dir / L"x.htm"}); },
      [](HWND dialog) {
        ExpectEveryControlHasHelp(AskEveryControl(dialog), 33, 4);  // and the note's second line
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      }));
  // The right-click entry buttons' topics of the other state have their texts too.
  for (int topic : {IDH_ALL_FILES_REMOVE, IDH_FOLDER_REMOVE, IDH_OPEN_TARGET_REMOVE, IDH_IE_REMOVE}) {
    const wchar_t* text = nullptr;
    EXPECT_GT(LoadStringW(GetModuleHandleW(nullptr), topic, reinterpret_cast<wchar_t*>(&text), 0), 20) << topic;
  }
}

TEST(ContextHelp, TheHelpButtonsModeShowsTheNextClickedControlsHelp) {
  test::MainWindowSession s;
  s.FinishTheLoad();
  HWND window = s.Handle();
  auto postClick = [&](POINT p) { PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y)); };

  // The focus goes back to where it was; the click shows the help and ends the mode.
  SetFocus(s.Control(IDC_TXT_COMMENT));
  test::Click(s.Control(IDC_BTN_HELP));
  s.PumpLikeTheProgram();
  EXPECT_EQ(GetFocus(), s.Control(IDC_TXT_COMMENT));
  ASSERT_EQ(HelpModeWindow(), window);
  postClick(ClientPointIn(window, s.Control(IDC_CHK_WHERE + 3), false));
  s.PumpLikeTheProgram();
  EXPECT_EQ(HelpModeWindow(), nullptr);
  EXPECT_NE(TakeHelpPopup().find(L"［送る］に、ショートカットを作成します"), std::wstring::npos);
  EXPECT_FALSE(test::IsChecked(s.Control(IDC_CHK_WHERE + 3))) << "the click only asked for help";

  // Esc, a click outside the window and the right button leave the mode with no help and
  // nothing else done.
  for (int way = 0; way < 3; ++way) {
    test::Click(s.Control(IDC_BTN_HELP));
    s.PumpLikeTheProgram();
    ASSERT_EQ(HelpModeWindow(), window) << way;
    if (way == 0) {
      PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
    } else if (way == 1) {
      postClick({-40, -40});
    } else {
      POINT p = ClientPointIn(window, s.Control(IDC_BTN_CREATE), false), screen = p;
      ClientToScreen(window, &screen);
      SetCursorPos(screen.x, screen.y);
      PostMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(p.x, p.y));
    }
    s.PumpLikeTheProgram();
    EXPECT_EQ(HelpModeWindow(), nullptr) << way;
    EXPECT_EQ(HelpPopup(), nullptr) << way;
    EXPECT_TRUE(s.IsOpen());
  }

  // A right-click on a label reaches the window itself; inside the group box the control under
  // the pointer is the one asked about, not the box.
  for (const auto& [control, text] : {std::pair{IDC_LBL_COMMENT, L"ショートカットのコメントです"},
                                      std::pair{IDC_CHK_WHERE + 5, L"下の欄で指定したフォルダに"}}) {
    const POINT p = ClientPointIn(window, s.Control(control), false);
    SendMessageW(window, WM_RBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    EXPECT_NE(TakeHelpPopup().find(text), std::wstring::npos) << control;
  }
}

// The window's tooltip control, found as the system holds it: a tooltip window owned by it.
HWND ToolTipWindowOf(HWND owner) {
  HWND found = nullptr;
  for (HWND w = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); w && !found;
       w = FindWindowExW(nullptr, w, TOOLTIPS_CLASSW, nullptr))
    if (GetWindow(w, GW_OWNER) == owner) found = w;
  return found;
}

// What the tooltip control was told: this bed's headless driver never hovers a tooltip up, so
// the test listens to the control instead of watching it.
WNDPROC g_tipsProc = nullptr;
std::vector<std::pair<UINT, WPARAM>> g_toldTips;
LRESULT CALLBACK ListeningTips(HWND tips, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == TTM_POP || message == TTM_ACTIVATE) g_toldTips.emplace_back(message, wParam);
  return CallWindowProcW(g_tipsProc, tips, message, wParam, lParam);
}

// A tooltip never covers the help text: the one up goes when the help comes, none comes while it
// is shown, and they are back once it is gone.
TEST(ContextHelp, NoTooltipComesOverTheHelpText) {
  test::MainWindowSession s;
  s.FinishTheLoad();
  HWND tips = ToolTipWindowOf(s.Handle());
  ASSERT_NE(tips, nullptr);
  g_tipsProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(tips, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ListeningTips)));
  const std::vector<std::pair<UINT, WPARAM>> held{{TTM_POP, 0}, {TTM_ACTIVATE, FALSE}};
  for (const int control : {IDC_CHK_ALLUSERS, IDC_CHK_WHERE + 3}) {
    g_toldTips.clear();
    SendMessageW(s.Control(control), WM_RBUTTONUP, 0, MAKELPARAM(2, 2));
    ASSERT_NE(HelpPopup(), nullptr);
    EXPECT_EQ(g_toldTips, held) << control;
    EXPECT_FALSE(IsWindowVisible(tips)) << control;
    EXPECT_FALSE(TakeHelpPopup().empty());
    ASSERT_EQ(g_toldTips.size(), 3u) << control;
    EXPECT_EQ(g_toldTips[2], (std::pair<UINT, WPARAM>{TTM_ACTIVATE, TRUE})) << control;
  }
  SetWindowLongPtrW(tips, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_tipsProc));
}

bool g_systemMenuShown = false;
void CALLBACK CloseSystemMenu(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  g_systemMenuShown = FindWindowW(L"#32768", nullptr) != nullptr;
  EndMenu();
}

// Help is for the controls: the right button on the title bar still opens the window's menu.
TEST(ContextHelp, TheTitleBarKeepsItsWindowMenu) {
  test::MainWindowSession s;
  RECT r{};
  GetWindowRect(s.Handle(), &r);
  const POINT caption{r.left + 60, r.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
  ASSERT_EQ(SendMessageW(s.Handle(), WM_NCHITTEST, 0, MAKELPARAM(caption.x, caption.y)), HTCAPTION);
  g_systemMenuShown = false;
  SetTimer(nullptr, 0, 50, CloseSystemMenu);
  SendMessageW(s.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(s.Handle()), MAKELPARAM(caption.x, caption.y));
  EXPECT_TRUE(g_systemMenuShown);
  EXPECT_EQ(HelpPopup(), nullptr);
}

TEST(ContextHelp, TheTitleBarsQuestionMarkStartsTheDialogsHelpMode) {
  EXPECT_TRUE(test::WithModalWindow(
      L"簡易URL生成", [] { ShowUrlDialog(nullptr, DefaultUrlTable(), L""); },
      [](HWND dialog) {
        EXPECT_TRUE(GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
        SendMessageW(dialog, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
        ASSERT_EQ(HelpModeWindow(), dialog);
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
        PumpDialog(dialog);
        EXPECT_EQ(HelpModeWindow(), nullptr);
        EXPECT_TRUE(IsWindowVisible(dialog)) << "Esc left the mode, not the dialog";

        SendMessageW(dialog, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
        const POINT p = ClientPointIn(dialog, GetDlgItem(dialog, IDC_BTN_URL_CLEAR), false);
        PostMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        test::Pump();
        EXPECT_EQ(TakeHelpPopup(), L"URLの欄を空にします。");
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      }));
}

}  // namespace
}  // namespace pelmora
