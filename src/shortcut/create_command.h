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


}  // namespace pelmora
