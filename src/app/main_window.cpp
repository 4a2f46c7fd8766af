#include "app/main_window.h"

#include <commctrl.h>

#include "win/message_box.h"
#include "win/program_info.h"
#include "win/system.h"
#include "text/text_rules.h"
#include "resource.h"
#include "win/message_box_placement.h"
#include "naming/derive_name.h"
#include "settings/settings_file.h"
#include "shortcut/create_command.h"
#include "shortcut/name_rules.h"
#include "shortcut/recent_folders_win.h"
#include "shortcut/special_folders.h"
#include "shortcut/create_command.h"

namespace pelmora {
namespace {

constexpr const wchar_t* kShowCmdEntries[] = {L"通常のウィンドウ", L"最小化", L"最大化"};
constexpr const wchar_t* kAllUsersTip = L"ﾃﾞｽｸﾄｯﾌﾟ、ｽﾀｰﾄｱｯﾌﾟ、ｽﾀｰﾄﾒﾆｭｰのみ有効";
constexpr const wchar_t* kFlatButtonTips[10] = {
    L"以下のﾌｫﾙﾀﾞを開く", L"以下のﾌｫﾙﾀﾞを開く", L"以下のﾌｫﾙﾀﾞを開く", L"このﾌｫﾙﾀﾞを開く",
    L"このﾌｫﾙﾀﾞを開く",   L"このﾌｫﾙﾀﾞを開く",   L"このﾌｫﾙﾀﾞを開く",   L"ﾘﾝｸ先の親ﾌｫﾙﾀﾞまたはURLを開く",
    L"ﾘﾝｸ先ﾊﾟｽ/URLをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ", L"ﾘﾝｸ先ﾊﾟｽ/URLにｸﾘｯﾌﾟﾎﾞｰﾄﾞから貼り付け"};

// The sub-folder combo and browse button that follow a destination's check box.
struct SubFolderControls {
  int combo, browse;
};
int ComboOfList(RecentList which) {
  switch (which) {
    case RecentList::StartMenu: return IDC_CMB_STARTMENUPATH;
    case RecentList::Favorites: return IDC_CMB_FAVORITESPATH;
    default: return IDC_CMB_FREEPATH;
  }
}

int FieldControl(ShortcutField field) {
  switch (field) {
    case ShortcutField::Target: return IDC_TXT_LNKPATH;
    case ShortcutField::StartMenuPath: return IDC_CMB_STARTMENUPATH;
    case ShortcutField::FavoritesPath: return IDC_CMB_FAVORITESPATH;
    case ShortcutField::FreePath: return IDC_CMB_FREEPATH;
    case ShortcutField::Name: break;
  }
  return IDC_TXT_SHORTCUTNAME;
}

bool SubFolderOf(int destination, SubFolderControls& out) {
  switch (destination) {
    case 1: out = {IDC_CMB_STARTMENUPATH, IDC_BTN_BROWS + 2}; return true;
    case 5: out = {IDC_CMB_FREEPATH, IDC_BTN_BROWS + 1}; return true;
    case 6: out = {IDC_CMB_FAVORITESPATH, IDC_BTN_BROWS + 4}; return true;
    default: return false;
  }
}

}  // namespace

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
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item->CtlID == IDC_PIC_ICON) {
        preview_.Paint(item->hDC, item->rcItem);
        return TRUE;
      }
      if (item->CtlID >= IDC_PIC_FLATBUTTON && item->CtlID < IDC_PIC_FLATBUTTON + 10) {
        DrawFlatButton(*item);
        return TRUE;
      }
      return FALSE;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
      // The edit part of a sub-folder combo: window colour while enabled, button face when not.
      HWND control = reinterpret_cast<HWND>(lParam);
      HWND combo = GetParent(control);
      for (int id : {IDC_CMB_STARTMENUPATH, IDC_CMB_FREEPATH, IDC_CMB_FAVORITESPATH}) {
        if (combo == Control(id) || control == Control(id)) {
          const int colour = ComboBackground(id);
          HDC dc = reinterpret_cast<HDC>(wParam);
          SetBkColor(dc, GetSysColor(colour));
          SetTextColor(dc, GetSysColor(IsWindowEnabled(Control(id)) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
          return reinterpret_cast<INT_PTR>(colour == COLOR_WINDOW ? windowBrush_ : buttonFaceBrush_);
        }
      }
      return FALSE;
    }
    case WM_DESTROY:
      if (dropTarget_) {
        RevokeDragDrop(hwnd_);
        dropTarget_->Release();
        dropTarget_ = nullptr;
      }
      for (HICON& icon : flatIcons_) {
        if (icon) DestroyIcon(icon);
        icon = nullptr;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

void MainWindow::OnCommand(int id, int code) {
  if (id >= IDC_CHK_WHERE && id < IDC_CHK_WHERE + kDestinationCount) {
    if (code == BN_CLICKED) chkWhere_Click(id - IDC_CHK_WHERE);
    return;
  }
  if (id >= IDC_BTN_BROWS && id < IDC_BTN_BROWS + 5) {
    if (code == BN_CLICKED) btnBrows_Click(id - IDC_BTN_BROWS);
    return;
  }
  if (id >= IDC_BTN_CLEAR && id < IDC_BTN_CLEAR + 2) {
    if (code == BN_CLICKED) btnClear_Click(id - IDC_BTN_CLEAR);
    return;
  }
  switch (id) {
    case IDC_CHK_ALLUSERS:
      if (code == BN_CLICKED) chkAllUsers_Click();
      break;
    case IDC_TXT_LNKPATH:
      if (code == EN_CHANGE) txtLnkPath_Change();
      break;
    case IDC_TXT_SHORTCUTNAME:
      if (code == EN_CHANGE) txtShortCutName_Change();
      break;
    case IDC_BTN_EXIT:
      if (code == BN_CLICKED) btnExit_Click();
      break;
    case IDC_BTN_CREATE:
    case IDOK:  // Enter
      if (code == BN_CLICKED && IsWindowEnabled(Control(IDC_BTN_CREATE))) btnCreate_Click();
      break;
    case IDCANCEL:  // Esc and the close box of a dialog-based window
      break;
    default:
      break;
  }
}

HWND MainWindow::chkWhere(int index) const { return Control(IDC_CHK_WHERE + index); }
HWND MainWindow::btnBrows(int index) const { return Control(IDC_BTN_BROWS + index); }
HWND MainWindow::btnClear(int index) const { return Control(IDC_BTN_CLEAR + index); }
HWND MainWindow::picFlatButton(int index) const { return Control(IDC_PIC_FLATBUTTON + index); }

std::wstring MainWindow::Text(int id) const {
  HWND control = Control(id);
  const int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), length + 1)));
  return text;
}

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

