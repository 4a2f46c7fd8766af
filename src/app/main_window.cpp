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
#include "text/text_rules.h"
#include "win/field_focus.h"
#include "win/message_box.h"
#include "win/message_box_placement.h"
#include "win/ole.h"
#include "win/program_info.h"
#include "win/system.h"

namespace pelmora {
namespace {

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
struct ButtonTip {
  int id;
  const wchar_t* tip;
};
constexpr ButtonTip kButtonTips[] = {{IDC_BTN_URL, L"簡易URL生成ﾀﾞｲｱﾛｸﾞを表示"},
                                     {IDC_BTN_SPECIAL, L"特殊ｼｮｰﾄｶｯﾄの作成"},
                                     {IDC_BTN_ABOUT, L"ﾍﾟﾙﾓﾗについて..."},
                                     {IDC_BTN_HELP, L"ｺﾝﾃｷｽﾄﾍﾙﾌﾟを表示"}};

}  // namespace

class MainWindow::CommandScope {
 public:
  explicit CommandScope(MainWindow& window) : window_(window) { window_.BeginCommand(); }
  ~CommandScope() { window_.EndCommand(); }
  CommandScope(const CommandScope&) = delete;
  CommandScope& operator=(const CommandScope&) = delete;

 private:
  MainWindow& window_;
};

void MainWindow::BeginCommand() {
  if (commands_.depth++ == 0) drops_.SetEnabled(false);
}

void MainWindow::EndCommand() {
  if (--commands_.depth > 0) return;
  drops_.SetEnabled(true);
  if (commands_.closeWhenIdle) {
    commands_.closeWhenIdle = false;
    PostMessageW(hwnd_, WM_CLOSE, 0, 0);
  }
}

MainWindow* MainWindow::Open(HINSTANCE instance, int showCommand, const std::wstring& commandLine) {
  auto* window = new MainWindow(commandLine);
  HWND hwnd = window->CreateModeless(instance, IDD_MAIN);
  if (!hwnd) {
    delete window;  // never attached: no window will delete it
    return nullptr;
  }
  if (!window->unloaded_) {
    ShowWindow(hwnd, showCommand);
    UpdateWindow(hwnd);
  }
  return window;
}

INT_PTR MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (help_.HandleMessage(message, wParam, lParam)) return TRUE;
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_CLOSE:
      Form_Unload();
      return TRUE;
    case WM_TIMER:
      return OnTimer(wParam);
    case kBatchStepMessage:
      BatchStep();
      return TRUE;
    case kTitleFetchedMessage:
      TitleFetched(wParam);
      return TRUE;
    case kIconFetchedMessage:
      IconFetched(wParam);
      return TRUE;
    case kHelpModeMessage:
      help_.BeginHelpMode();
      return TRUE;
    case kDroppedMessage:
      // The drop itself returned at once; its data is taken now, outside the drag loop.
      if (auto drop = drops_.TakeLatest(); drop && !RunningCommand()) AcceptDroppedData(*drop);
      return TRUE;
    case WM_SETCURSOR:
      return OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam));
    case WM_DPICHANGED:
      OnDpiChanged(*reinterpret_cast<const RECT*>(lParam));
      return TRUE;
    case WM_DRAWITEM:
      return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<INT_PTR>(
          destinations_.ComboColours(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)));
    case WM_DESTROY:
      StopTitleFetch();
      drops_.Revoke();
      return FALSE;
    default:
      return FALSE;
  }
}

INT_PTR MainWindow::OnTimer(WPARAM timer) {
  if (timer == kBatchStepTimer) {
    KillTimer(hwnd_, kBatchStepTimer);
    BatchStep();
    return TRUE;
  }
  if (timer != kAfterShowTimer) return FALSE;
  FinishLoad();
  return TRUE;
}

INT_PTR MainWindow::OnSetCursor(HWND over, UINT hitTest) {
  // The pointer says that the window works on: a title is on its way. Over the batch's link it
  // is the hand.
  if (hitTest != HTCLIENT) return FALSE;
  if (!batch_.SetCursorOver(over)) {
    if (!titleFetch_.Running()) return FALSE;
    SetCursor(LoadCursorW(nullptr, IDC_APPSTARTING));
  }
  SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, TRUE);
  return TRUE;
}

INT_PTR MainWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlID == IDC_PIC_ICON) {
    form_.Preview().Paint(item.hDC, item.rcItem);
    return TRUE;
  }
  return flatButtons_.Draw(item) || batch_.Draw(item) ? TRUE : FALSE;
}

void MainWindow::OnDpiChanged(const RECT& suggested) {
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowIcons();
  flatButtons_.LoadIcons();
}

