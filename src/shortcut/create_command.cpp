#include "shortcut/create_command.h"

#include "app/main_window.h"
#include "app/message_box.h"
#include "app/program.h"
#include "app/system.h"
#include "app/text_rules.h"
#include "resource.h"
#include "settings/settings.h"
#include "shortcut/name_rules.h"
#include "shortcut/shell_link.h"
#include "shortcut/sub_folder.h"
#include "url/classify_target.h"
#include "url/internet_shortcut.h"

namespace pelmora {
namespace {

constexpr int kShowCommands[] = {SW_SHOW, SW_SHOWMINNOACTIVE, SW_SHOWMAXIMIZED};

struct SubFolderDestination {
  int combo;
  RecentList list;
};
bool SubFolderOf(DestinationKind kind, SubFolderDestination& out) {
  switch (kind) {
    case DestinationKind::StartMenu: out = {IDC_CMB_STARTMENUPATH, RecentList::StartMenu}; return true;
    case DestinationKind::Free: out = {IDC_CMB_FREEPATH, RecentList::Free}; return true;
    case DestinationKind::Favorites: out = {IDC_CMB_FAVORITESPATH, RecentList::Favorites}; return true;
    default: return false;
  }
}

// A shutdown, restart or log-off shortcut never goes into a Startup folder.
bool IsShutdownCommand(const MainWindow& window, const std::wstring& target, const std::wstring& arguments) {
  return (ContainsNoCase(target, window.Rundll32Path()) && ContainsNoCase(arguments, L"SHELL32.DLL,SHExitWindowsEx")) ||
         (ContainsNoCase(target, window.RundllPath()) && ContainsNoCase(arguments, L"USER.EXE,ExitWindowsExec"));
}

}  // namespace

void CreateShortcuts(MainWindow& window) {
  ShellLinkInfo values;
  values.target = TrimSpaces(window.Text(IDC_TXT_LNKPATH));
  const std::wstring name = TrimSpaces(window.Text(IDC_TXT_SHORTCUTNAME));
  values.arguments = TrimSpaces(window.Text(IDC_TXT_OPTION));
  values.workingFolder = TrimSpaces(window.Text(IDC_TXT_WRKPATH));
  const LRESULT runSize = SendMessageW(window.Control(IDC_CMB_SHOWCMD), CB_GETCURSEL, 0, 0);
  values.showCommand = kShowCommands[runSize >= 0 && runSize < 3 ? runSize : 0];
  values.comment = TrimSpaces(window.Text(IDC_TXT_COMMENT));
  values.iconFile = Program().iconFile;
  values.iconIndex = Program().iconIndex;

  const ShortcutInfoCheck check = CheckShortcutInfo(values.target, name, [](const std::wstring& target) {
    Program().targetKind = ClassifyTarget(target);
    return Program().targetKind;
  });
  if (!check.passed) {
    MessageBox(check.message, MB_ICONEXCLAMATION | MB_OK);
    FocusField(window.Control(check.focus == ShortcutField::Name ? IDC_TXT_SHORTCUTNAME : IDC_TXT_LNKPATH));
    return;
  }
  const bool internet = check.kind == TargetKind::Url;

  if (window.IsChecked(IDC_CHK_WHERE + static_cast<int>(DestinationKind::Startup)) &&
      IsShutdownCommand(window, values.target, values.arguments))
    window.SetChecked(IDC_CHK_WHERE + static_cast<int>(DestinationKind::Startup), false);

  const std::wstring extension = internet ? L".url" : L".lnk";
  const bool allUsers = window.IsChecked(IDC_CHK_ALLUSERS);
  int attempted = 0, written = 0;
  for (int index = 0; index < kDestinationCount; ++index) {
    if (!window.IsChecked(IDC_CHK_WHERE + index)) continue;
    const auto kind = static_cast<DestinationKind>(index);
    ++attempted;

    std::wstring folder;
    SubFolderDestination sub{};
    const bool isSubFolder = SubFolderOf(kind, sub);
    if (isSubFolder) {
      const SubFolderDecision decision = ResolveSubFolder(kind, window.Text(sub.combo));
      if (decision.outcome == SubFolderDecision::Cancel) {
        FocusField(window.Control(sub.combo));
        return;
      }
      if (decision.outcome == SubFolderDecision::Skip) continue;
      folder = decision.folder;
    } else {
      // A folder the system could not tell us is no place to write to: without this the file
      // would land in the current drive's root.
      const std::wstring fixed = FixedDestinationFolder(window.Folders(), kind, allUsers);
      if (fixed.empty()) continue;
      folder = WithTrailingBackslash(fixed);
    }
    const std::wstring path = folder + name + extension;

    if (GetPathKind(path) == PathKind::File) {
      const std::wstring question = QuotedDestinationName(kind) +
                                    L"には同名のショートカットが既に存在します。\r\n\r\n上書きしますか？\r\n";
      const int answer = MessageBox(question, MB_ICONQUESTION | MB_YESNOCANCEL | MB_DEFBUTTON2);
      if (answer == IDNO) continue;
      if (answer != IDYES) {
        FocusField(window.Control(IDC_TXT_SHORTCUTNAME));
        return;
      }
    }

    const bool ok = internet ? WriteInternetShortcut(path, values.target, values.iconFile, values.iconIndex)
                             : window.Link().WriteShellLink(path, values);
    if (!ok) continue;
    ++written;
    if (isSubFolder) window.RememberSubFolder(sub.list, sub.combo);
  }

  const std::wstring kindWord = internet ? L"インターネット" : L"";
  if (written < 1 || written != attempted)
    MessageBox(L"いくつかの" + kindWord + L"ショートカットが作成されませんでした。", MB_ICONEXCLAMATION | MB_OK);
  else if (CurrentSettings().NoMessage == 0)
    MessageBox(kindWord + L"ショートカットはすべて作成されました。", MB_ICONINFORMATION | MB_OK);

  if (window.ExitAfterCreate()) window.Form_Unload();
}

}  // namespace pelmora