void MainWindow::Form_Load() {
  windowBrush_ = GetSysColorBrush(COLOR_WINDOW);
  buttonFaceBrush_ = GetSysColorBrush(COLOR_BTNFACE);
  HINSTANCE instance = GetModuleHandleW(nullptr);
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0)));
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL,
               reinterpret_cast<LPARAM>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));
  tips_.Create(hwnd_);
  preview_.Attach(Control(IDC_PIC_ICON), [this](const std::wstring& tip) { tips_.Set(Control(IDC_PIC_ICON), tip); });

  // 2. The caption is the product name of the program's version information.
  const ProgramInfo info = ReadProgramInfo();
  SetWindowTextW(hwnd_, info.productName.empty() ? kAppTitle : info.productName.c_str());
  // 3. Run sizes.
  for (const wchar_t* entry : kShowCmdEntries)
    SendDlgItemMessageW(hwnd_, IDC_CMB_SHOWCMD, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
  SendDlgItemMessageW(hwnd_, IDC_CMB_SHOWCMD, CB_SETCURSEL, 0, 0);
  // 5. Let the window settle before the slower steps.
  RunPendingMessages();
  // 6. Nothing to create yet.
  EnableWindow(Control(IDC_BTN_CREATE), FALSE);
  iconFile_.clear();
  iconIndex_ = 0;
  // 7. Files beside the program.
  const std::wstring folder = ProgramFolder();
  const std::wstring base = ProgramBaseName();
  settingsFilePath_ = folder + base + L".ini";
  urlIniPath_ = folder + L"Url.ini";
  helpFilePath_ = GetPathKind(folder + base + L".hlp") == PathKind::File ? folder + base + L".hlp" : base + L".hlp";
  // 8. Settings, the window position and the remembered destinations.
  ApplySettings();
  // 9. System folders and the tools the presets and the shutdown guard name.
  windowsFolder_ = GetWindowsFolder();
  systemFolder_ = GetSystemFolder();
  platformId_ = GetPlatformId();
  const std::wstring& toolFolder = platformId_ == 1 ? windowsFolder_ : systemFolder_;
  rundllPath_ = toolFolder + L"RUNDLL.EXE";
  rundll32Path_ = toolFolder + L"RUNDLL32.EXE";
  controlPath_ = toolFolder + L"CONTROL.EXE";
  // 10. Tool buttons.
  SetUpFlatButtons();
  // 11. The shortcut arrow and the internet-shortcut icon of the preview.
  preview_.LoadPreviewIcons(systemFolder_);
  // 12. Recent sub-folders.
  for (auto& list : recent_) LoadRecentFolders(list, Control(ComboOfList(list.Which())), settingsFilePath_);
  // 13. Destination folders and what is available here.
  folders_ = PrepareSpecialFolders(hwnd_);
  if (!folders_.allUsersAvailable) {
    CheckDlgButton(hwnd_, IDC_CHK_ALLUSERS, BST_UNCHECKED);
    EnableWindow(Control(IDC_CHK_ALLUSERS), FALSE);
  }
  if (!folders_.quickLaunchAvailable) {
    CheckDlgButton(hwnd_, IDC_CHK_WHERE + 4, BST_UNCHECKED);
    EnableWindow(chkWhere(4), FALSE);
    EnableWindow(picFlatButton(4), FALSE);
    if (flatIcons_[4]) {
      DestroyIcon(flatIcons_[4]);
      flatIcons_[4] = nullptr;
    }
  }
  // 14. Tooltips.
  tips_.Set(Control(IDC_CHK_ALLUSERS), kAllUsersTip);
  SetDestinationTooltips();
  tips_.Set(Control(IDC_BTN_URL), L"簡易URL生成ﾀﾞｲｱﾛｸﾞを表示");
  tips_.Set(Control(IDC_BTN_SPECIAL), L"特殊ｼｮｰﾄｶｯﾄの作成");
  tips_.Set(Control(IDC_BTN_ABOUT), L"ﾍﾟﾙﾓﾗについて...");
  tips_.Set(Control(IDC_BTN_HELP), L"ｺﾝﾃｷｽﾄﾍﾙﾌﾟを表示");
  // 15. A first Start-menu and Favorites folder to offer.
  if (recent_[0].Empty()) {
    SetText(IDC_CMB_STARTMENUPATH, IsChecked(IDC_CHK_ALLUSERS) ? folders_.commonPrograms : folders_.programs);
    RememberSubFolder(RecentList::StartMenu, IDC_CMB_STARTMENUPATH);
  }
  if (recent_[1].Empty()) {
    SetText(IDC_CMB_FAVORITESPATH, folders_.favorites);
    RememberSubFolder(RecentList::Favorites, IDC_CMB_FAVORITESPATH);
  }
  UpdateCreateButton();
  // Files and URLs may be dropped anywhere on the window.
  dropTarget_ = new DropTarget([this](const DroppedData& data) { AcceptDroppedData(data); });
  RegisterDragDrop(hwnd_, dropTarget_);
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
    const ScreenPoint p = ClampOntoScreen({loaded.windowLeftTop->left, loaded.windowLeftTop->top},
                                          r.right - r.left, r.bottom - r.top, GetSystemMetrics(SM_CXSCREEN),
                                          GetSystemMetrics(SM_CYSCREEN));
    SetWindowPos(hwnd_, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (loaded.boxStates) {
    SetChecked(IDC_CHK_ALLUSERS, loaded.boxStates->AllUsers == 1);
    for (int i = 0; i < kDestinationCount; ++i) SetChecked(IDC_CHK_WHERE + i, loaded.boxStates->where[i] == 1);
  }
  // The sub-folder combos follow their boxes whether or not the boxes changed.
  for (int destination : {1, 5, 6}) chkWhere_Click(destination);
  windowsVersionCheck_ = loaded.WindowsVersionCheck;
}

void MainWindow::RememberSubFolder(RecentList which, int comboId) {
  RememberRecentFolder(recent_[static_cast<int>(which)], Control(comboId));
}

std::wstring MainWindow::DeriveShortcutName(const std::wstring& target) {
  // A page title fetch lets window messages run; a close that arrives meanwhile waits for it.
  // It is asked again once the handler that derived the name has finished with the window.
  struct Busy {
    MainWindow& w;
    explicit Busy(MainWindow& window) : w(window) { ++w.busyDepth_; }
    ~Busy() {
      if (--w.busyDepth_ == 0 && w.unloadWhenIdle_) {
        w.unloadWhenIdle_ = false;
        PostMessageW(w.hwnd_, WM_CLOSE, 0, 0);
      }
    }
  } busy(*this);
  NameProposal proposal = pelmora::DeriveShortcutName(target, targetKind_, settings_, [this](const std::wstring& status) {
    SetText(IDC_TXT_SHORTCUTNAME, status);
    RunPendingMessages();
  });
  lastFileDescription_ = std::move(proposal.fileDescription);
  return proposal.name;
}

void MainWindow::SetDestinationTooltips() {
  chkAllUsers_Click();
  tips_.Set(chkWhere(3), folders_.sendTo);
  tips_.Set(chkWhere(4), folders_.quickLaunch);
  tips_.Set(chkWhere(6), folders_.favorites.empty() ? std::wstring() : folders_.favorites + L"...");
}

void MainWindow::SetUpFlatButtons() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  const int size = GetSystemMetrics(SM_CXSMICON);
  for (int i = 0; i < 10; ++i) {
    const int icon = i < 7 ? IDI_FOLDER : (i == 7 ? IDI_TARGET : (i == 8 ? IDI_COPY : IDI_PASTE));
    flatIcons_[i] = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(icon), IMAGE_ICON, size, size, 0));
    tips_.Set(picFlatButton(i), kFlatButtonTips[i]);
  }
}

