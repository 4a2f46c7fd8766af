// How the main window takes a new target: from the command line, the pickers, a drop, or an
// existing shortcut file read back into the form.
#include <shlobj.h>

#include "app/main_window.h"
#include "win/message_box.h"
#include "win/system.h"
#include "text/text_rules.h"
#include "naming/derive_name.h"
#include "naming/drop_rules.h"
#include "naming/long_path.h"
#include "win/pickers.h"
#include "resource.h"
#include "shortcut/name_rules.h"
#include "url/classify_target.h"
#include "url/internet_shortcut.h"

namespace pelmora {

void MainWindow::TakeStartupTarget(std::wstring text) {
  if (settings_.ExitAfterCreate == 1) exitAfterCreate_ = true;
  if (text.size() >= 2 && text.front() == L'"' && text.back() == L'"') text = text.substr(1, text.size() - 2);

  std::wstring proposedName;
  if (text.find(L"://") == std::wstring::npos) {
    targetKind_ = ClassifyTarget(text);
  } else {
    text = TrimTrailingSpaces(text);
    const auto space = text.find(L' ');
    if (space != std::wstring::npos) {
      proposedName = SanitizeShortcutName(text.substr(space + 1));
      text = text.substr(0, space);
    }
    targetKind_ = ClassifyTarget(text);
  }

  const TargetKind kind = targetKind_;
  if (IsFileSystemTarget(kind)) {
    const std::wstring path = ExpandLongPathName(text);
    if (path.empty()) {
      MessageBox(L"長いファイル名の変換に失敗しました。\r\n\r\n対象のファイルを画面にドロップしてください。",
                 MB_ICONEXCLAMATION | MB_OK);
      return;
    }
    const std::wstring tail = ToUpper(path.size() >= 4 ? path.substr(path.size() - 4) : path);
    if (tail == L".LNK" || tail == L".URL") {
      LoadShortcutFile(path, tail == L".LNK");
    } else if (tail == L".BMP") {
      ApplyNewTarget(path);
    } else {
      SetText(IDC_TXT_LNKPATH, path);
      SetText(IDC_TXT_WRKPATH, DeriveWorkingFolder(path, kind));
      ShowIconOf(path);
      SetText(IDC_TXT_SHORTCUTNAME, DeriveShortcutName(path));
      SetText(IDC_TXT_COMMENT, DeriveComment(Text(IDC_TXT_LNKPATH), settings_, lastFileDescription_));
    }
  } else if (kind == TargetKind::Url) {
    SetText(IDC_TXT_LNKPATH, text);
    SetText(IDC_TXT_SHORTCUTNAME, proposedName);
    preview_.GetInetShortcutIconImage();
    // The window is visible while a title is fetched.
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    RunPendingMessages();
    if (proposedName.empty()) {
      HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
      SetText(IDC_TXT_SHORTCUTNAME, DeriveShortcutName(text));
      SetCursor(previous);
    }
  }
  // The proposed name is ready to be typed over.
  SetFocus(Control(IDC_TXT_SHORTCUTNAME));
  SendDlgItemMessageW(hwnd_, IDC_TXT_SHORTCUTNAME, EM_SETSEL, 0, -1);
  focusTaken_ = true;
}

// An existing shortcut file: its contents fill the form, its name proposes the name, and the
// destination that holds it is ticked so that creating again overwrites it in place.
void MainWindow::LoadShortcutFile(const std::wstring& path, bool isLink) {
  if (isLink) {
    ReadShellLinkIntoForm(path);
    ShowLinkIcon();
  } else {
    InternetShortcut shortcut;
    if (ReadInternetShortcut(path, shortcut)) {
      SetText(IDC_TXT_LNKPATH, shortcut.url);
      iconIndex_ = shortcut.iconIndex;
    }
    if (SetIconSource(shortcut.iconFile) == 0)
      preview_.GetInetShortcutIconImage();
    else
      preview_.DrawIconFromSource(shortcut.iconIndex);
  }
  SetText(IDC_TXT_SHORTCUTNAME, DeriveShortcutName(path));
  SelectDestinationOfFile(path);
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

void MainWindow::AdoptChosenFile(const std::wstring& path) {
  const std::wstring tail = ToUpper(path.size() >= 4 ? path.substr(path.size() - 4) : path);
  if (tail == L".LNK" || tail == L".URL") {
    LoadShortcutFile(path, tail == L".LNK");
    return;
  }
  if (tail == L".BMP") {
    ApplyNewTarget(path);
    return;
  }
  const TargetKind kind = targetKind_;
  SetText(IDC_TXT_LNKPATH, path);
  if (kind == TargetKind::File) SetText(IDC_TXT_WRKPATH, DeriveWorkingFolder(path, kind));
  if (kind == TargetKind::Folder) SetText(IDC_TXT_WRKPATH, L"");
  ShowIconOf(path);
  SetText(IDC_TXT_OPTION, L"");
  SendDlgItemMessageW(hwnd_, IDC_CMB_SHOWCMD, CB_SETCURSEL, 0, 0);
  SetText(IDC_TXT_SHORTCUTNAME, DeriveShortcutName(path));
  SetText(IDC_TXT_COMMENT, DeriveComment(Text(IDC_TXT_LNKPATH), settings_, lastFileDescription_));
}

void MainWindow::AcceptDroppedData(const DroppedData& data) {
  if (data.hasFiles) {
    const auto file = DroppedFileTarget(data.files);
    if (!file) return;
    targetKind_ = ClassifyTarget(*file);
    AdoptChosenFile(*file);
  } else if (data.hasText) {
    const auto url = DroppedTextTarget(data.text, [this](const std::wstring& text) {
      targetKind_ = ClassifyTarget(text);
      return targetKind_;
    });
    if (!url) return;
    SetText(IDC_TXT_LNKPATH, *url);
    preview_.GetInetShortcutIconImage();
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    SetText(IDC_TXT_SHORTCUTNAME, DeriveShortcutName(*url));
    SetCursor(previous);
    ClearLinkOnlyFields();
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
        targetKind_ = TargetKind::Folder;
        SetText(IDC_TXT_LNKPATH, folder);
        SetText(IDC_TXT_WRKPATH, L"");
        ShowIconOf(folder);
        SetText(IDC_TXT_OPTION, L"");
        SendDlgItemMessageW(hwnd_, IDC_CMB_SHOWCMD, CB_SETCURSEL, 0, 0);
        SetText(IDC_TXT_SHORTCUTNAME, DeriveShortcutName(folder));
        SetText(IDC_TXT_COMMENT, DeriveComment(Text(IDC_TXT_LNKPATH), settings_, lastFileDescription_));
        FocusField(Control(IDC_TXT_SHORTCUTNAME));
      } else {
        const std::wstring current = TrimSpaces(Text(IDC_TXT_LNKPATH));
        std::wstring initial = current.substr(0, current.size() - FileNameOf(current).size());
        if (GetPathKind(initial) != PathKind::Folder) initial.clear();
        const std::wstring chosen = PickFile(hwnd_, filterIndex_, initial);
        if (chosen.empty()) return;
        targetKind_ = TargetKind::File;
        AdoptChosenFile(chosen);
        FocusField(Control(IDC_TXT_SHORTCUTNAME));
      }
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

void MainWindow::ApplyNewTarget(const std::wstring& target) {
  SetText(IDC_TXT_SHORTCUTNAME, DeriveShortcutName(target));
  SetText(IDC_TXT_LNKPATH, target);
  SetText(IDC_TXT_WRKPATH, DeriveWorkingFolder(target, targetKind_));
  iconFile_.clear();
  iconIndex_ = 0;
  tips_.Set(Control(IDC_PIC_ICON), L"");
  SetText(IDC_TXT_OPTION, L"");
  SetText(IDC_TXT_COMMENT, DeriveComment(Text(IDC_TXT_LNKPATH), settings_, lastFileDescription_));
  SendDlgItemMessageW(hwnd_, IDC_CMB_SHOWCMD, CB_SETCURSEL, 0, 0);
  preview_.DrawBitmapTypeIcon();
}

bool MainWindow::ReadShellLinkIntoForm(const std::wstring& linkPath) {
  ShellLinkInfo info;
  if (!link_.GetShellLinkInfo(linkPath, info)) return false;
  SetText(IDC_TXT_LNKPATH, TrimAtNul(info.target));
  SetText(IDC_TXT_WRKPATH, TrimAtNul(info.workingFolder));
  SetText(IDC_TXT_OPTION, TrimAtNul(info.arguments));
  SetText(IDC_TXT_COMMENT, TrimAtNul(info.comment));
  // Only minimised and maximised are told apart; anything else is a normal window.
  const int runSize = info.showCommand == SW_SHOWMINNOACTIVE ? 1 : info.showCommand == SW_SHOWMAXIMIZED ? 2 : 0;
  SendDlgItemMessageW(hwnd_, IDC_CMB_SHOWCMD, CB_SETCURSEL, runSize, 0);
  iconFile_ = TrimAtNul(info.iconFile);
  iconIndex_ = info.iconIndex;
  return true;
}

void MainWindow::SelectDestinationOfFile(const std::wstring& shortcutPath) {
  const DestinationOfFile d = FindDestinationOfFile(folders_, shortcutPath);
  switch (d.kind) {
    case DestinationKind::StartMenu: SetText(IDC_CMB_STARTMENUPATH, d.comboFolder); break;
    case DestinationKind::Favorites: SetText(IDC_CMB_FAVORITESPATH, d.comboFolder); break;
    case DestinationKind::Free: SetText(IDC_CMB_FREEPATH, d.comboFolder); break;
    default: break;
  }
  SetChecked(IDC_CHK_ALLUSERS, d.allUsers);
  for (int i = 0; i < kDestinationCount; ++i) SetChecked(IDC_CHK_WHERE + i, i == static_cast<int>(d.kind));
}

void MainWindow::ShowIconOf(const std::wstring& path) {
  if (SetIconSource(path) == 0) {
    preview_.DrawAssociatedIcon(path);
  } else {
    iconIndex_ = 0;
    preview_.DrawIconFromSource(0);
  }
}

void MainWindow::ShowLinkIcon() {
  if (!iconFile_.empty()) {
    const int index = iconIndex_;
    if (SetIconSource(iconFile_) > 0) preview_.DrawIconFromSource(index);
    return;
  }
  const std::wstring target = Text(IDC_TXT_LNKPATH);
  if (ToUpper(target).ends_with(L".BMP")) {
    tips_.Set(Control(IDC_PIC_ICON), L"");
    preview_.DrawBitmapTypeIcon();
  } else if (target.empty()) {
    preview_.Clear();
  } else {
    ShowIconOf(target);
  }
}

}  // namespace pelmora
