// How the main window takes a new target: from the command line, the pickers, a drop, or an
// existing shortcut file read back into the form; and the page title fetch that may follow.
#include <shlobj.h>

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

void MainWindow::TakeStartupTarget(std::wstring text) {
  if (settings_.ExitAfterCreate == 1) exitAfterCreate_ = true;
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
      MessageBox(L"長いファイル名の変換に失敗しました。\r\n\r\n対象のファイルを画面にドロップしてください。",
                 MB_ICONEXCLAMATION | MB_OK);
      return;
    }
    AdoptFile(path, kind);
  } else {
    targetKind_ = kind;
    if (kind == TargetKind::Url) AdoptUrl(text, &proposedName, settings_.GetUrlTitle == 1, false);
  }
  // The proposed name is ready to be typed over.
  SetFocus(Control(IDC_TXT_SHORTCUTNAME));
  SendDlgItemMessageW(hwnd_, IDC_TXT_SHORTCUTNAME, EM_SETSEL, 0, -1);
  focusTaken_ = true;
}

void MainWindow::AdoptFile(const std::wstring& path, TargetKind kind) {
  // Reading a page title, version names or tags may take a moment.
  const WaitCursor hourglass;
  const ChosenFileType type = ChosenFileTypeOf(path);
  if (type == ChosenFileType::Link || type == ChosenFileType::InternetShortcut) {
    LoadShortcutFile(path, type == ChosenFileType::Link, kind);
    return;
  }
  StopTitleFetch();
  targetKind_ = kind;
  if (type == ChosenFileType::Bitmap)
    AdoptBitmap(path);
  else
    AdoptOrdinaryFile(path);
}

void MainWindow::AdoptOrdinaryFile(const std::wstring& path) {
  SetText(IDC_TXT_LNKPATH, path);
  SetText(IDC_TXT_WRKPATH, DeriveWorkingFolder(path, targetKind_));
  ShowIconOf(path);
  SetText(IDC_TXT_OPTION, L"");
  SendDlgItemMessageW(hwnd_, IDC_CMB_SHOWCMD, CB_SETCURSEL, 0, 0);
  ProposeName(path);
  SetText(IDC_TXT_COMMENT, DeriveComment(Text(IDC_TXT_LNKPATH), settings_, lastFileDescription_));
}

void MainWindow::AdoptBitmap(const std::wstring& path) {
  ProposeName(path);
  SetText(IDC_TXT_LNKPATH, path);
  SetText(IDC_TXT_WRKPATH, DeriveWorkingFolder(path, targetKind_));
  iconFile_.clear();
  iconIndex_ = 0;
  tips_.Set(Control(IDC_PIC_ICON), L"");
  SetText(IDC_TXT_OPTION, L"");
  SetText(IDC_TXT_COMMENT, DeriveComment(Text(IDC_TXT_LNKPATH), settings_, lastFileDescription_));
  SendDlgItemMessageW(hwnd_, IDC_CMB_SHOWCMD, CB_SETCURSEL, 0, 0);
  preview_.DrawBitmapTypeIcon();
}

// An existing shortcut file: its contents fill the form, its name proposes the name, and the
// destination that holds it is ticked so that creating again overwrites it in place. A file
// that cannot be read changes nothing: a form that looked loaded would write the previous
// target over it.
void MainWindow::LoadShortcutFile(const std::wstring& path, bool isLink, TargetKind kind) {
  ShellLinkInfo link;
  InternetShortcut shortcut;
  const bool read = isLink ? link_.GetShellLinkInfo(path, link)
                           : ReadInternetShortcut(path, shortcut) && !shortcut.url.empty();
  if (!read) {
    MessageBox(std::wstring(kShortcutFileUnreadableMessage) + L"\r\n\r\n" + path, MB_ICONEXCLAMATION | MB_OK);
    return;
  }
  StopTitleFetch();
  targetKind_ = kind;
  if (isLink) {
    FillFormFromLink(link);
    ShowLinkIcon();
  } else {
    ClearLinkOnlyFields();
    SetText(IDC_TXT_LNKPATH, shortcut.url);
    if (!ShowShortcutFileIcon(shortcut.iconFile, shortcut.iconIndex)) preview_.GetInetShortcutIconImage();
  }
  ProposeName(path);
  SelectDestinationOfFile(path);
}

void MainWindow::AdoptUrl(const std::wstring& url, const std::wstring* name, bool fetchTitle, bool clearLinkFields) {
  StopTitleFetch();
  SetText(IDC_TXT_LNKPATH, url);
  if (clearLinkFields) ClearLinkOnlyFields();
  preview_.GetInetShortcutIconImage();
  if (fetchTitle && (!name || name->empty()))
    StartTitleFetch(url);
  else if (name)
    SetText(IDC_TXT_SHORTCUTNAME, *name);
}