void MainWindow::DrawFlatButton(const DRAWITEMSTRUCT& item) {
  const int index = static_cast<int>(item.CtlID) - IDC_PIC_FLATBUTTON;
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
  HICON icon = flatIcons_[index];
  if (!icon) return;
  const int size = GetSystemMetrics(SM_CXSMICON);
  const int x = (item.rcItem.right - item.rcItem.left - size) / 2;
  const int y = (item.rcItem.bottom - item.rcItem.top - size) / 2;
  DrawIconEx(item.hDC, x, y, icon, size, size, 0, nullptr, DI_NORMAL);
}

void MainWindow::Form_Activate() { SetMessageBoxOwner(hwnd_); }

void MainWindow::Form_Unload() {
  if (unloaded_) return;
  if (busyDepth_ > 0) {
    unloadWhenIdle_ = true;
    return;
  }
  unloaded_ = true;
  std::optional<WindowLeftTop> position;
  if (settings_.WindowPos == 1) {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    position = WindowLeftTop{r.left, r.top};
  }
  ShortcutFolderStates boxes;
  boxes.AllUsers = IsChecked(IDC_CHK_ALLUSERS) ? 1 : 0;
  for (int i = 0; i < kDestinationCount; ++i) boxes.where[i] = IsChecked(IDC_CHK_WHERE + i) ? 1 : 0;
  SaveSettings(settingsFilePath_, settings_, position, boxes);
  for (const auto& list : recent_) SaveRecentFolders(list, settingsFilePath_);
  if (MessageBoxOwner() == hwnd_) SetMessageBoxOwner(nullptr);
  DestroyWindow(hwnd_);
  PostQuitMessage(0);
}

