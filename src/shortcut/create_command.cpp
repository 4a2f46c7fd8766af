#include "shortcut/create_command.h"

#include "shortcut/shutdown_guard.h"
#include "shortcut/sub_folder.h"
#include "text/text_rules.h"
#include "url/classify_target.h"
#include "url/internet_shortcut.h"
#include "win/message_box.h"
#include "win/system.h"

namespace pelmora {
CreateResult CreateShortcuts(const CreateRequest& request, const ShellLink& shellLink) {
  CreateResult result;
  ShellLinkInfo values = request.link;
  values.target = TrimSpaces(values.target);
  values.arguments = TrimSpaces(values.arguments);
  values.workingFolder = TrimSpaces(values.workingFolder);
  values.comment = TrimSpaces(values.comment);
  const std::wstring name = TrimSpaces(request.name);

  const ShortcutInfoCheck check = CheckShortcutInfo(values.target, name, ClassifyTarget);
  if (!check.passed) {
    MessageBox(request.owner, check.message, MB_ICONEXCLAMATION | MB_OK);
    result.focus = check.focus;
    return result;
  }
  const bool internet = check.kind == TargetKind::Url;

  std::array<bool, kDestinationCount> ticked = request.ticked;
  const int startup = static_cast<int>(DestinationKind::Startup);
  if (ticked[startup] && !internet && IsShutdownCommand(NormalisedFullPath(values.target), values.arguments)) {
    ticked[startup] = false;
    result.startupCleared = true;
  }

  const std::wstring extension = internet ? L".url" : L".lnk";
  int attempted = 0, written = 0;
  for (int index = 0; index < kDestinationCount; ++index) {
    if (!ticked[index]) continue;
    const auto kind = static_cast<DestinationKind>(index);
    ++attempted;

    const SubFolderDestination* sub = SubFolderDestinationOf(kind);
    const std::wstring typed = sub ? TrimSpaces(request.subFolders[static_cast<int>(sub->list)]) : std::wstring();
    std::wstring folder = sub ? typed : FixedDestinationFolder(request.folders, kind, request.allUsers);
    // A folder the system could not tell us is no place to write to: without this the file
    // would land in the current drive's root.
    if (folder.empty()) continue;
    folder = WithTrailingBackslash(folder);
    const std::wstring path = folder + name + extension;
    // Said before any folder is made, so that a refused path leaves nothing behind.
    if (IsShortcutPathTooLong(path)) {
      MessageBox(request.owner, PathTooLongText(path), MB_ICONEXCLAMATION | MB_OK);
      continue;
    }
    if (sub) {
      const SubFolderDecision decision = ResolveSubFolder(request.owner, kind, typed);
      if (decision.outcome == SubFolderDecision::Cancel) {
        result.focus = sub->field;
        return result;
      }
      if (decision.outcome == SubFolderDecision::Skip) continue;
    }

    if (GetPathKind(path) == PathKind::File) {
      const std::wstring question = QuotedDestinationName(kind) +
                                    L"には同名のショートカットが既に存在します。\r\n\r\n上書きしますか？\r\n";
      const int answer = MessageBox(request.owner, question, MB_ICONQUESTION | MB_YESNOCANCEL | MB_DEFBUTTON2);
      if (answer == IDNO) continue;
      if (answer != IDYES) {
        result.focus = ShortcutField::Name;
        return result;
      }
    }

    const bool ok = internet ? WriteInternetShortcut(path, values.target, values.iconFile, values.iconIndex)
                             : shellLink.CreateShellLink(path, values);
    if (!ok) continue;
    ++written;
    if (sub) result.usedSubFolders.push_back(sub->list);
  }

  const std::wstring kindWord = internet ? L"インターネット" : L"";
  if (written < 1 || written != attempted)
    MessageBox(request.owner, L"いくつかの" + kindWord + L"ショートカットが作成されませんでした。", MB_ICONEXCLAMATION | MB_OK);
  else if (!request.noMessage)
    MessageBox(request.owner, kindWord + L"ショートカットはすべて作成されました。", MB_ICONINFORMATION | MB_OK);
  result.finished = true;
  return result;
}

}  // namespace pelmora