void MainWindow::OnCommand(int id, int code) {
  if (code != BN_CLICKED && code != EN_CHANGE) return;
  if (code == BN_CLICKED) FinishLoad();  // a command may need what comes after the first paint
  if (id == IDC_CHK_ALLUSERS || (id >= IDC_CHK_WHERE && id < IDC_CHK_WHERE + kDestinationCount))
    return destinations_.BoxClicked(id);
  if (id == IDC_TXT_LNKPATH && code == EN_CHANGE) {
    batch_.TargetChanged(form_.Target());
    return UpdateCreateButton();
  }
  if (id == IDC_TXT_SHORTCUTNAME && code == EN_CHANGE) return txtShortCutName_Change();
  if (code != BN_CLICKED) return;
  if (id >= IDC_BTN_CLEAR && id < IDC_BTN_CLEAR + 2) return btnClear_Click(id - IDC_BTN_CLEAR);
  if (id == IDC_BTN_EXIT) return Form_Unload();
  if (id == IDC_BTN_HELP) return btnHelp_Click();

  // While a batch is created, 作成 stops it.
  if (id == IDC_BTN_CREATE && batch_.Run().Running()) return batch_.Run().Stop(false);

  // Commands below show boxes, pickers or dialogs: one at a time (a double click on 作成 must
  // not run it twice).
  if (RunningCommand()) return;
  const CommandScope scope(*this);
  if (id == IDC_LBL_BATCH) return lblBatch_Click();
  if (id >= IDC_BTN_BROWS && id < IDC_BTN_BROWS + 5) return btnBrows_Click(id - IDC_BTN_BROWS);
  if (id == IDC_BTN_URL) return btnURL_Click();
  if (id == IDC_BTN_SPECIAL) return btnSpecial_Click();
  if (id == IDC_BTN_OPTION) return btnOption_Click();
  if (id == IDC_BTN_ABOUT) return btnAbout_Click();
  if (id >= IDC_PIC_FLATBUTTON && id < IDC_PIC_FLATBUTTON + FlatButtons::kCount)
    return picFlatButton_Click(id - IDC_PIC_FLATBUTTON);
  // Enter arrives as IDOK; it creates only when 作成 could be clicked.
  if ((id == IDC_BTN_CREATE || id == IDOK) && Enabled(IDC_BTN_CREATE)) return btnCreate_Click();
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
  windowIcons_ = {std::move(big), std::move(small)};
}

bool MainWindow::Form_Load() {
  SetWindowIcons();
  tips_.Attach(hwnd_);
  form_.Attach(hwnd_, tips_);
  destinations_.Attach(hwnd_, tips_, [this] { UpdateCreateButton(); });
  batch_.Attach(hwnd_, tips_);
  // The caption is the product name of the program's version information.
  const ProgramInfo info = ReadProgramInfo();
  SetWindowTextW(hwnd_, info.productName.empty() ? kAppTitle : info.productName.c_str());
  // Nothing to create yet.
  Enable(IDC_BTN_CREATE, false);
  // Settings beside the program, the window position and the remembered destinations.
  settingsFile_ = ProgramFolder() + ProgramBaseName() + L".ini";
  ApplySettings();
  // System folders, where the presets find their programs.
  presetSystem_ = {GetWindowsFolder(), GetSystemFolder()};
  flatButtons_.Attach(hwnd_, IDC_PIC_FLATBUTTON, [this](int index) { return ToolButtonUsable(index); });
  help_.Attach(hwnd_, kHelpTopics);
  // The shortcut arrow and the internet-shortcut icon of the preview.
  form_.Preview().LoadPreviewIcons(presetSystem_.systemFolder);
  destinations_.Load(settingsFile_);
  if (!destinations_.Folders().quickLaunchAvailable) {
    const int quickLaunch = static_cast<int>(DestinationKind::QuickLaunch);
    Enable(IDC_PIC_FLATBUTTON + quickLaunch, false);
    flatButtons_.Hide(quickLaunch);
  }
  SetTooltips();
  UpdateCreateButton();
  // Files and URLs may be dropped anywhere on the window; the window takes drops once it is
  // shown: OLE starts then, not before.
  drops_.Create(hwnd_, kDroppedMessage);
  SetTimer(hwnd_, kAfterShowTimer, kAfterShowDelayMs, nullptr);
  // A target handed over on the command line. TRUE lets the dialog manager focus the first
  // field; a start-up target focused the name.
  return commandLine_.empty() || !TakeStartupTarget(commandLine_);
}

