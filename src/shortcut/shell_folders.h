// Looking up the shell's special folders.
#pragma once
#include <windows.h>

#include <string>

#include "shortcut/destinations.h"

namespace pelmora {

// The path of a special folder (CSIDL). False, with `path` unchanged, when the lookup fails.
bool GetSystemFolderPath(HWND owner, int csidl, std::wstring& path);

// Resolves every destination folder and decides whether All Users and Quick Launch are
// available (the common start menu, the Quick Launch folder must exist).
SpecialFolders PrepareSpecialFolders(HWND owner);

}  // namespace pelmora
