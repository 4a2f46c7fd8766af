// The destination folders, resolved once when the main window loads.
#pragma once
#include <windows.h>

#include <string>

#include "shortcut/destinations.h"

namespace pelmora {

// Resolves every destination folder and decides whether All Users and Quick Launch are
// available (the common start menu, the Quick Launch folder must exist).
SpecialFolders PrepareSpecialFolders(HWND owner);

}  // namespace pelmora
