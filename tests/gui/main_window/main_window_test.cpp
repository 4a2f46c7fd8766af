// The real main window, driven as a user would drive it.
#include <gtest/gtest.h>

#include <cmath>

#include "win/message_box.h"
#include "win/system.h"
#include "resource.h"
#include "support/win/gui_driver.h"
#include "support/win/main_window_fixture.h"
#include "support/win/test_env.h"

namespace pelmora {
namespace {

using test::Click;
using test::IsChecked;
using test::IsEnabled;
using test::MainWindowSession;
using test::Type;

TEST(MainWindow, OpensInJapaneseWithEmptyShortcutInformation) {
  MainWindowSession s;
  ASSERT_TRUE(s.IsOpen());
  EXPECT_EQ(test::TextOf(s.Handle()), L"ペルモラ");
  EXPECT_EQ(test::TextOf(s.Control(IDC_BTN_CREATE)), L"作成(&C)");
  EXPECT_EQ(test::TextOf(s.Control(IDC_CHK_WHERE + 1)), L"スタートメニュー/プログラム(&P)");
  EXPECT_EQ(test::TextOf(s.Control(IDC_CMB_SHOWCMD)), L"通常のウィンドウ");
  EXPECT_EQ(SendMessageW(s.Control(IDC_CMB_SHOWCMD), CB_GETCOUNT, 0, 0), 3);
  EXPECT_FALSE(IsEnabled(s.Control(IDC_BTN_CREATE)));
  EXPECT_EQ(s.ToolTipOf(IDC_CHK_ALLUSERS), L"ﾃﾞｽｸﾄｯﾌﾟ、ｽﾀｰﾄｱｯﾌﾟ、ｽﾀｰﾄﾒﾆｭｰのみ有効");
  EXPECT_EQ(s.ToolTipOf(IDC_PIC_FLATBUTTON + 8), L"ﾘﾝｸ先ﾊﾟｽ/URLをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ");
}

// What the window needs only once it is shown comes right after: the tooltip window, drag
// and drop, the URL table.
TEST(MainWindow, TheRestOfTheLoadFollowsTheFirstIdleMoment) {
  const std::wstring urlIni = ProgramFolder() + L"Url.ini";
  MainWindowSession s;
  // (Parallel test programs share Wine's foreground: the window may not have been activated.)
  const HWND focusAtLoad = GetFocus();
  s.FinishTheLoad();
  EXPECT_NE(GetPropW(s.Handle(), L"OleDropTargetInterface"), nullptr);
  EXPECT_TRUE(test::FileExists(urlIni));
  EXPECT_EQ(s.ToolTipOf(IDC_CHK_ALLUSERS), L"ﾃﾞｽｸﾄｯﾌﾟ、ｽﾀｰﾄｱｯﾌﾟ、ｽﾀｰﾄﾒﾆｭｰのみ有効");
  EXPECT_EQ(GetFocus(), focusAtLoad);  // the focus stays where the load put it
}

TEST(MainWindow, CreateButtonNeedsTargetNameAndADestination) {
  MainWindowSession s;
  HWND create = s.Control(IDC_BTN_CREATE);
  struct Step {
    const wchar_t* target;
    const wchar_t* name;
    bool desktop;
    bool enabled;
  } steps[] = {
      {L"C:\\a.txt", L"", false, false},   {L"C:\\a.txt", L"a", false, false},
      {L"C:\\a.txt", L"a", true, true},    {L"C:\\a.txt", L"   ", true, false},
      {L"   ", L"a", true, false},         {L"C:\\a.txt", L"\tx", true, true},
      {L"C:\\a.txt", L" a ", false, false},
  };
  for (const auto& step : steps) {
    Type(s.Control(IDC_TXT_LNKPATH), step.target);
    Type(s.Control(IDC_TXT_SHORTCUTNAME), step.name);
    if (IsChecked(s.Control(IDC_CHK_WHERE)) != step.desktop) Click(s.Control(IDC_CHK_WHERE));
    EXPECT_EQ(IsEnabled(create), step.enabled) << "[" << testing::PrintToString(std::wstring(step.target)) << "] ["
                                               << testing::PrintToString(std::wstring(step.name)) << "]";
  }
  // A destination ticked by the window itself (from the remembered boxes) counts as well.
  s.Close();
  WritePrivateProfileStringW(L"GENERAL", L"CheckLocation", L"1", test::SettingsFile().c_str());
  WritePrivateProfileStringW(L"ShortcutFolder", L"Free", L"1", test::SettingsFile().c_str());
  {
    MainWindowSession again;
    Type(again.Control(IDC_TXT_LNKPATH), L"C:\\a.txt");
    Type(again.Control(IDC_TXT_SHORTCUTNAME), L"a");
    EXPECT_TRUE(IsEnabled(again.Control(IDC_BTN_CREATE)));
  }
  DeleteFileW(test::SettingsFile().c_str());
}

// The brush the window paints a combo's edit part with, asked as the system asks.
HBRUSH ComboBackground(MainWindowSession& s, int combo) {
  HWND edit = FindWindowExW(s.Control(combo), nullptr, L"Edit", nullptr);
  HDC dc = GetDC(edit);
  const auto brush = reinterpret_cast<HBRUSH>(
      SendMessageW(s.Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit)));
  ReleaseDC(edit, dc);
  return brush;
}

TEST(MainWindow, SubFolderDestinationsEnableTheirComboAndBrowseButton) {
  MainWindowSession s;
  struct Row {
    int index, combo, browse;
  } rows[] = {{1, IDC_CMB_STARTMENUPATH, IDC_BTN_BROWS + 2},
              {5, IDC_CMB_FREEPATH, IDC_BTN_BROWS + 1},
              {6, IDC_CMB_FAVORITESPATH, IDC_BTN_BROWS + 4}};
  for (const auto& r : rows) {
    EXPECT_FALSE(IsEnabled(s.Control(r.combo)));
    EXPECT_EQ(ComboBackground(s, r.combo), GetSysColorBrush(COLOR_BTNFACE));
    Click(s.Control(IDC_CHK_WHERE + r.index));
    EXPECT_TRUE(IsEnabled(s.Control(r.combo)));
    EXPECT_TRUE(IsEnabled(s.Control(r.browse)));
    EXPECT_EQ(ComboBackground(s, r.combo), GetSysColorBrush(COLOR_WINDOW));
    Click(s.Control(IDC_CHK_WHERE + r.index));
    EXPECT_FALSE(IsEnabled(s.Control(r.combo)));
    EXPECT_FALSE(IsEnabled(s.Control(r.browse)));
  }
}

TEST(MainWindow, AllUsersSwitchesTheDestinationTooltips) {
  MainWindowSession s;
  const SpecialFolders f = s.Folders();
  ASSERT_TRUE(f.allUsersAvailable);
  EXPECT_EQ(s.ToolTipOf(IDC_CHK_WHERE + 0), f.desktop);
  EXPECT_EQ(s.ToolTipOf(IDC_CHK_WHERE + 1), f.programs + L"...");
  EXPECT_EQ(s.ToolTipOf(IDC_CHK_WHERE + 2), f.startup);
  EXPECT_EQ(s.ToolTipOf(IDC_CHK_WHERE + 3), f.sendTo);
  EXPECT_EQ(s.ToolTipOf(IDC_CHK_WHERE + 6), f.favorites + L"...");
  EXPECT_EQ(s.ToolTipOf(IDC_CHK_WHERE + 5), L"");
  Click(s.Control(IDC_CHK_ALLUSERS));
  EXPECT_EQ(s.ToolTipOf(IDC_CHK_WHERE + 0), f.commonDesktop);
  EXPECT_EQ(s.ToolTipOf(IDC_CHK_WHERE + 1), f.commonPrograms + L"...");
  EXPECT_EQ(s.ToolTipOf(IDC_CHK_WHERE + 2), f.commonStartup);
  EXPECT_NE(f.commonDesktop, f.desktop);
}

TEST(MainWindow, EachClearCommandLeavesTheOtherHalfAlone) {
  MainWindowSession s;
  const int fields[] = {IDC_TXT_LNKPATH, IDC_TXT_OPTION, IDC_TXT_WRKPATH, IDC_TXT_SHORTCUTNAME, IDC_TXT_COMMENT};
  auto fill = [&] {
    for (int id : fields) Type(s.Control(id), L"x" + std::to_wstring(id));
    SendMessageW(s.Control(IDC_CMB_SHOWCMD), CB_SETCURSEL, 2, 0);
    for (int i : {0, 1, 6}) s.SetBox(IDC_CHK_WHERE + i, true);
    s.SetBox(IDC_CHK_ALLUSERS, true);
  };
  fill();
  Click(s.Control(IDC_BTN_CLEAR + 0));
  for (int id : fields) EXPECT_EQ(test::TextOf(s.Control(id)), L"") << id;
  EXPECT_EQ(SendMessageW(s.Control(IDC_CMB_SHOWCMD), CB_GETCURSEL, 0, 0), 0);
  for (int i : {0, 1, 6}) EXPECT_TRUE(IsChecked(s.Control(IDC_CHK_WHERE + i)));
  EXPECT_TRUE(IsChecked(s.Control(IDC_CHK_ALLUSERS)));
  EXPECT_FALSE(IsEnabled(s.Control(IDC_BTN_CREATE)));

  fill();
  Click(s.Control(IDC_BTN_CLEAR + 1));
  for (int id : fields) EXPECT_EQ(test::TextOf(s.Control(id)), L"x" + std::to_wstring(id));
  for (int i = 0; i < 7; ++i) EXPECT_FALSE(IsChecked(s.Control(IDC_CHK_WHERE + i)));
  EXPECT_FALSE(IsChecked(s.Control(IDC_CHK_ALLUSERS)));
  // The toggles ran: the sub-folder combos follow their boxes.
  EXPECT_FALSE(IsEnabled(s.Control(IDC_CMB_STARTMENUPATH)));
  EXPECT_FALSE(IsEnabled(s.Control(IDC_BTN_CREATE)));
}

TEST(MainWindow, ExitUnloadsTheWindow) {
  MainWindowSession s;
  Click(s.Control(IDC_BTN_EXIT));
  EXPECT_FALSE(s.IsOpen());
  MSG msg;
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// A real box, placed by the hook on its owner.
RECT ShowBoxOver(HWND owner) {
  RECT box{};
  test::WithRealBox(
      L"配置テスト", [&] { MessageBox(owner, L"テキスト", MB_OK | MB_ICONINFORMATION, L"配置テスト"); },
      [&](HWND window) { GetWindowRect(window, &box); });
  return box;
}

TEST(MessageBox, CentresOnTheOwnerAndStaysOnScreen) {
  MainWindowSession s;
  const int screenH = GetSystemMetrics(SM_CYSCREEN);
  RECT owner{};
  GetWindowRect(s.Handle(), &owner);
  const int ownerW = owner.right - owner.left, ownerH = owner.bottom - owner.top;
  ASSERT_LT(ownerH, screenH);

  // Centred on the owner.
  SetWindowPos(s.Handle(), nullptr, 50, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  RECT box = ShowBoxOver(s.Handle());
  const int boxW = box.right - box.left, boxH = box.bottom - box.top;
  ASSERT_GT(boxW, 0);
  EXPECT_NEAR(box.left, 50 + ownerW / 2 - boxW / 2, 1);
  EXPECT_NEAR(box.top, 40 + ownerH / 2 - boxH / 2, 1);

  // Main window half off the left screen edge: the box is placed at x = 0.
  SetWindowPos(s.Handle(), nullptr, -ownerW + 10, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  box = ShowBoxOver(s.Handle());
  EXPECT_EQ(box.left, 0);

  // A box that would reach below the screen sits at 90 % of the free height.
  SetWindowPos(s.Handle(), nullptr, 50, screenH - 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  box = ShowBoxOver(s.Handle());
  EXPECT_EQ(box.top, static_cast<LONG>(std::nearbyint((screenH - boxH) * 0.9)));
  EXPECT_LT(box.bottom, screenH);
}

}  // namespace
}  // namespace pelmora
