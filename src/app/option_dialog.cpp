#include "app/option_dialog.h"

#include "resource.h"
#include "text/text_rules.h"
#include "win/field_focus.h"
#include "win/message_box.h"
#include "win/system.h"
#include "shell/menu_registration.h"

namespace pelmora {

namespace {

constexpr const wchar_t* kCommentEntries[] = {L"何もしない", L"フルパス", L"EXEはﾊﾞｰｼﾞｮﾝ情報の説明"};
constexpr wchar_t kCommentTip[] = L"Windows 2000/XP で有効";
constexpr wchar_t kMp3Tip[] = L"VBMP3.DLL が必要";
constexpr wchar_t kUrlTitleTip[] = L"ｲﾝﾀｰﾈｯﾄに接続している必要があります";

constexpr wchar_t kCrLf[] = L"\r\n";
constexpr wchar_t kRegisterFailed[] = L"レジストリへの登録に失敗しました。";
constexpr wchar_t kUnregisterFailed[] = L"レジストリからの削除に失敗しました。";
constexpr wchar_t kAlreadyListed[] = L"この拡張子は既に登録されています。";
constexpr wchar_t kSameTypeListed[] =
    L"同じファイルタイプの拡張子が既に登録されているため、\r\nこの拡張子を登録する必要はありません。";
constexpr wchar_t kUnusableExtension[] = L"拡張子に次の文字は使えません。\r\n\\ / : * ? \" < > | ,";
constexpr wchar_t kScriptMissing[] = L"が存在しません。";
constexpr wchar_t kAllFilesAddedAlone[] =
    L"全てのファイルに追加されましたので、通常は\r\n個別に拡張子を登録する必要はありません。\r\n\r\n";
constexpr wchar_t kAllFilesAddedBesideExtensions[] =
    L"個別に登録された拡張子が存在します。\r\nこれらのファイルの右クリックメニューに\r\n"
    L"「ペルモラ」が２重に表示される場合が\r\nありますので、登録済み拡張子を[全削除]する\r\n"
    L"ことをお奨めします。\r\n\r\n";
constexpr wchar_t kAllFilesAddedTail[] =
    L"ただし、URL（インターネットショートカット）のように、\r\nメニューに表示されない拡張子もあるようです。\r\n"
    L"必要であれば、個別に拡張子を登録してください。";
constexpr wchar_t kIeAdded[] = L"追加されました。";
constexpr wchar_t kIeRemoved[] = L"削除されました。";
constexpr wchar_t kIeRestart[] = L"ＩＥが実行中の場合は再起動してください。";

constexpr UINT kQuestion = MB_ICONQUESTION | MB_YESNO;  // 36
constexpr UINT kError = MB_ICONHAND | MB_OK;            // 16
constexpr UINT kWarning = MB_ICONEXCLAMATION | MB_OK;   // 48
constexpr UINT kInformation = MB_ICONASTERISK | MB_OK;  // 64

// The buttons that switch one right-click entry each. The caption says what a click will do;
// the button's help topic changes with it.
struct ToggleButton {
  int id;
  MenuEntry entry;
  const wchar_t* addCaption;
  DWORD addHelpTopic;
  const wchar_t* removeCaption;
  DWORD removeHelpTopic;
  const wchar_t* addQuestion;     // first line of the question before adding
  const wchar_t* removeQuestion;  // and before removing
  const wchar_t* menuCaption;     // the entry the questions name
};

constexpr ToggleButton kToggleButtons[] = {
    {IDC_BTN_ALLFILES, MenuEntry::AllFiles, L"全ファイルに追加(&Q)", IDH_ALL_FILES_ADD, L"全ファイルから削除(&Q)", IDH_ALL_FILES_REMOVE,
     L"全てのファイルの右クリックメニューに", L"全てのファイルの右クリックメニューから", kMenuCaption},
    {IDC_BTN_FOLDER, MenuEntry::Folders, L"フォルダに追加(&O)", IDH_FOLDER_ADD, L"フォルダから削除(&O)", IDH_FOLDER_REMOVE,
     L"フォルダの右クリックメニューに", L"フォルダの右クリックメニューから", kMenuCaption},
    {IDC_BTN_TARGET, MenuEntry::OpenTarget, L"\"ﾘﾝｸ先を開く\"を追加(&B)", IDH_OPEN_TARGET_ADD,
     L"\"ﾘﾝｸ先を開く\"を削除(&B)", IDH_OPEN_TARGET_REMOVE,
     L"ショートカットの右クリックメニューに", L"ショートカットの右クリックメニューから", kLinkMenuCaption},
    {IDC_BTN_IE, MenuEntry::InternetExplorer, L"&I E に追加", IDH_IE_ADD, L"&I E から削除", IDH_IE_REMOVE,
     L"ＩＥの右クリックメニューに", L"ＩＥの右クリックメニューから", kMenuCaption},
};
constexpr int kToggleCount = static_cast<int>(std::size(kToggleButtons));

// Each label explains its field; OK and Cancel have topics of their own. The toggle buttons'
// topics follow their captions.
constexpr HelpTopic kHelpTopics[] = {
    {IDC_LBL_COMMENTSETTING, IDC_CMB_COMMENT}, {IDC_LBL_FORMAT, IDC_TXT_FORMAT},
    {IDC_LBL_EXT, IDC_TXT_EXT},                {IDC_LBL_ADMINNOTE + 1, IDC_LBL_ADMINNOTE},
    {IDOK, IDH_OPTION_OK},                     {IDCANCEL, IDH_OPTION_CANCEL},
};

std::wstring Question(std::wstring_view firstLine, std::wstring_view menuCaption, bool add) {
  return std::wstring(firstLine) + kCrLf + L"「" + MenuNameInMessages(menuCaption) +
         (add ? L"」を追加しますか？" : L"」を削除しますか？");
}

std::wstring ExtensionQuestion(std::wstring_view extension, bool add) {
  return Question(L"拡張子\"" + ToUpper(extension) + (add ? L"\"のファイルの右クリックメニューに"
                                                           : L"\"のファイルの右クリックメニューから"),
                  kMenuCaption, add);
}

// The checked state of the settings' switches: 1 ticks the box, anything else clears it.
}  // namespace

OptionPaths OptionPathsOfProgram() {
  const std::wstring folder = ProgramFolder();
  const std::wstring base = ProgramBaseName();
  return {folder + base + L".exe", folder + base + L".ini", folder + L"ExecPel.htm"};
}

bool ShowOptionDialog(HWND owner, Settings& settings, const OptionPaths& paths) {
  OptionDialog dialog(settings, paths);
  return dialog.Run(owner) == IDOK;
}

INT_PTR OptionDialog::Run(HWND owner) { return RunModal(owner, IDD_OPTION); }

INT_PTR OptionDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (help_.HandleMessage(message, wParam, lParam)) return TRUE;
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    default:
      return FALSE;
  }
}

