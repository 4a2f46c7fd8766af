#include "app/preset_menu.h"

#include <shlobj.h>

#include "resource.h"
#include "win/handles.h"
#include "win/message_box.h"
#include "win/pickers.h"
#include "win/popup_menu.h"
#include "naming/path_names.h"
#include "naming/volume_label.h"

namespace pelmora {

namespace {

struct FamilyCommands {
  PresetFamily family;
  UINT firstCommand;
  int count;
};
constexpr FamilyCommands kFamilies[] = {
    {PresetFamily::Explorer, IDM_EXPLORER, kExplorerPresetCount},
    {PresetFamily::ControlPanel, IDM_CONTROL_PANEL, kControlPanelPresetCount},
    {PresetFamily::Shutdown, IDM_SHUTDOWN, kShutdownPresetCount},
};

std::optional<PresetId> PresetOfCommand(UINT command) {
  for (const auto& f : kFamilies)
    if (command >= f.firstCommand && command < f.firstCommand + static_cast<UINT>(f.count))
      return PresetId{f.family, static_cast<int>(command - f.firstCommand)};
  return std::nullopt;
}

}  // namespace

std::optional<PresetFields> ShowSpecialMenu(HWND owner, HWND button, const PresetSystem& system,
                                            bool windowsVersionCheck) {
  const win::MenuHandle menu(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_SPECIAL_MENU)));
  HMENU popup = menu.get() ? GetSubMenu(menu.get(), 0) : nullptr;
  if (!popup) return std::nullopt;
  for (const auto& f : kFamilies)
    for (int i = 0; i < f.count; ++i)
      EnableMenuItem(popup, f.firstCommand + static_cast<UINT>(i),
                     MF_BYCOMMAND | (PresetAvailable({f.family, i}, windowsVersionCheck)
                                         ? MF_ENABLED
                                         : MF_GRAYED));

  RECT r{};
  GetWindowRect(button, &r);
  const std::optional<PresetId> preset = PresetOfCommand(ChooseFromPopupMenu(popup, owner, {r.left, r.bottom}));
  if (!preset) return std::nullopt;  // dismissed, or キャンセル
  if (MessageBox(owner, PresetQuestion(*preset), MB_ICONQUESTION | MB_YESNO) != IDYES) return std::nullopt;

  if (preset->family != PresetFamily::Explorer) return FieldsOfPreset(*preset, system);
  const std::wstring folder = BrowseForFolder(ExplorerPickerPrompt(preset->index), owner, CSIDL_DESKTOP,
                                              BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE, L"");
  if (folder.empty()) return std::nullopt;
  return FieldsOfPreset(*preset, system, folder, IsDriveRoot(folder) ? VolumeLabelOf(folder) : L"");
}

}  // namespace pelmora
