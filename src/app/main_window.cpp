#include "app/main_window.h"

#include <commctrl.h>

#include "app/main_window_controls.h"
#include "app/option_dialog.h"
#include "app/preset_menu.h"
#include "app/url_dialog.h"
#include "naming/derive_name.h"
#include "resource.h"
#include "settings/settings_file.h"
#include "settings/url_table.h"
#include "shortcut/create_command.h"
#include "shortcut/recent_folders_win.h"
#include "shortcut/destination_folders.h"
#include "text/text_rules.h"
#include "win/field_focus.h"
#include "win/message_box.h"
#include "win/message_box_placement.h"
#include "win/ole.h"
#include "win/program_info.h"
#include "win/system.h"

namespace pelmora {
namespace {

constexpr const wchar_t* kShowCmdEntries[] = {L"通常のウィンドウ", L"最小化", L"最大化"};
constexpr int kShowCommands[] = {SW_SHOW, SW_SHOWMINNOACTIVE, SW_SHOWMAXIMIZED};
constexpr const wchar_t* kAllUsersTip = L"ﾃﾞｽｸﾄｯﾌﾟ、ｽﾀｰﾄｱｯﾌﾟ、ｽﾀｰﾄﾒﾆｭｰのみ有効";
constexpr const wchar_t* kFlatButtonTips[FlatButtons::kCount] = {
    L"以下のﾌｫﾙﾀﾞを開く", L"以下のﾌｫﾙﾀﾞを開く", L"以下のﾌｫﾙﾀﾞを開く", L"このﾌｫﾙﾀﾞを開く",
    L"このﾌｫﾙﾀﾞを開く",   L"このﾌｫﾙﾀﾞを開く",   L"このﾌｫﾙﾀﾞを開く",   L"ﾘﾝｸ先の親ﾌｫﾙﾀﾞまたはURLを開く",
    L"ﾘﾝｸ先ﾊﾟｽ/URLをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ", L"ﾘﾝｸ先ﾊﾟｽ/URLにｸﾘｯﾌﾟﾎﾞｰﾄﾞから貼り付け"};
// The fields that select their whole text when the focus comes to them.
constexpr int kTextFields[] = {IDC_TXT_LNKPATH, IDC_TXT_OPTION, IDC_TXT_WRKPATH, IDC_TXT_SHORTCUTNAME,
                               IDC_TXT_COMMENT};
// Each label explains its field.
constexpr HelpTopic kHelpTopics[] = {
    {IDC_LBL_LNKPATH, IDC_TXT_LNKPATH},           {IDC_LBL_OPTION, IDC_TXT_OPTION},
    {IDC_LBL_WRKPATH, IDC_TXT_WRKPATH},           {IDC_LBL_SHOWCMD, IDC_CMB_SHOWCMD},
    {IDC_LBL_SHORTCUTNAME, IDC_TXT_SHORTCUTNAME}, {IDC_LBL_COMMENT, IDC_TXT_COMMENT},
};

}  // namespace

class MainWindow::CommandScope {
 public:
  explicit CommandScope(MainWindow& window) : window_(window) {
    if (window_.commandDepth_++ == 0 && window_.dropTarget_) window_.dropTarget_->SetEnabled(false);
  }
  ~CommandScope() {
    if (--window_.commandDepth_ > 0) return;
    if (window_.dropTarget_) window_.dropTarget_->SetEnabled(true);
    if (window_.unloadWhenIdle_) {
      window_.unloadWhenIdle_ = false;
      PostMessageW(window_.hwnd_, WM_CLOSE, 0, 0);
    }
  }
  CommandScope(const CommandScope&) = delete;
  CommandScope& operator=(const CommandScope&) = delete;

 private:
  MainWindow& window_;
};

MainWindow::MainWindow(HWND hwnd, std::wstring commandLine) : hwnd_(hwnd), commandLine_(std::move(commandLine)) {}

MainWindow* MainWindow::Open(HINSTANCE instance, int showCommand, const std::wstring& commandLine) {
  HWND hwnd = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_MAIN), nullptr, DialogProc,
                                 reinterpret_cast<LPARAM>(&commandLine));
  if (!hwnd) return nullptr;
  auto* window = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (window && !window->unloaded_) {
    ShowWindow(hwnd, showCommand);
    UpdateWindow(hwnd);
  }
  return window;
}