void MainWindow::ClearLinkOnlyFields() {
  SetText(IDC_TXT_WRKPATH, L"");
  SetText(IDC_TXT_OPTION, L"");
  SetText(IDC_TXT_COMMENT, L"");
  SendDlgItemMessageW(hwnd_, IDC_CMB_SHOWCMD, CB_SETCURSEL, 0, 0);
  tips_.Set(Control(IDC_PIC_ICON), L"");
  iconFile_.clear();
  iconIndex_ = 0;
}

void MainWindow::AdoptPreset(const PresetFields& fields) {
  StopTitleFetch();
  targetKind_ = TargetKind::File;
  SetText(IDC_TXT_WRKPATH, L"");
  SendDlgItemMessageW(hwnd_, IDC_CMB_SHOWCMD, CB_SETCURSEL, 0, 0);
  SetText(IDC_TXT_LNKPATH, fields.target);
  SetText(IDC_TXT_OPTION, fields.arguments);
  SetText(IDC_TXT_SHORTCUTNAME, fields.name);
  SetText(IDC_TXT_COMMENT, fields.comment);
  // The icon is taken only from a file that holds icons.
  if (SetIconSource(fields.iconFile) > 0) {
    iconIndex_ = fields.iconIndex;
    preview_.DrawIconFromSource(fields.iconIndex);
  }
  if (fields.clearStartup) SetChecked(IDC_CHK_WHERE + static_cast<int>(DestinationKind::Startup), false);
  FocusField(Control(IDC_TXT_SHORTCUTNAME));
}

void MainWindow::ProposeName(const std::wstring& target) {
  NameProposal proposal = DeriveShortcutName(target, targetKind_, settings_);
  lastFileDescription_ = std::move(proposal.fileDescription);
  SetText(IDC_TXT_SHORTCUTNAME, proposal.name);
}

// ---- the page title fetch ----

void MainWindow::StartTitleFetch(const std::wstring& url) {
  StopTitleFetch();
  SetText(IDC_TXT_SHORTCUTNAME, kFetchingTitleText);
  download_ = std::make_unique<PageDownload>(url, FetchLimitsOf(settings_), hwnd_, kTitleFetchedMessage, ++downloadId_);
  if (!download_->Started()) {
    download_.reset();
    SetText(IDC_TXT_SHORTCUTNAME, kTitleFetchFailedText);
  }
  UpdateCreateButton();
}

void MainWindow::StopTitleFetch() {
  if (!download_) return;
  download_.reset();  // gives it up: it posts nothing more, and its thread lets go on its own
  UpdateCreateButton();
}

void MainWindow::TitleFetched(WPARAM id) {
  if (!download_ || id != downloadId_) return;  // a fetch given up meanwhile
  const std::string bytes = download_->Bytes();
  download_.reset();
  const std::wstring name = NameFromFetchedPage(bytes, settings_);
  // A name the user typed meanwhile stays.
  if (Text(IDC_TXT_SHORTCUTNAME) == kFetchingTitleText) {
    SetText(IDC_TXT_SHORTCUTNAME, name);
    HWND field = Control(IDC_TXT_SHORTCUTNAME);
    if (GetFocus() == field) SendMessageW(field, EM_SETSEL, 0, -1);
  }
  UpdateCreateButton();
}

// ---- drops and pickers ----

void MainWindow::AcceptDroppedData(const DroppedData& data) {
  if (data.hasFiles) {
    const auto file = DroppedFileTarget(data.files);
    if (!file) return;
    AdoptFile(*file, ClassifyTarget(*file));
  } else if (data.hasText) {
    const auto url = DroppedTextTarget(data.text, [this](const std::wstring& text) {
      targetKind_ = ClassifyTarget(text);
      return targetKind_;
    });
    if (!url) return;
    const std::wstring noName;
    AdoptUrl(*url, &noName, settings_.GetUrlTitle == 1, true);
  } else {
    return;
  }
  FocusField(Control(IDC_TXT_SHORTCUTNAME));
}

