// The recent sub-folder lists in the settings file and in their combos.
#pragma once
#include <windows.h>

#include <string>

#include "settings/profile_text.h"
#include "shortcut/recent_folders.h"

namespace pelmora {

// At load: reads the list from section RecentDir of the settings file, fixes the drop-down
// limit at twice the combo's width, and when there are entries fills the combo with them, sizes
// its drop-down part and shows the first entry.
void LoadRecentFolders(RecentFolderList& list, HWND combo, const std::wstring& settingsFile);

// At unload: the writes of all ten keys of the list (empty beyond its length), which the main
// window makes in the same replace of the settings file as the options.
void AddRecentFolderWrites(const RecentFolderList& list, ProfileWrites& writes);

// After a shortcut was written into the combo's folder: puts the combo's trimmed text first in
// the list, refills the combo from the list and leaves that text in it.
void RememberRecentFolder(RecentFolderList& list, HWND combo);

}  // namespace pelmora