INT_PTR CALLBACK MainWindow::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    if (message == WM_INITDIALOG) {
      auto* window = new MainWindow(hwnd, *reinterpret_cast<const std::wstring*>(lParam));
      SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(window));
      window->Form_Load();
      // TRUE lets the dialog manager focus the first field; a start-up target focused the name.
      return window->focusTaken_ ? FALSE : TRUE;
    }
    auto* window = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!window) return FALSE;
    if (message == WM_NCDESTROY) {
      SetWindowLongPtrW(hwnd, DWLP_USER, 0);
      delete window;
      return FALSE;
    }
    return window->HandleMessage(message, wParam, lParam);
  } catch (...) {
    // Nothing may unwind into the system's dispatcher; the window stays usable.
    return FALSE;
  }
}

INT_PTR MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (help_.HandleMessage(message, wParam, lParam)) return TRUE;
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) Form_Activate();
      return FALSE;
    case WM_CLOSE:
      Form_Unload();
      return TRUE;
    case WM_TIMER:
      if (wParam != kAfterShowTimer) return FALSE;
      FinishLoad();
      return TRUE;
    case kTitleFetchedMessage:
      TitleFetched(wParam);
      return TRUE;
    case kHelpModeMessage:
      help_.BeginHelpMode();
      return TRUE;
    case kDroppedMessage: {
      // The drop itself returned at once; its data is taken now, outside the drag loop.
      std::vector<DroppedData> drops;
      drops.swap(pendingDrops_);
      if (!drops.empty() && !RunningCommand()) AcceptDroppedData(drops.back());
      return TRUE;
    }
    case WM_SETCURSOR:
      // The pointer says that the window works on: a title is on its way.
      if (download_ && LOWORD(lParam) == HTCLIENT) {
        SetCursor(LoadCursorW(nullptr, IDC_APPSTARTING));
        SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, TRUE);
        return TRUE;
      }
      return FALSE;
    case WM_DPICHANGED: {
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      SetWindowIcons();
      flatButtons_.LoadIcons();
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item->CtlID == IDC_PIC_ICON) {
        preview_.Paint(item->hDC, item->rcItem);
        return TRUE;
      }
      return flatButtons_.Draw(*item) ? TRUE : FALSE;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
      // The edit part of a sub-folder combo: window colour while enabled, button face when not.
      HWND control = reinterpret_cast<HWND>(lParam);
      HWND combo = GetParent(control);
      for (const SubFolderControls& sub : kSubFolderControls) {
        if (combo == Control(sub.combo) || control == Control(sub.combo)) {
          const int colour = ComboBackground(sub.combo);
          HDC dc = reinterpret_cast<HDC>(wParam);
          SetBkColor(dc, GetSysColor(colour));
          SetTextColor(dc, GetSysColor(IsWindowEnabled(Control(sub.combo)) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
          return reinterpret_cast<INT_PTR>(colour == COLOR_WINDOW ? windowBrush_ : buttonFaceBrush_);
        }
      }
      return FALSE;
    }
    case WM_DESTROY:
      StopTitleFetch();
      if (dropsRegistered_) RevokeDragDrop(hwnd_);
      dropTarget_.Reset();
      return FALSE;
    default:
      return FALSE;
  }
}

void MainWindow::OnCommand(int id, int code) {
  if (code != BN_CLICKED && code != EN_CHANGE) return;
  if (code == BN_CLICKED) FinishLoad();  // a command may need what comes after the first paint
  if (id >= IDC_CHK_WHERE && id < IDC_CHK_WHERE + kDestinationCount) {
    chkWhere_Click(id - IDC_CHK_WHERE);
    return;
  }
  if (id == IDC_CHK_ALLUSERS) return chkAllUsers_Click();
  if (id == IDC_TXT_LNKPATH && code == EN_CHANGE) return txtLnkPath_Change();
  if (id == IDC_TXT_SHORTCUTNAME && code == EN_CHANGE) return txtShortCutName_Change();
  if (code != BN_CLICKED) return;
  if (id >= IDC_BTN_CLEAR && id < IDC_BTN_CLEAR + 2) return btnClear_Click(id - IDC_BTN_CLEAR);
  if (id == IDC_BTN_EXIT) return btnExit_Click();
  if (id == IDC_BTN_HELP) return btnHelp_Click();

  // Commands below show boxes, pickers or dialogs: one at a time (a double click on 作成 must
  // not run it twice).
  if (RunningCommand()) return;
  const CommandScope scope(*this);
  if (id >= IDC_BTN_BROWS && id < IDC_BTN_BROWS + 5) return btnBrows_Click(id - IDC_BTN_BROWS);
  if (id == IDC_BTN_URL) return btnURL_Click();
  if (id == IDC_BTN_SPECIAL) return btnSpecial_Click();
  if (id == IDC_BTN_OPTION) return btnOption_Click();
  if (id == IDC_BTN_ABOUT) return btnAbout_Click();
  if (id >= IDC_PIC_FLATBUTTON && id < IDC_PIC_FLATBUTTON + FlatButtons::kCount)
    return picFlatButton_Click(id - IDC_PIC_FLATBUTTON);
  // Enter arrives as IDOK; it creates only when 作成 could be clicked.
  if ((id == IDC_BTN_CREATE || id == IDOK) && IsWindowEnabled(Control(IDC_BTN_CREATE))) return btnCreate_Click();
}