// ---- shortcut information and destinations ----

void MainWindow::UpdateCreateButton() {
  bool anyDestination = false;
  for (int i = 0; i < kDestinationCount; ++i) anyDestination = anyDestination || IsChecked(IDC_CHK_WHERE + i);
  const bool enable = !TrimSpaces(Text(IDC_TXT_LNKPATH)).empty() &&
                      !TrimSpaces(Text(IDC_TXT_SHORTCUTNAME)).empty() && anyDestination;
  EnableWindow(Control(IDC_BTN_CREATE), enable);
}

void MainWindow::txtLnkPath_Change() { UpdateCreateButton(); }
void MainWindow::txtShortCutName_Change() { UpdateCreateButton(); }

void MainWindow::chkWhere_Click(int index) {
  SubFolderControls sub{};
  if (SubFolderOf(index, sub)) {
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
  tips_.Set(chkWhere(0), all ? folders_.commonDesktop : folders_.desktop);
  tips_.Set(chkWhere(1), withDots(all ? folders_.commonPrograms : folders_.programs));
  tips_.Set(chkWhere(2), all ? folders_.commonStartup : folders_.startup);
}

void MainWindow::ClearIconPreview() { preview_.Clear(); }

void MainWindow::btnClear_Click(int index) {
  if (index == 0) {
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

void MainWindow::btnCreate_Click() {
  CreateRequest request;
  request.link.target = Text(IDC_TXT_LNKPATH);
  request.link.arguments = Text(IDC_TXT_OPTION);
  request.link.workingFolder = Text(IDC_TXT_WRKPATH);
  constexpr int kShowCommands[] = {SW_SHOW, SW_SHOWMINNOACTIVE, SW_SHOWMAXIMIZED};
  const LRESULT runSize = SendDlgItemMessageW(hwnd_, IDC_CMB_SHOWCMD, CB_GETCURSEL, 0, 0);
  request.link.showCommand = kShowCommands[runSize >= 0 && runSize < 3 ? runSize : 0];
  request.link.comment = Text(IDC_TXT_COMMENT);
  request.link.iconFile = iconFile_;
  request.link.iconIndex = iconIndex_;
  request.name = Text(IDC_TXT_SHORTCUTNAME);
  for (int i = 0; i < kDestinationCount; ++i) request.ticked[i] = IsChecked(IDC_CHK_WHERE + i);
  request.allUsers = IsChecked(IDC_CHK_ALLUSERS);
  for (const auto& list : recent_)
    request.subFolders[static_cast<int>(list.Which())] = Text(ComboOfList(list.Which()));
  request.folders = folders_;
  request.noMessage = settings_.NoMessage == 1;

  const CreateResult result = CreateShortcuts(request, link_);
  if (result.classified) targetKind_ = result.kind;
  if (result.startupCleared) SetChecked(IDC_CHK_WHERE + static_cast<int>(DestinationKind::Startup), false);
  for (RecentList list : result.usedSubFolders) RememberSubFolder(list, ComboOfList(list));
  if (result.focus) FocusField(Control(FieldControl(*result.focus)));
  if (result.finished && exitAfterCreate_) Form_Unload();
}

int MainWindow::SetIconSource(const std::wstring& path) {
  iconFile_.clear();
  const int count = preview_.SetIconSource(path);
  if (count > 0) iconFile_ = path;
  return count;
}

}  // namespace pelmora