void MainWindow::btnBrows_Click(int index) {
  const std::wstring selectWhere = L"ショートカットを作成する場所を選択してください。";
  // A typed folder is offered as the initial selection when it exists.
  auto existingFolder = [this](int id) {
    const std::wstring text = TrimSpaces(Text(id));
    return GetPathKind(text) == PathKind::Folder ? text : std::wstring();
  };
  auto browseInto = [&](int comboId, int root) {
    const std::wstring folder = BrowseForFolder(selectWhere, hwnd_, root, BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE,
                                                existingFolder(comboId));
    if (!folder.empty()) SetText(comboId, folder);
  };
  switch (index) {
    case 0:
      if (GetKeyState(VK_SHIFT) < 0) {
        const std::wstring folder =
            BrowseForFolder(L"リンク先フォルダを選択してください。", hwnd_, CSIDL_DESKTOP,
                            BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE, existingFolder(IDC_TXT_LNKPATH));
        if (folder.empty()) return;
        AdoptFile(folder, TargetKind::Folder);
      } else {
        const std::wstring current = TrimSpaces(Text(IDC_TXT_LNKPATH));
        std::wstring initial = current.substr(0, current.size() - FileNameOf(current).size());
        if (GetPathKind(initial) != PathKind::Folder) initial.clear();
        const std::wstring chosen = PickFile(hwnd_, filterIndex_, initial);
        if (chosen.empty()) return;
        AdoptFile(chosen, TargetKind::File);
      }
      FocusField(Control(IDC_TXT_SHORTCUTNAME));
      break;
    case 1: browseInto(IDC_CMB_FREEPATH, CSIDL_DESKTOP); break;
    case 2:
      browseInto(IDC_CMB_STARTMENUPATH, IsChecked(IDC_CHK_ALLUSERS) ? CSIDL_COMMON_STARTMENU : CSIDL_STARTMENU);
      break;
    case 3: {
      const bool hasIcon = !iconFile_.empty();
      std::wstring iconFile = hasIcon ? iconFile_ : systemFolder_ + L"SHELL32.DLL";
      int iconIndex = hasIcon ? iconIndex_ : 0;
      if (ChooseIcon(hwnd_, iconFile, iconIndex) && SetIconSource(iconFile) >= 1) {
        iconIndex_ = iconIndex;
        preview_.DrawIconFromSource(iconIndex);
      }
      break;
    }
    case 4: browseInto(IDC_CMB_FAVORITESPATH, CSIDL_FAVORITES); break;
    default: break;
  }
}

// ---- reading shortcut files back ----

void MainWindow::FillFormFromLink(const ShellLinkInfo& info) {
  SetText(IDC_TXT_LNKPATH, TrimAtNul(info.target));
  SetText(IDC_TXT_WRKPATH, TrimAtNul(info.workingFolder));
  SetText(IDC_TXT_OPTION, TrimAtNul(info.arguments));
  SetText(IDC_TXT_COMMENT, TrimAtNul(info.comment));
  // Only minimised and maximised are told apart; anything else is a normal window.
  const int runSize = info.showCommand == SW_SHOWMINNOACTIVE ? 1 : info.showCommand == SW_SHOWMAXIMIZED ? 2 : 0;
  SendDlgItemMessageW(hwnd_, IDC_CMB_SHOWCMD, CB_SETCURSEL, runSize, 0);
  iconFile_ = TrimAtNul(info.iconFile);
  iconIndex_ = info.iconIndex;
}

void MainWindow::SelectDestinationOfFile(const std::wstring& shortcutPath) {
  const DestinationOfFile d = FindDestinationOfFile(folders_, shortcutPath);
  if (const SubFolderDestination* sub = SubFolderDestinationOf(d.kind))
    SetText(SubFolderControlsOf(sub->list).combo, d.comboFolder);
  SetChecked(IDC_CHK_ALLUSERS, d.allUsers);
  for (int i = 0; i < kDestinationCount; ++i) SetChecked(IDC_CHK_WHERE + i, i == static_cast<int>(d.kind));
}

// ---- the icon preview ----

// By value: callers hand over the icon file itself, which is cleared first.
int MainWindow::SetIconSource(std::wstring path) {
  iconFile_.clear();
  const int count = preview_.SetIconSource(path);
  if (count > 0) iconFile_ = path;
  return count;
}

void MainWindow::ShowIconOf(const std::wstring& path) {
  if (SetIconSource(path) == 0) {
    preview_.DrawAssociatedIcon(path);
  } else {
    iconIndex_ = 0;
    preview_.DrawIconFromSource(0);
  }
}

// The icon a shortcut file names is kept as the file holds it, even where the preview cannot
// show it (an unexpanded %SystemRoot%, a drive not there now, a web address): writing the
// shortcut again must not lose it. True when the file names an icon.
bool MainWindow::ShowShortcutFileIcon(std::wstring iconFile, int iconIndex) {
  if (iconFile.empty()) {
    SetIconSource(L"");
    return false;
  }
  if (SetIconSource(ExpandEnvironment(iconFile)) > 0) preview_.DrawIconFromSource(iconIndex);
  iconFile_ = iconFile;
  iconIndex_ = iconIndex;
  return true;
}

void MainWindow::ShowLinkIcon() {
  if (ShowShortcutFileIcon(iconFile_, iconIndex_)) return;
  const std::wstring target = Text(IDC_TXT_LNKPATH);
  if (ChosenFileTypeOf(target) == ChosenFileType::Bitmap) {
    tips_.Set(Control(IDC_PIC_ICON), L"");
    preview_.DrawBitmapTypeIcon();
  } else if (target.empty()) {
    preview_.Clear();
  } else {
    ShowIconOf(target);
  }
}

}  // namespace pelmora
