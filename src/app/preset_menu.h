// The popup menu of 特殊(&Y)...: picks a special preset, asks before using it and, for the
// Explorer presets, asks for the folder. The main window fills its fields from the result.
#pragma once
#include <windows.h>

#include <optional>

#include "app/presets.h"

namespace pelmora {

// Pops the menu up at the bottom-left corner of `button`. Entries the system does not offer
// (PresetAvailable) are disabled. nullopt when the menu was dismissed, キャンセル was chosen,
// the question was answered No or the folder picker was cancelled. The caller keeps dropped
// targets out while this runs (the folder picker is modal to `owner`).
std::optional<PresetFields> ShowSpecialMenu(HWND owner, HWND button, const PresetSystem& system,
                                            bool windowsVersionCheck);

}  // namespace pelmora
