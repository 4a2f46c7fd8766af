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

// How one destination went; a Cancel names the field to focus.
struct DestinationStep {
  enum Outcome { Written, NotWritten, Cancelled } outcome = NotWritten;
  ShortcutField focus = ShortcutField::Name;
};

DestinationStep WriteInto(const CreateRequest& request, DestinationKind kind, const PreparedShortcut& shortcut,
                          const ShellLink& shellLink) {
  const ShortcutPlace place = PlaceOf(request, kind, shortcut);
  // A folder the system could not tell us is no place to write to: without this the file
  // would land in the current drive's root.
  if (place.path.empty()) return {};
  // Said before any folder is made, so that a refused path leaves nothing behind.
  if (IsShortcutPathTooLong(place.path)) {
    MessageBox(request.owner, PathTooLongText(place.path), MB_ICONEXCLAMATION | MB_OK);
    return {};
  }
  if (place.sub) {
    const SubFolderDecision decision = ResolveSubFolder(request.owner, kind, place.folder);
    if (decision.outcome == SubFolderDecision::Cancel) return {DestinationStep::Cancelled, place.sub->field};
    if (decision.outcome == SubFolderDecision::Skip) return {};
  }
  if (GetPathKind(place.path) == PathKind::File) {
    const int answer = MessageBox(request.owner, OverwriteQuestionText(kind), MB_ICONQUESTION | MB_YESNOCANCEL | MB_DEFBUTTON2);
    if (answer == IDNO) return {};
    if (answer != IDYES) return {DestinationStep::Cancelled, ShortcutField::Name};
  }
  return {WriteShortcutFile(place.path, shortcut, shellLink) ? DestinationStep::Written : DestinationStep::NotWritten};
}

}  // namespace

PreparedShortcut PrepareShortcut(const ShellLinkInfo& link, const std::wstring& name) {
  PreparedShortcut shortcut{link, TrimSpaces(name)};
  ShellLinkInfo& values = shortcut.values;
  values.target = TrimSpaces(values.target);
  values.arguments = TrimSpaces(values.arguments);
  values.workingFolder = TrimSpaces(values.workingFolder);
  values.comment = TrimSpaces(values.comment);
  return shortcut;
}

std::array<bool, kDestinationCount> DestinationsToWrite(const CreateRequest& request, const PreparedShortcut& shortcut,
                                                        bool& startupLeftOut) {
  std::array<bool, kDestinationCount> ticked = request.ticked;
  const int startup = static_cast<int>(DestinationKind::Startup);
  const ShellLinkInfo& values = shortcut.values;
  startupLeftOut = ticked[startup] && !shortcut.internet &&
                   IsShutdownCommand(NormalisedFullPath(values.target), values.arguments);
  if (startupLeftOut) ticked[startup] = false;
  return ticked;
}

ShortcutPlace PlaceOf(const CreateRequest& request, DestinationKind kind, const PreparedShortcut& shortcut) {
  ShortcutPlace place;
  place.sub = SubFolderDestinationOf(kind);
  place.folder = place.sub ? TrimSpaces(request.subFolders[static_cast<int>(place.sub->list)])
                           : FixedDestinationFolder(request.folders, kind, request.allUsers);
  if (!place.folder.empty())
    place.path = WithTrailingBackslash(place.folder) + shortcut.name + (shortcut.internet ? L".url" : L".lnk");
  return place;
}

bool WriteShortcutFile(const std::wstring& path, const PreparedShortcut& shortcut, const ShellLink& link) {
  const ShellLinkInfo& v = shortcut.values;
  return shortcut.internet ? WriteInternetShortcut(path, v.target, v.iconFile, v.iconIndex)
                           : link.CreateShellLink(path, v);
}

std::wstring OverwriteQuestionText(DestinationKind kind) {
  return QuotedDestinationName(kind) + L"には同名のショートカットが既に存在します。\r\n\r\n上書きしますか？\r\n";
}

CreateResult CreateShortcuts(const CreateRequest& request, const ShellLink& shellLink) {
  CreateResult result;
  PreparedShortcut shortcut = PrepareShortcut(request.link, request.name);
  const ShortcutInfoCheck check = CheckShortcutInfo(shortcut.values.target, shortcut.name, ClassifyTarget);
  if (!check.passed) {
    MessageBox(request.owner, check.message, MB_ICONEXCLAMATION | MB_OK);
    result.focus = check.focus;
    return result;
  }
  shortcut.internet = check.kind == TargetKind::Url;
  const std::array<bool, kDestinationCount> ticked = DestinationsToWrite(request, shortcut, result.startupCleared);

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