std::wstring MainWindow::Text(int id) const { return WindowText(Control(id)); }

void MainWindow::SetText(int id, const std::wstring& text) { SetWindowTextW(Control(id), text.c_str()); }

bool MainWindow::IsChecked(int id) const { return IsDlgButtonChecked(hwnd_, id) == BST_CHECKED; }

void MainWindow::SetChecked(int id, bool checked) {
  if (IsChecked(id) == checked) return;
  CheckDlgButton(hwnd_, id, checked ? BST_CHECKED : BST_UNCHECKED);
  OnCommand(id, BN_CLICKED);
}

int MainWindow::ComboBackground(int comboId) const {
  return IsWindowEnabled(Control(comboId)) ? COLOR_WINDOW : COLOR_BTNFACE;
}

// ---- load and unload ----

void MainWindow::SetWindowIcons() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  const UINT dpi = GetDpiForWindow(hwnd_);
  auto load = [&](int metric) {
    const int size = dpi ? GetSystemMetricsForDpi(metric, dpi) : GetSystemMetrics(metric);
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, size, size, 0));
  };
  // The window keeps using the icons it was given: the old ones go only once replaced.
  win::IconHandle big(load(SM_CXICON)), small(load(SM_CXSMICON));
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
  bigIcon_ = std::move(big);
  smallIcon_ = std::move(small);
}

