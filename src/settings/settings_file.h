// The settings file beside the program (an ANSI INI file): loaded once while the main window
// starts, saved when it closes.
#pragma once
#include <optional>
#include <string>

#include "settings/profile_text.h"
#include "settings/settings.h"
#include "settings/settings_rules.h"

namespace pelmora {

struct LoadedSettings {
  Settings settings;
  // The stored position when WindowPos is on; the window pulls it back onto the screen.
  std::optional<WindowLeftTop> windowLeftTop;
  // The boxes to tick when CheckLocation is on; nullopt leaves the boxes alone.
  std::optional<ShortcutFolderStates> boxStates;
  // [Debug] WindowsVersionCheck: on unless stored as 0.
  bool WindowsVersionCheck = true;
};

// Reads every option (a missing file, section or key gives its default). An old GetTitle key
// is carried over into GetHtmlTitle and removed from the file at once.
LoadedSettings LoadSettings(const std::wstring& path);

// Writes [GENERAL] in its fixed order (WindowLeft/WindowTop only while WindowPos is on and a
// position is given; otherwise the stored ones stay), all eight [ShortcutFolder] keys and then
// `alsoWrite` (the other sections a closing window keeps), all in one replace of the whole file:
// two windows closing at the same moment leave the file of one of them, never a mix. Unknown
// keys and sections stay. Write failures are not reported: the options are then simply not kept.
void SaveSettings(const std::wstring& path, const Settings& settings,
                  std::optional<WindowLeftTop> windowLeftTop, const ShortcutFolderStates& boxStates,
                  const ProfileWrites& alsoWrite = {});

}  // namespace pelmora
