#include "shortcut/create_command.h"

#include "shortcut/shutdown_guard.h"
#include "shortcut/sub_folder.h"
#include "text/text_rules.h"
#include "url/classify_target.h"
#include "url/internet_shortcut.h"
#include "win/message_box.h"
#include "win/system.h"

namespace pelmora {
namespace {

// The shortcut being written: its values trimmed as the command writes them.
struct Prepared {
  ShellLinkInfo values;
  std::wstring name;
  bool internet = false;
};

// How one destination went; a Cancel names the field to focus.
struct DestinationStep {
  enum Outcome { Written, NotWritten, Cancelled } outcome = NotWritten;
  ShortcutField focus = ShortcutField::Name;
};

DestinationStep WriteInto(const CreateRequest& request, DestinationKind kind, const Prepared& shortcut,
                          const ShellLink& shellLink) {
  const SubFolderDestination* sub = SubFolderDestinationOf(kind);
  const std::wstring typed = sub ? TrimSpaces(request.subFolders[static_cast<int>(sub->list)]) : std::wstring();
  std::wstring folder = sub ? typed : FixedDestinationFolder(request.folders, kind, request.allUsers);
  // A folder the system could not tell us is no place to write to: without this the file
  // would land in the current drive's root.
  if (folder.empty()) return {};
  const std::wstring path = WithTrailingBackslash(folder) + shortcut.name + (shortcut.internet ? L".url" : L".lnk");
  // Said before any folder is made, so that a refused path leaves nothing behind.
  if (IsShortcutPathTooLong(path)) {
    MessageBox(request.owner, PathTooLongText(path), MB_ICONEXCLAMATION | MB_OK);
    return {};
  }
  if (sub) {
    const SubFolderDecision decision = ResolveSubFolder(request.owner, kind, typed);
    if (decision.outcome == SubFolderDecision::Cancel) return {DestinationStep::Cancelled, sub->field};
    if (decision.outcome == SubFolderDecision::Skip) return {};
  }
  if (GetPathKind(path) == PathKind::File) {
    const std::wstring question = QuotedDestinationName(kind) +
                                  L"には同名のショートカットが既に存在します。\r\n\r\n上書きしますか？\r\n";
    const int answer = MessageBox(request.owner, question, MB_ICONQUESTION | MB_YESNOCANCEL | MB_DEFBUTTON2);
    if (answer == IDNO) return {};
    if (answer != IDYES) return {DestinationStep::Cancelled, ShortcutField::Name};
  }
  const ShellLinkInfo& v = shortcut.values;
  const bool ok = shortcut.internet ? WriteInternetShortcut(path, v.target, v.iconFile, v.iconIndex)
                                    : shellLink.CreateShellLink(path, v);
  return {ok ? DestinationStep::Written : DestinationStep::NotWritten};
}

}  // namespace

CreateResult CreateShortcuts(const CreateRequest& request, const ShellLink& shellLink) {
  CreateResult result;
  Prepared shortcut{request.link, TrimSpaces(request.name)};
  ShellLinkInfo& values = shortcut.values;
  values.target = TrimSpaces(values.target);
  values.arguments = TrimSpaces(values.arguments);
  values.workingFolder = TrimSpaces(values.workingFolder);
  values.comment = TrimSpaces(values.comment);

  const ShortcutInfoCheck check = CheckShortcutInfo(values.target, shortcut.name, ClassifyTarget);
  if (!check.passed) {
    MessageBox(request.owner, check.message, MB_ICONEXCLAMATION | MB_OK);
    result.focus = check.focus;
    return result;
  }
  shortcut.internet = check.kind == TargetKind::Url;

  std::array<bool, kDestinationCount> ticked = request.ticked;
  const int startup = static_cast<int>(DestinationKind::Startup);
  if (ticked[startup] && !shortcut.internet && IsShutdownCommand(NormalisedFullPath(values.target), values.arguments)) {
    ticked[startup] = false;
    result.startupCleared = true;
  }

  int attempted = 0, written = 0;
  for (int index = 0; index < kDestinationCount; ++index) {
    if (!ticked[index]) continue;
    ++attempted;
    const auto kind = static_cast<DestinationKind>(index);
    const DestinationStep step = WriteInto(request, kind, shortcut, shellLink);
    if (step.outcome == DestinationStep::Cancelled) {
      result.focus = step.focus;
      return result;
    }
    if (step.outcome != DestinationStep::Written) continue;
    ++written;
    if (const SubFolderDestination* sub = SubFolderDestinationOf(kind)) result.usedSubFolders.push_back(sub->list);
  }

  const std::wstring kindWord = shortcut.internet ? L"インターネット" : L"";
  if (written < 1 || written != attempted)
    MessageBox(request.owner, L"いくつかの" + kindWord + L"ショートカットが作成されませんでした。", MB_ICONEXCLAMATION | MB_OK);
  else if (!request.noMessage)
    MessageBox(request.owner, kindWord + L"ショートカットはすべて作成されました。", MB_ICONINFORMATION | MB_OK);
  result.finished = true;
  return result;
}

}  // namespace pelmora