void OptionDialog::OnCommand(int id, int code) {
  for (int i = 0; i < kToggleCount; ++i) {
    if (id == kToggleButtons[i].id) {
      if (code == BN_CLICKED) Toggle_Click(i);
      return;
    }
  }
  switch (id) {
    case IDOK:  // btnOK and Enter
      if (code == BN_CLICKED) btnOK_Click();
      break;
    case IDCANCEL:  // btnCan, Esc and the close box
      if (code == BN_CLICKED) Form_Unload(IDCANCEL);
      break;
    case IDC_CHK_GETURLTITLE:
      if (code == BN_CLICKED) chkGetUrlTitle_Click();
      break;
    case IDC_CHK_GETMP3INFO:
      if (code == BN_CLICKED) chkGetMp3Info_Click();
      break;
    case IDC_TXT_EXT:
      if (code == EN_CHANGE) txtExt_Change();
      break;
    case IDC_LST_EXT:
      if (code == LBN_SELCHANGE || code == LBN_SELCANCEL) lstExt_Click();
      break;
    case IDC_BTN_ADD:
      if (code == BN_CLICKED) btnAdd_Click();
      break;
    case IDC_BTN_DEL:
      if (code == BN_CLICKED) btnDel_Click();
      break;
    case IDC_BTN_ALLDEL:
      if (code == BN_CLICKED) btnAllDel_Click();
      break;
    default:
      break;
  }
}