void MainWindow::Form_Load() {
  windowBrush_ = GetSysColorBrush(COLOR_WINDOW);
  buttonFaceBrush_ = GetSysColorBrush(COLOR_BTNFACE);
  SetWindowIcons();
  tips_.Attach(hwnd_);
  preview_.Attach(Control(IDC_PIC_ICON), [this](const std::wstring& tip) { tips_.Set(Control(IDC_PIC_ICON), tip); });

  // 2. The caption is the product name of the program's version information.
  const ProgramInfo info = ReadProgramInfo();
  SetWindowTextW(hwnd_, info.productName.empty() ? kAppTitle : info.productName.c_str());
  // 3. Run sizes.
  for (const wchar_t* entry : kShowCmdEntries)
    SendDlgItemMessageW(hwnd_, IDC_CMB_SHOWCMD, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
  SendDlgItemMessageW(hwnd_, IDC_CMB_SHOWCMD, CB_SETCURSEL, 0, 0);
  // 6. Nothing to create yet.
  EnableWindow(Control(IDC_BTN_CREATE), FALSE);
  iconFile_.clear();
  iconIndex_ = 0;
  // 7. Files beside the program.
  const std::wstring folder = ProgramFolder();
  const std::wstring base = ProgramBaseName();
  settingsFilePath_ = folder + base + L".ini";
  urlIniPath_ = folder + L"Url.ini";
  // 8. Settings, the window position and the remembered destinations.
  ApplySettings();
  // 9. System folders, where the presets find their programs.
  windowsFolder_ = GetWindowsFolder();
  systemFolder_ = GetSystemFolder();
  // 10. Tool buttons.
  flatButtons_.Attach(hwnd_, IDC_PIC_FLATBUTTON, [this](int index) { return ToolButtonUsable(index); });
  for (int i = 0; i < FlatButtons::kCount; ++i) tips_.Set(Control(IDC_PIC_FLATBUTTON + i), kFlatButtonTips[i]);
  help_.Attach(hwnd_, kHelpTopics);
  // 11. The shortcut arrow and the internet-shortcut icon of the preview.
  preview_.LoadPreviewIcons(systemFolder_);
  // 12. Recent sub-folders.
  for (const SubFolderControls& sub : kSubFolderControls)
    LoadRecentFolders(recent_[static_cast<int>(sub.list)], Control(sub.combo), settingsFilePath_);
  // 13. Destination folders and what is available here.
  folders_ = PrepareSpecialFolders(hwnd_);
  if (!folders_.allUsersAvailable) {
    CheckDlgButton(hwnd_, IDC_CHK_ALLUSERS, BST_UNCHECKED);
    EnableWindow(Control(IDC_CHK_ALLUSERS), FALSE);
  }
  if (!folders_.quickLaunchAvailable) {
    const int quickLaunch = static_cast<int>(DestinationKind::QuickLaunch);
    CheckDlgButton(hwnd_, IDC_CHK_WHERE + quickLaunch, BST_UNCHECKED);
    EnableWindow(Control(IDC_CHK_WHERE + quickLaunch), FALSE);
    EnableWindow(Control(IDC_PIC_FLATBUTTON + quickLaunch), FALSE);
    flatButtons_.Hide(quickLaunch);
  }
  // 14. Tooltips.
  tips_.Set(Control(IDC_CHK_ALLUSERS), kAllUsersTip);
  SetDestinationTooltips();
  tips_.Set(Control(IDC_BTN_URL), L"簡易URL生成ﾀﾞｲｱﾛｸﾞを表示");
  tips_.Set(Control(IDC_BTN_SPECIAL), L"特殊ｼｮｰﾄｶｯﾄの作成");
  tips_.Set(Control(IDC_BTN_ABOUT), L"ﾍﾟﾙﾓﾗについて...");
  tips_.Set(Control(IDC_BTN_HELP), L"ｺﾝﾃｷｽﾄﾍﾙﾌﾟを表示");
  // 15. A first Start-menu and Favorites folder to offer.
  if (recent_[static_cast<int>(RecentList::StartMenu)].Empty()) {
    SetText(IDC_CMB_STARTMENUPATH, IsChecked(IDC_CHK_ALLUSERS) ? folders_.commonPrograms : folders_.programs);
    RememberSubFolder(RecentList::StartMenu);
  }
  if (recent_[static_cast<int>(RecentList::Favorites)].Empty()) {
    SetText(IDC_CMB_FAVORITESPATH, folders_.favorites);
    RememberSubFolder(RecentList::Favorites);
  }
  UpdateCreateButton();
  // Files and URLs may be dropped anywhere on the window; a drop only hands its data over. The
  // window takes drops once it is shown: OLE starts then, not before.
  dropTarget_.Attach(new DropTarget([this](const DroppedData& data) {
    pendingDrops_.push_back(data);
    PostMessageW(hwnd_, kDroppedMessage, 0, 0);
  }));
  SetTimer(hwnd_, kAfterShowTimer, kAfterShowDelayMs, nullptr);
  // 16. A target handed over on the command line.
  if (!commandLine_.empty()) TakeStartupTarget(commandLine_);
}

void MainWindow::ApplySettings() {
  const LoadedSettings loaded = LoadSettings(settingsFilePath_);
  settings_ = loaded.settings;
  preview_.SetArrowHidden(settings_.ArrowIcon == 1);
  if (loaded.windowLeftTop) {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    const long width = r.right - r.left, height = r.bottom - r.top;
    // The work area of the monitor the stored position lies on (a second screen stays the
    // second), or of the nearest one when that monitor is gone.
    const RECT stored{loaded.windowLeftTop->left, loaded.windowLeftTop->top, loaded.windowLeftTop->left + width,
                      loaded.windowLeftTop->top + height};
    const RECT area = WorkAreaNearest(stored);
    const ScreenPoint p = ClampOntoScreen({stored.left, stored.top}, width, height,
                                          {area.left, area.top, area.right, area.bottom});
    SetWindowPos(hwnd_, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (loaded.boxStates) {
    SetChecked(IDC_CHK_ALLUSERS, loaded.boxStates->AllUsers == 1);
    for (int i = 0; i < kDestinationCount; ++i) SetChecked(IDC_CHK_WHERE + i, loaded.boxStates->where[i] == 1);
  }
  // The sub-folder combos follow their boxes whether or not the boxes changed.
  for (const SubFolderControls& sub : kSubFolderControls) chkWhere_Click(static_cast<int>(sub.destination));
  windowsVersionCheck_ = loaded.WindowsVersionCheck;
}

void MainWindow::RememberSubFolder(RecentList which) {
  RememberRecentFolder(recent_[static_cast<int>(which)], Control(SubFolderControlsOf(which).combo));
}

void MainWindow::SetDestinationTooltips() {
  chkAllUsers_Click();
  tips_.Set(Control(IDC_CHK_WHERE + 3), folders_.sendTo);
  tips_.Set(Control(IDC_CHK_WHERE + 4), folders_.quickLaunch);
  tips_.Set(Control(IDC_CHK_WHERE + 6), folders_.favorites.empty() ? std::wstring() : folders_.favorites + L"...");
}

void MainWindow::FinishLoad() {
  if (loadFinished_) return;
  loadFinished_ = true;
  KillTimer(hwnd_, kAfterShowTimer);
  // The common controls (for the tooltips and the dialogs), OLE (for drag and drop) and the
  // URL table are not needed to show the window; each costs more than the window itself.
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_LINK_CLASS};
  InitCommonControlsEx(&controls);
  tips_.Create();
  // The tool buttons follow the pointer. Drawn by the program, they show no text: their text is
  // their tooltip, the name a screen reader says. Fields select their text when the focus comes
  // to them; the help button gives the focus back before its help mode.
  flatButtons_.FollowPointer();
  for (int i = 0; i < FlatButtons::kCount; ++i) SetWindowTextW(Control(IDC_PIC_FLATBUTTON + i), kFlatButtonTips[i]);
  for (int id : kTextFields) SelectAllOnFocus(Control(id));
  RememberFocusBefore(Control(IDC_BTN_HELP));
  urlTable_ = LoadUrlTable(urlIniPath_);
  if (dropTarget_ && EnsureOle()) dropsRegistered_ = SUCCEEDED(RegisterDragDrop(hwnd_, dropTarget_.Get()));
}

void MainWindow::Form_Activate() { SetMessageBoxOwner(hwnd_); }

void MainWindow::Form_Unload() {
  if (unloaded_) return;
  // A command still has a box or dialog open on this window: close once it is over.
  if (RunningCommand()) {
    unloadWhenIdle_ = true;
    return;
  }
  unloaded_ = true;
  StopTitleFetch();
  std::optional<WindowLeftTop> position;
  if (settings_.WindowPos == 1) {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    position = WindowLeftTop{r.left, r.top};
  }
  ShortcutFolderStates boxes;
  boxes.AllUsers = IsChecked(IDC_CHK_ALLUSERS) ? 1 : 0;
  for (int i = 0; i < kDestinationCount; ++i) boxes.where[i] = IsChecked(IDC_CHK_WHERE + i) ? 1 : 0;
  // The options and the recent lists go into the file in one replace, so that another window
  // closing at the same moment cannot leave half of each.
  ProfileWrites recentFolders;
  for (const SubFolderControls& sub : kSubFolderControls)
    AddRecentFolderWrites(recent_[static_cast<int>(sub.list)], recentFolders);
  SaveSettings(settingsFilePath_, settings_, position, boxes, recentFolders);
  if (MessageBoxOwner() == hwnd_) SetMessageBoxOwner(nullptr);
  DestroyWindow(hwnd_);
  PostQuitMessage(0);
}

// ---- shortcut information and destinations ----

void MainWindow::UpdateCreateButton() {
  bool anyDestination = false;
  for (int i = 0; i < kDestinationCount; ++i) anyDestination = anyDestination || IsChecked(IDC_CHK_WHERE + i);
  // While a title is on its way the name is not yet what the shortcut will be called.
  const bool enable = !TrimSpaces(Text(IDC_TXT_LNKPATH)).empty() &&
                      !TrimSpaces(Text(IDC_TXT_SHORTCUTNAME)).empty() && anyDestination && !download_;
  EnableWindow(Control(IDC_BTN_CREATE), enable);
}

void MainWindow::txtLnkPath_Change() { UpdateCreateButton(); }

void MainWindow::txtShortCutName_Change() {
  // A name typed while the title is fetched is the user's choice: the title is not wanted.
  if (download_ && Text(IDC_TXT_SHORTCUTNAME) != kFetchingTitleText) StopTitleFetch();
  UpdateCreateButton();
}

void MainWindow::chkWhere_Click(int index) {
  if (const SubFolderDestination* d = SubFolderDestinationOf(static_cast<DestinationKind>(index))) {
    const SubFolderControls& sub = SubFolderControlsOf(d->list);
    const BOOL enable = IsChecked(IDC_CHK_WHERE + index);
    EnableWindow(Control(sub.combo), enable);
    EnableWindow(Control(sub.browse), enable);
    InvalidateRect(Control(sub.combo), nullptr, TRUE);
  }
  UpdateCreateButton();
}

void MainWindow::chkAllUsers_Click() {
  const bool all = IsChecked(IDC_CHK_ALLUSERS);
  auto withDots = [](const std::wstring& folder) { return folder.empty() ? folder : folder + L"..."; };
  tips_.Set(Control(IDC_CHK_WHERE + 0), all ? folders_.commonDesktop : folders_.desktop);
  tips_.Set(Control(IDC_CHK_WHERE + 1), withDots(all ? folders_.commonPrograms : folders_.programs));
  tips_.Set(Control(IDC_CHK_WHERE + 2), all ? folders_.commonStartup : folders_.startup);
}

void MainWindow::ClearIconPreview() { preview_.Clear(); }

void MainWindow::btnClear_Click(int index) {
  if (index == 0) {
    StopTitleFetch();
    for (int id : {IDC_TXT_SHORTCUTNAME, IDC_TXT_LNKPATH, IDC_TXT_OPTION, IDC_TXT_WRKPATH, IDC_TXT_COMMENT})
      SetText(id, L"");
    SendDlgItemMessageW(hwnd_, IDC_CMB_SHOWCMD, CB_SETCURSEL, 0, 0);
    ClearIconPreview();
    // The icon index keeps its value: it means nothing without a file.
    iconFile_.clear();
  } else {
    SetChecked(IDC_CHK_ALLUSERS, false);
    for (int i = 0; i < kDestinationCount; ++i) SetChecked(IDC_CHK_WHERE + i, false);
  }
}

void MainWindow::btnExit_Click() { Form_Unload(); }

void MainWindow::btnURL_Click() {
  const auto url = ShowUrlDialog(hwnd_, urlTable_, Text(IDC_TXT_LNKPATH));
  if (!url) return;
  // The page title only when both options ask for it; otherwise the name stays as it is.
  const bool fetchTitle = settings_.GetUrlTitle == 1 && settings_.GetUrlDlgTitle == 1;
  if (fetchTitle) targetKind_ = TargetKind::Url;
  AdoptUrl(*url, nullptr, fetchTitle, true);
}

void MainWindow::btnSpecial_Click() {
  const auto fields = ShowSpecialMenu(hwnd_, Control(IDC_BTN_SPECIAL), {windowsFolder_, systemFolder_},
                                      windowsVersionCheck_);
  if (fields) AdoptPreset(*fields);
}

void MainWindow::btnOption_Click() {
  ShowOptionDialog(hwnd_, settings_, OptionPathsOfProgram());
  // The arrow follows the option at once; the icon under it stays.
  preview_.SetArrowHidden(settings_.ArrowIcon == 1);
}

void MainWindow::btnCreate_Click() {
  CreateRequest request;
  request.link.target = Text(IDC_TXT_LNKPATH);
  request.link.arguments = Text(IDC_TXT_OPTION);
  request.link.workingFolder = Text(IDC_TXT_WRKPATH);
  const LRESULT runSize = SendDlgItemMessageW(hwnd_, IDC_CMB_SHOWCMD, CB_GETCURSEL, 0, 0);
  request.link.showCommand = kShowCommands[runSize >= 0 && runSize < 3 ? runSize : 0];
  request.link.comment = Text(IDC_TXT_COMMENT);
  request.link.iconFile = iconFile_;
  request.link.iconIndex = iconIndex_;
  request.name = Text(IDC_TXT_SHORTCUTNAME);
  for (int i = 0; i < kDestinationCount; ++i) request.ticked[i] = IsChecked(IDC_CHK_WHERE + i);
  request.allUsers = IsChecked(IDC_CHK_ALLUSERS);
  for (const SubFolderControls& sub : kSubFolderControls)
    request.subFolders[static_cast<int>(sub.list)] = Text(sub.combo);
  request.folders = folders_;
  request.noMessage = settings_.NoMessage == 1;

  const CreateResult result = CreateShortcuts(request, link_);
  if (result.classified) targetKind_ = result.kind;
  if (result.startupCleared) SetChecked(IDC_CHK_WHERE + static_cast<int>(DestinationKind::Startup), false);
  for (RecentList list : result.usedSubFolders) RememberSubFolder(list);
  if (result.focus) FocusField(Control(FieldControl(*result.focus)));
  // The close runs once this command is over.
  if (result.finished && exitAfterCreate_) Form_Unload();
}

}  // namespace pelmora
