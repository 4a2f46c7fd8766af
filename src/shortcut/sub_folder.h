// The typed sub-folder of the StartMenu, Free and Favorites destinations: checked, and created
// on request, before a shortcut is written into it.
#pragma once
#include <windows.h>

#include <string>

#include "shortcut/destinations.h"

namespace pelmora {

struct SubFolderDecision {
  enum Outcome { Use, Skip, Cancel } outcome = Skip;
  std::wstring folder;  // with a trailing backslash, for Use
};

// `comboText` is the destination combo's text. An empty text or a folder that cannot be
// examined skips the destination silently; a missing folder (longer than a drive root) asks
// whether to create it (a box modal to `owner`): Yes creates it (skip if that fails), No skips, Cancel ends the command.
SubFolderDecision ResolveSubFolder(HWND owner, DestinationKind kind, const std::wstring& comboText);

}  // namespace pelmora
