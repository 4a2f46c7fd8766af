// How the main window takes a new target: from the command line, the pickers, a drop, or an
// existing shortcut file read back into the form; and the page title fetch that may follow.
#include <shlobj.h>

#include "app/command_line.h"
#include "app/main_window.h"
#include "app/main_window_controls.h"
#include "naming/derive_name.h"
#include "naming/drop_rules.h"
#include "naming/long_path.h"
#include "shortcut/name_rules.h"
#include "text/text_rules.h"
#include "url/classify_target.h"
#include "url/internet_shortcut.h"
#include "win/message_box.h"
#include "win/pickers.h"
#include "win/system.h"

namespace pelmora {

bool MainWindow::TakeStartupTarget(std::wstring text) {
  if (settings_.ExitAfterCreate) exitAfterCreate_ = true;
  // Several paths, as Send To hands over a multiple selection: a batch.
  const auto namesFileOrFolder = [](const std::wstring& path) { return IsFileSystemTarget(ClassifyTarget(path)); };
  if (std::vector<std::wstring> targets = StartupTargets(text, namesFileOrFolder); targets.size() > 1)
    return TakeStartupBatch(std::move(targets));
  if (text.size() >= 2 && text.front() == L'"' && text.back() == L'"') text = text.substr(1, text.size() - 2);

  std::wstring proposedName;
  if (text.find(L"://") != std::wstring::npos) {
    text = TrimTrailingSpaces(text);
    const auto space = text.find(L' ');
    if (space != std::wstring::npos) {
      proposedName = ProposedFileName(text.substr(space + 1));
      text = text.substr(0, space);
    }
  }
  const TargetKind kind = ClassifyTarget(text);
  if (IsFileSystemTarget(kind)) {
    const std::wstring path = ExpandLongPathName(text);
    if (path.empty()) {
      MessageBox(hwnd_, L"長いファイル名の変換に失敗しました。\r\n\r\n対象のファイルを画面にドロップしてください。",
                 MB_ICONEXCLAMATION | MB_OK);
      return false;
    }
    AdoptFile(path, kind);
  } else if (kind == TargetKind::Url) {
    AdoptUrl(text, &proposedName, settings_.GetUrlTitle, false);
  }
  // The proposed name is ready to be typed over.
  SetFocus(Control(IDC_TXT_SHORTCUTNAME));
  SendDlgItemMessageW(hwnd_, IDC_TXT_SHORTCUTNAME, EM_SETSEL, 0, -1);
  return true;
}

bool MainWindow::AdoptFile(const std::wstring& path, TargetKind kind) {
  // Reading a page title, version names or tags may take a moment.
  const WaitCursor hourglass;
  const ChosenFileType type = ChosenFileTypeOf(path);
  if (type == ChosenFileType::Link || type == ChosenFileType::InternetShortcut)
    return LoadShortcutFile(path, type == ChosenFileType::Link, kind);
  StopTitleFetch();
  batch_.Leave();
  AdoptOrdinaryFile(path, kind, type == ChosenFileType::Bitmap);
  return true;
}

void MainWindow::AdoptOrdinaryFile(const std::wstring& path, TargetKind kind, bool bitmap) {
  const std::wstring fileDescription = ProposeName(path, kind);
  ShellLinkInfo values;
  values.target = path;
  values.workingFolder = DeriveWorkingFolder(path, kind);
  values.comment = DeriveComment(path, settings_, fileDescription);
  form_.Show(values);
  // A bitmap shows its type's icon and carries none of its own.
  if (bitmap)
    form_.ShowBitmapTypeIcon();
  else
    form_.ShowIconOf(path);
}

// An existing shortcut file: its contents fill the form, its name proposes the name, and the
// destination that holds it is ticked so that creating again overwrites it in place. A file
// that cannot be read changes nothing: a form that looked loaded would write the previous
// target over it.
bool MainWindow::LoadShortcutFile(const std::wstring& path, bool isLink, TargetKind kind) {
  ShellLinkInfo link;
  InternetShortcut shortcut;
  const bool read = isLink ? ShellLink().GetShellLinkInfo(path, link)
                           : ReadInternetShortcut(path, shortcut) && !shortcut.url.empty();
  if (!read) {
    MessageBox(hwnd_, std::wstring(kShortcutFileUnreadableMessage) + L"\r\n\r\n" + path, MB_ICONEXCLAMATION | MB_OK);
    return false;
  }
  StopTitleFetch();
  batch_.Leave();
  if (isLink) {
    form_.Show(link);
    form_.ShowLinkIcon();
  } else {
    form_.ClearLinkOnlyFields();
    form_.SetTarget(shortcut.url);
    if (!form_.ShowShortcutFileIcon(shortcut.iconFile, shortcut.iconIndex)) form_.ShowInternetShortcutIcon();
  }
  ProposeName(path, kind);
  destinations_.SelectDestinationOfFile(path);
  return true;
}

void MainWindow::AdoptUrl(const std::wstring& url, const std::wstring* name, bool fetchTitle, bool clearLinkFields) {
  StopTitleFetch();
  batch_.Leave();
  form_.SetTarget(url);
  if (clearLinkFields) form_.ClearLinkOnlyFields();
  form_.ShowInternetShortcutIcon();
  if (fetchTitle && (!name || name->empty()))
    StartTitleFetch(url);
  else if (name)
    form_.SetName(*name);
}

void MainWindow::AdoptPreset(const PresetFields& fields) {
  StopTitleFetch();
  batch_.Leave();
  ShellLinkInfo values = form_.Values();
  values.target = fields.target;
  values.arguments = fields.arguments;
  values.workingFolder.clear();
  values.showCommand = SW_SHOW;
  values.comment = fields.comment;
  form_.Show(values);
  form_.SetName(fields.name);
  // The icon is taken only from a file that holds icons.
  form_.TakeIconFrom(fields.iconFile, fields.iconIndex);
  if (fields.clearStartup) destinations_.SetTicked(IDC_CHK_WHERE + static_cast<int>(DestinationKind::Startup), false);
  FocusField(Control(IDC_TXT_SHORTCUTNAME));
}

std::wstring MainWindow::ProposeName(const std::wstring& target, TargetKind kind) {
  NameProposal proposal = DeriveShortcutName(target, kind, settings_);
  form_.SetName(proposal.name);
  return std::move(proposal.fileDescription);
}

// ---- the page title fetch ----

void MainWindow::StartTitleFetch(const std::wstring& url) {
  StopTitleFetch();
  form_.SetName(kFetchingTitleText);
  if (!titleFetch_.Start(url, FetchLimitsOf(settings_), hwnd_, kTitleFetchedMessage)) form_.SetName(kTitleFetchFailedText);
  UpdateCreateButton();
}

void MainWindow::StopTitleFetch() {
  const bool titleRunning = titleFetch_.Running();
  titleFetch_.Stop();  // and the icon that would follow it
  if (titleRunning) UpdateCreateButton();
}

void MainWindow::TitleFetched(WPARAM id) {
  const std::optional<FetchedPage> page = titleFetch_.TakeEnded(id);
  if (!page) return;  // a fetch given up meanwhile
  const std::wstring name = NameFromFetchedPage(page->bytes, settings_);
  // A name the user typed meanwhile stays.
  if (form_.Name() == kFetchingTitleText) {
    form_.SetName(name);
    HWND field = Control(IDC_TXT_SHORTCUTNAME);
    if (GetFocus() == field) SendMessageW(field, EM_SETSEL, 0, -1);
  }
  UpdateCreateButton();
  // The name is there; the site's icon follows when it comes.
  if (settings_.GetUrlIcon)
    titleFetch_.StartIcon(form_.Target(), *page, FetchLimitsOf(settings_), hwnd_, kIconFetchedMessage);
}

void MainWindow::IconFetched(WPARAM id) {
  const std::optional<KeptIcon> icon = titleFetch_.TakeIcon(id);
  // A target typed over meanwhile keeps the icon it has.
  if (icon && form_.Target() == icon->target) form_.TakeIconFrom(icon->file, 0);
}

// ---- drops and pickers ----

void MainWindow::AcceptDroppedData(const DroppedData& data) {
  if (data.hasFiles) {
    std::vector<std::wstring> files = DroppedFileTargets(data.files);
    if (files.empty()) return;
    if (files.size() > 1) {
      if (!TakeBatch(std::move(files), false)) return;
    } else {
      AdoptFile(files.front(), ClassifyTarget(files.front()));
    }
  } else if (data.hasText) {
    const auto url = DroppedTextTarget(data.text, ClassifyTarget);
    if (!url) return;
    const std::wstring noName;
    AdoptUrl(*url, &noName, settings_.GetUrlTitle, true);
  } else {
    return;
  }
  FocusField(Control(IDC_TXT_SHORTCUTNAME));
}

void MainWindow::btnBrows_Click(int index) {
  switch (index) {
    case 0: PickTarget(GetKeyState(VK_SHIFT) < 0); break;
    case 1: BrowseIntoSubFolder(IDC_CMB_FREEPATH, CSIDL_DESKTOP); break;
    case 2:
      BrowseIntoSubFolder(IDC_CMB_STARTMENUPATH, destinations_.AllUsers() ? CSIDL_COMMON_STARTMENU : CSIDL_STARTMENU);
      break;
    case 3: ChooseIcon(); break;
    case 4: BrowseIntoSubFolder(IDC_CMB_FAVORITESPATH, CSIDL_FAVORITES); break;
    default: break;
  }
}

// A typed folder is offered as the picker's initial selection when it exists.
void MainWindow::PickTarget(bool folder) {
  if (folder) {
    const std::wstring chosen =
        BrowseForFolder(L"リンク先フォルダを選択してください。", hwnd_, CSIDL_DESKTOP,
                        BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE, ExistingFolder(form_.Target()));
    if (chosen.empty()) return;
    AdoptFile(chosen, TargetKind::Folder);
  } else {
    const std::wstring current = TrimSpaces(form_.Target());
    std::wstring initial = current.substr(0, current.size() - FileNameOf(current).size());
    if (GetPathKind(initial) != PathKind::Folder) initial.clear();
    std::vector<std::wstring> chosen = PickFiles(hwnd_, filterIndex_, initial);
    if (chosen.empty()) return;
    if (chosen.size() > 1) {
      if (!TakeBatch(std::move(chosen), false)) return;
    } else {
      AdoptFile(chosen.front(), TargetKind::File);
    }
  }
  FocusField(Control(IDC_TXT_SHORTCUTNAME));
}

void MainWindow::BrowseIntoSubFolder(int comboId, int root) {
  const std::wstring folder = BrowseForFolder(L"ショートカットを作成する場所を選択してください。", hwnd_, root,
                                              BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE, ExistingFolder(Text(comboId)));
  if (!folder.empty()) SetText(comboId, folder);
}

void MainWindow::ChooseIcon() {
  const bool hasIcon = !form_.IconFile().empty();
  std::wstring iconFile = hasIcon ? form_.IconFile() : presetSystem_.systemFolder + L"SHELL32.DLL";
  int iconIndex = hasIcon ? form_.IconIndex() : 0;
  if (pelmora::ChooseIcon(hwnd_, iconFile, iconIndex)) form_.TakeIconFrom(iconFile, iconIndex);
}

}  // namespace pelmora
