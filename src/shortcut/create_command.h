// The create command: writes the shortcut being prepared into every ticked destination.
#pragma once
#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "shortcut/destinations.h"
#include "shortcut/name_rules.h"
#include "shortcut/recent_folders.h"
#include "shortcut/shell_link.h"

namespace pelmora {

// What the window holds when 作成 is pressed, as plain values.
struct CreateRequest {
  // The window the questions and the summary are modal to.
  HWND owner = nullptr;
  // Target, arguments, working folder, run size, comment and icon; texts as typed.
  ShellLinkInfo link;
  std::wstring name;
  std::array<bool, kDestinationCount> ticked{};
  bool allUsers = false;
  // The typed sub-folder of each recent list's destination (StartMenu, Favorites, Free).
  std::array<std::wstring, 3> subFolders;
  SpecialFolders folders;
  bool noMessage = false;
};

// What happened, for the window to apply.
struct CreateResult {
  // The shutdown guard left Startup out: its box is to be cleared.
  bool startupCleared = false;
  // The lists whose typed sub-folder received a shortcut, to remember it.
  std::vector<RecentList> usedSubFolders;
  // The field to focus after a refusal or a Cancel, if any.
  std::optional<ShortcutField> focus;
  // The command ran to its summary (it was neither refused nor cancelled).
  bool finished = false;
};

// Validates, asks before creating a missing sub-folder and before overwriting, writes a .lnk
// (or a .url for a web address) per ticked destination and reports the outcome. Cancel at a
// question ends the command at once, without a summary.
CreateResult CreateShortcuts(const CreateRequest& request, const ShellLink& link);

// The steps of the command that a batch of targets takes for each of them.

// The shortcut as it is written: its values and name trimmed of blanks; `internet` once the
// target classified as a web address.
struct PreparedShortcut {
  ShellLinkInfo values;
  std::wstring name;
  bool internet = false;
};
PreparedShortcut PrepareShortcut(const ShellLinkInfo& link, const std::wstring& name);

// The destinations to write into: the ticked ones, less Startup for a shutdown, restart or
// log-off shortcut (`startupLeftOut` then).
std::array<bool, kDestinationCount> DestinationsToWrite(const CreateRequest& request, const PreparedShortcut& shortcut,
                                                        bool& startupLeftOut);

// Where a destination puts the shortcut: the typed sub-folder (trimmed) of a sub-folder
// destination (`sub` set), else the fixed destination's folder, and the file path there. Both
// empty when there is no folder to write to (none typed, or none the system could tell).
struct ShortcutPlace {
  const SubFolderDestination* sub = nullptr;
  std::wstring folder;
  std::wstring path;
};
ShortcutPlace PlaceOf(const CreateRequest& request, DestinationKind kind, const PreparedShortcut& shortcut);

// Writes a .url for a web address, else a .lnk; false when that failed.
bool WriteShortcutFile(const std::wstring& path, const PreparedShortcut& shortcut, const ShellLink& link);

// The question before replacing an existing file: the destination's quoted name first.
std::wstring OverwriteQuestionText(DestinationKind kind);

}  // namespace pelmora