void MainWindow::SetTooltips() {
  for (int i = 0; i < FlatButtons::kCount; ++i) tips_.Set(Control(IDC_PIC_FLATBUTTON + i), kFlatButtonTips[i]);
  for (const ButtonTip& button : kButtonTips) tips_.Set(Control(button.id), button.tip);
}

void MainWindow::ApplySettings() {
  const LoadedSettings loaded = LoadSettings(settingsFile_);
  settings_ = loaded.settings;
  form_.Preview().SetArrowHidden(settings_.ArrowIcon);
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
  destinations_.ApplyStates(loaded.boxStates);
  windowsVersionCheck_ = loaded.WindowsVersionCheck;
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
  for (int i = 0; i < FlatButtons::kCount; ++i) SetText(IDC_PIC_FLATBUTTON + i, kFlatButtonTips[i]);
  for (int id : kTextFields) SelectAllOnFocus(Control(id));
  RememberFocusBefore(Control(IDC_BTN_HELP));
  urlTable_ = LoadUrlTable(ProgramFolder() + L"Url.ini");
  if (EnsureOle()) drops_.Register();
}

void MainWindow::Form_Unload() {
  if (unloaded_) return;
  // A batch being created stops after its item; the window closes then, without a summary.
  if (batch_.Run().Running()) batch_.Run().Stop(true);
  // A command still has a box or dialog open on this window: close once it is over.
  if (RunningCommand()) {
    commands_.closeWhenIdle = true;
    return;
  }
  unloaded_ = true;
  StopTitleFetch();
  std::optional<WindowLeftTop> position;
  if (settings_.WindowPos) {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    position = WindowLeftTop{r.left, r.top};
  }
  // The options and the recent lists go into the file in one replace, so that another window
  // closing at the same moment cannot leave half of each.
  ProfileWrites recentFolders;
  destinations_.AddRecentWrites(recentFolders);
  SaveSettings(settingsFile_, settings_, position, destinations_.States(), recentFolders);
  DestroyWindow(hwnd_);
  PostQuitMessage(0);
}

// ---- the form and its commands ----

void MainWindow::UpdateCreateButton() {
  // While a title is on its way the name is not yet what the shortcut will be called. While a
  // batch is created, the button stops it.
  Enable(IDC_BTN_CREATE, batch_.Run().Running() ||
                             (!TrimSpaces(form_.Target()).empty() && !TrimSpaces(form_.Name()).empty() &&
                              destinations_.AnyTicked() && !titleFetch_.Running()));
}

void MainWindow::txtShortCutName_Change() {
  // A name typed while the title is fetched is the user's choice: the title is not wanted.
  if (titleFetch_.Running() && form_.Name() != kFetchingTitleText) StopTitleFetch();
  UpdateCreateButton();
}

void MainWindow::btnClear_Click(int index) {
  if (index == 0) {
    StopTitleFetch();
    form_.Clear();
  } else {
    destinations_.ClearAll();
  }
}

void MainWindow::btnURL_Click() {
  const auto url = ShowUrlDialog(hwnd_, urlTable_, form_.Target());
  if (!url) return;
  // The page title only when both options ask for it; otherwise the name stays as it is.
  AdoptUrl(*url, nullptr, settings_.GetUrlTitle && settings_.GetUrlDlgTitle, true);
}

void MainWindow::btnSpecial_Click() {
  const auto fields = ShowSpecialMenu(hwnd_, Control(IDC_BTN_SPECIAL), presetSystem_, windowsVersionCheck_);
  if (fields) AdoptPreset(*fields);
}

void MainWindow::btnOption_Click() {
  ShowOptionDialog(hwnd_, settings_, OptionPathsOfProgram());
  // The arrow follows the option at once; the icon under it stays.
  form_.Preview().SetArrowHidden(settings_.ArrowIcon);
}

CreateRequest MainWindow::RequestOfWindow() const {
  CreateRequest request;
  request.owner = hwnd_;
  request.link = form_.Values();
  request.name = form_.Name();
  destinations_.FillRequest(request);
  request.noMessage = settings_.NoMessage;
  return request;
}

void MainWindow::btnCreate_Click() {
  if (batch_.Active()) return CreateBatch();
  const CreateResult result = CreateShortcuts(RequestOfWindow(), ShellLink());
  if (result.startupCleared) destinations_.SetTicked(IDC_CHK_WHERE + static_cast<int>(DestinationKind::Startup), false);
  for (RecentList list : result.usedSubFolders) destinations_.Remember(list);
  if (result.focus) FocusField(Control(FieldControl(*result.focus)));
  // The close runs once this command is over.
  if (result.finished && exitAfterCreate_) Form_Unload();
}

}  // namespace pelmora
