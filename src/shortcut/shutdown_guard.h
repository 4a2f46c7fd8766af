// Shortcuts that shut Windows down, restart it or log off: they never go into Startup, where
// they would run at every logon.
#pragma once
#include <string_view>

namespace pelmora {

// True when `target` (a full path, already normalised: "\" separators, no "." or "..", long
// names) is RUNDLL32.EXE with SHELL32's SHExitWindowsEx, or RUNDLL.EXE with USER's
// ExitWindowsExec, in any folder and any letter case. The library may be written with or
// without its extension or folder, with blanks around the comma.
bool IsShutdownCommand(std::wstring_view target, std::wstring_view arguments);

}  // namespace pelmora
