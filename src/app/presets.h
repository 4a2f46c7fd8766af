// Ready-made special shortcuts: Control Panel applets, Explorer opened on a chosen folder, and
// shutting Windows down. A preset only proposes the fields; the user picks the destinations
// and creates the shortcut as for any other target.
#pragma once
#include <string>
#include <string_view>

namespace pelmora {

enum class PresetFamily { Explorer, ControlPanel, Shutdown };
inline constexpr int kExplorerPresetCount = 2;      // 0 a folder, 1 a root
inline constexpr int kControlPanelPresetCount = 10;
inline constexpr int kShutdownPresetCount = 4;      // shut down, restart, fast restart, log off

struct PresetId {
  PresetFamily family = PresetFamily::ControlPanel;
  int index = 0;
  bool operator==(const PresetId&) const = default;
};

// What the presets need to know of the system; folders end with "\".
struct PresetSystem {
  std::wstring windowsFolder;
  std::wstring systemFolder;
};

// With the version check on (WindowsVersionCheck not stored as 0), Windows offers neither the
// shutdown presets nor the System and Network applets.
bool PresetAvailable(PresetId preset, bool windowsVersionCheck);

// The yes/no question asked before a preset fills the fields.
std::wstring PresetQuestion(PresetId preset);
// The folder picker's prompt of an Explorer preset.
std::wstring ExplorerPickerPrompt(int index);

// The fields a preset fills. Every preset also makes the target a file, empties the working
// folder and selects the normal run size.
struct PresetFields {
  std::wstring target;
  std::wstring arguments;
  std::wstring name;
  std::wstring comment;
  std::wstring iconFile;  // taken only when it holds icons; then iconIndex is drawn
  int iconIndex = 0;
  bool clearStartup = false;  // a shutdown shortcut must not go into Startup
  bool operator==(const PresetFields&) const = default;
};

// For the Explorer presets `chosenFolder` is the folder picked and `volumeLabel` its drive's
// label (used as the name when the folder is a drive root).
PresetFields FieldsOfPreset(PresetId preset, const PresetSystem& system, std::wstring_view chosenFolder = {},
                            std::wstring_view volumeLabel = {});

}  // namespace pelmora