// ---- load, OK, close ----

void OptionDialog::Form_Load() {
  help_.Attach(hwnd_, kHelpTopics);
  SelectAllOnFocus(Control(IDC_TXT_EXT));
  SelectAllOnFocus(Control(IDC_TXT_FORMAT));
  tips_.Create(hwnd_);
  tips_.Set(Control(IDC_LBL_COMMENTSETTING), kCommentTip);
  tips_.Set(Control(IDC_CMB_COMMENT), kCommentTip);
  tips_.Set(Control(IDC_CHK_GETMP3INFO), kMp3Tip);
  tips_.Set(Control(IDC_CHK_GETURLTITLE), kUrlTitleTip);
  tips_.Set(Control(IDC_CHK_GETURLDLGTITLE), kUrlTitleTip);
  tips_.Set(Control(IDC_CHK_GETURLICON), kUrlTitleTip);

  // The right-click menu group, from the settings file and the registry.
  extensions_ = LoadRegisteredExtensions(paths_.settingsFilePath);
  ShowExtensionList(-1);
  UpdateExtensionButtons();
  for (int i = 0; i < kToggleCount; ++i) ShowToggleState(i, IsMenuRegistered(kToggleButtons[i].entry));

  const Settings& s = settings_;
  SetChecked(IDC_CHK_WINDOWPOS, s.WindowPos);
  SetChecked(IDC_CHK_CHECKLOCATION, s.CheckLocation);
  SetChecked(IDC_CHK_NOMESSAGE, s.NoMessage);
  SetChecked(IDC_CHK_ARROWICON, s.ArrowIcon);
  SetChecked(IDC_CHK_EXITAFTERCREATE, s.ExitAfterCreate);
  SetChecked(IDC_CHK_GETHTMLTITLE, s.GetHtmlTitle);
  SetChecked(IDC_CHK_GETURLTITLE, s.GetUrlTitle);
  SetChecked(IDC_CHK_GETURLDLGTITLE, s.GetUrlDlgTitle);
  SetChecked(IDC_CHK_GETURLICON, s.GetUrlIcon);
  SetChecked(IDC_CHK_GETVERSION, s.GetVersion);
  SetChecked(IDC_CHK_GETMP3INFO, s.GetMp3Info);
  SetText(IDC_TXT_FORMAT, s.GetMp3Format);
  SetChecked(IDC_CHK_EXTCUT, s.ExtCut);
  for (const wchar_t* entry : kCommentEntries)
    SendDlgItemMessageW(hwnd_, IDC_CMB_COMMENT, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
  // A value the list does not hold selects the first entry, so that OK stores a valid one.
  const int comment = (s.Comment >= 0 && s.Comment < static_cast<int>(std::size(kCommentEntries))) ? s.Comment : 0;
  Select(IDC_CMB_COMMENT, comment);

  chkGetUrlTitle_Click();
  chkGetMp3Info_Click();
}

void OptionDialog::btnOK_Click() {
  Settings& s = settings_;
  s.WindowPos = Checked(IDC_CHK_WINDOWPOS);
  s.CheckLocation = Checked(IDC_CHK_CHECKLOCATION);
  s.NoMessage = Checked(IDC_CHK_NOMESSAGE);
  s.ArrowIcon = Checked(IDC_CHK_ARROWICON);
  s.ExitAfterCreate = Checked(IDC_CHK_EXITAFTERCREATE);
  s.Comment = Selection(IDC_CMB_COMMENT);
  s.GetHtmlTitle = Checked(IDC_CHK_GETHTMLTITLE);
  s.GetUrlTitle = Checked(IDC_CHK_GETURLTITLE);
  // A disabled box keeps its tick, and the tick is what is kept.
  s.GetUrlDlgTitle = Checked(IDC_CHK_GETURLDLGTITLE);
  s.GetUrlIcon = Checked(IDC_CHK_GETURLICON);
  s.GetVersion = Checked(IDC_CHK_GETVERSION);
  s.GetMp3Info = Checked(IDC_CHK_GETMP3INFO);
  s.GetMp3Format = Text(IDC_TXT_FORMAT);
  s.ExtCut = Checked(IDC_CHK_EXTCUT);
  Form_Unload(IDOK);
}

void OptionDialog::Form_Unload(INT_PTR result) {
  // The list the file remembers is the one shown, however the dialog closes: extensions added
  // or removed meanwhile are registered or gone already.
  SaveExtensionList(paths_.settingsFilePath, extensions_.Entries());
  EndDialog(hwnd_, result);
}

// ---- dependent controls ----

void OptionDialog::chkGetUrlTitle_Click() {
  // The page's title and its site's icon come from the same fetch.
  Enable(IDC_CHK_GETURLDLGTITLE, Checked(IDC_CHK_GETURLTITLE));
  Enable(IDC_CHK_GETURLICON, Checked(IDC_CHK_GETURLTITLE));
}

void OptionDialog::chkGetMp3Info_Click() {
  const bool on = Checked(IDC_CHK_GETMP3INFO);
  Enable(IDC_LBL_FORMAT, on);
  Enable(IDC_TXT_FORMAT, on);
}

// ---- extensions ----

void OptionDialog::UpdateExtensionButtons() {
  Enable(IDC_BTN_ADD, !TrimSpaces(Text(IDC_TXT_EXT)).empty());
  Enable(IDC_BTN_DEL, SendDlgItemMessageW(hwnd_, IDC_LST_EXT, LB_GETCURSEL, 0, 0) != LB_ERR);
  Enable(IDC_BTN_ALLDEL, !extensions_.Empty());
}

void OptionDialog::ShowExtensionList(int selected) {
  HWND list = Control(IDC_LST_EXT);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const auto& entry : extensions_.Entries())
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void OptionDialog::btnAdd_Click() {
  const TypedExtension typed = ReadTypedExtension(Text(IDC_TXT_EXT));
  if (typed.kind == TypedExtensionKind::Empty) return FocusControl(IDC_TXT_EXT);
  if (typed.kind == TypedExtensionKind::Unusable) {
    MessageBox(hwnd_, kUnusableExtension, kWarning);
    return FocusControl(IDC_TXT_EXT);
  }
  const std::wstring& extension = typed.extension;
  if (extensions_.Find(extension) >= 0) {
    MessageBox(hwnd_, kAlreadyListed, kWarning);
    return FocusControl(IDC_TXT_EXT);
  }
  if (MessageBox(hwnd_, ExtensionQuestion(extension, true), kQuestion) != IDYES) return FocusControl(IDC_TXT_EXT);
  switch (AddExtensionMenu(extension, paths_.programPath)) {
    case AddExtensionResult::Added: {
      const int selected = static_cast<int>(SendDlgItemMessageW(hwnd_, IDC_LST_EXT, LB_GETCURSEL, 0, 0));
      const std::wstring selectedEntry = selected >= 0 ? extensions_.Entries()[static_cast<size_t>(selected)] : L"";
      extensions_.Insert(extension);
      ShowExtensionList(selected >= 0 ? extensions_.Find(selectedEntry) : -1);
      SetText(IDC_TXT_EXT, L"");
      UpdateExtensionButtons();
      break;
    }
    case AddExtensionResult::SameTypeRegistered:
      MessageBox(hwnd_, kSameTypeListed, kWarning);
      break;
    case AddExtensionResult::TypeNotWritten:
    case AddExtensionResult::NotRegistered:
      MessageBox(hwnd_, kRegisterFailed, kError);
      break;
  }
  FocusControl(IDC_TXT_EXT);
}

void OptionDialog::btnDel_Click() {
  const int selected = static_cast<int>(SendDlgItemMessageW(hwnd_, IDC_LST_EXT, LB_GETCURSEL, 0, 0));
  if (selected < 0 || selected >= static_cast<int>(extensions_.Entries().size())) return FocusControl(IDC_LST_EXT);
  const std::wstring extension = extensions_.Entries()[static_cast<size_t>(selected)];
  if (MessageBox(hwnd_, ExtensionQuestion(extension, false), kQuestion) != IDYES) return;
  switch (RemoveExtensionMenu(extension)) {
    case RemoveExtensionResult::Removed:
      ShowExtensionList(extensions_.RemoveAt(selected));
      break;
    case RemoveExtensionResult::NoFileType:  // nothing registered to remove: the entry stays
      break;
    case RemoveExtensionResult::Failed:
      MessageBox(hwnd_, kUnregisterFailed, kError);
      return;
  }
  UpdateExtensionButtons();
  FocusControl(IDC_LST_EXT);
}

void OptionDialog::btnAllDel_Click() {
  if (extensions_.Empty()) return FocusControl(IDC_TXT_EXT);
  if (MessageBox(hwnd_, Question(L"全ての登録済み拡張子のファイルの右クリックメニューから", kMenuCaption, false), kQuestion) !=
      IDYES)
    return;
  while (!extensions_.Empty()) {
    // Entries whose type is gone have nothing left to remove and leave the list with the rest.
    if (RemoveExtensionMenu(extensions_.Entries().front()) == RemoveExtensionResult::Failed) {
      MessageBox(hwnd_, kUnregisterFailed, kError);
      // The list keeps what is still registered: the failed entry and those after it.
      ShowExtensionList(-1);
      UpdateExtensionButtons();
      return;
    }
    extensions_.RemoveAt(0);
  }
  ShowExtensionList(-1);
  UpdateExtensionButtons();
  FocusControl(IDC_TXT_EXT);
}

// ---- the right-click entry buttons ----

void OptionDialog::ShowToggleState(int toggle, bool registered) {
  static_assert(kToggleCount == kToggles);
  const ToggleButton& b = kToggleButtons[toggle];
  HWND button = Control(b.id);
  registered_[toggle] = registered;
  SetWindowTextW(button, registered ? b.removeCaption : b.addCaption);
  SetWindowContextHelpId(button, registered ? b.removeHelpTopic : b.addHelpTopic);
}

void OptionDialog::Toggle_Click(int toggle) {
  const ToggleButton& b = kToggleButtons[toggle];
  const bool add = !registered_[toggle];
  if (MessageBox(hwnd_, Question(add ? b.addQuestion : b.removeQuestion, b.menuCaption, add), kQuestion) != IDYES) return;
  if (add ? Register(toggle) : Unregister(toggle)) {
    ShowToggleState(toggle, add);
  } else {
    MessageBox(hwnd_, add ? kRegisterFailed : kUnregisterFailed, kError);
  }
}

bool OptionDialog::Register(int toggle) {
  switch (kToggleButtons[toggle].entry) {
    case MenuEntry::AllFiles:
      if (!RegisterShellMenu(kAllFilesType, paths_.programPath)) return false;
      MessageBox(hwnd_, (extensions_.Empty() ? kAllFilesAddedAlone : kAllFilesAddedBesideExtensions) +
                     std::wstring(kAllFilesAddedTail),
                 kInformation);
      return true;
    case MenuEntry::Folders:
      return RegisterShellMenu(kFolderType, paths_.programPath);
    case MenuEntry::OpenTarget:
      return RegisterOpenTargetMenu(paths_.programPath);
    case MenuEntry::InternetExplorer:
      switch (RegisterIeMenu(paths_.ieScriptPath, paths_.programPath)) {
        case IeMenuResult::Registered:
          MessageBox(hwnd_, kIeAdded + std::wstring(kCrLf) + kIeRestart, kInformation);
          return true;
        case IeMenuResult::ScriptMissing:
          MessageBox(hwnd_, paths_.ieScriptPath + kCrLf + kScriptMissing, kError);
          return false;
        case IeMenuResult::Failed:
          return false;
      }
  }
  return false;
}

bool OptionDialog::Unregister(int toggle) {
  switch (kToggleButtons[toggle].entry) {
    case MenuEntry::AllFiles: return UnregisterShellMenu(kAllFilesType);
    case MenuEntry::Folders: return UnregisterShellMenu(kFolderType);
    case MenuEntry::OpenTarget: return UnregisterOpenTargetMenu();
    case MenuEntry::InternetExplorer:
      if (!UnregisterIeMenu()) return false;
      MessageBox(hwnd_, kIeRemoved + std::wstring(kCrLf) + kIeRestart, kInformation);
      return true;
  }
  return false;
}

// ---- control helpers ----

void OptionDialog::FocusControl(int id) { FocusField(Control(id)); }

}  // namespace pelmora
