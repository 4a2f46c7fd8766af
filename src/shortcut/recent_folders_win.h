// The recent sub-folder lists in the settings file and in their combos.
#pragma once
#include <windows.h>

#include <string>

#include "shortcut/recent_folders.h"

namespace pelmora {

// At load: reads the list from section RecentDir of the settings file, fixes the drop-down
// limit at twice the combo's width, and when there are entries fills the combo with them, sizes
// its drop-down part and shows the first entry.
void LoadRecentFolders(RecentFolderList& list, HWND combo, const std::wstring& settingsFile);

// At unload: writes all ten keys of the list (empty beyond its length). The settings file stays
// in the ANSI code page.
void SaveRecentFolders(const RecentFolderList& list, const std::wstring& settingsFile);

// After a shortcut was written into the combo's folder: puts the combo's trimmed text first in
// the list, refills the combo from the list and leaves that text in it.
void RememberRecentFolder(RecentFolderList& list, HWND combo);

}  // namespace pelmora
