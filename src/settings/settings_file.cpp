#include "settings/settings_file.h"

#include "settings/profile_file.h"

namespace pelmora {

namespace {

StoredValue ValuesOf(const ProfileSection& section) {
  return [&section](std::wstring_view key) { return section.Value(key); };
}

}  // namespace

LoadedSettings LoadSettings(const std::wstring& path) {
  LoadedSettings out;
  {
    const ProfileSection general(path, kGeneralSection);
    GeneralOptions options = DecodeGeneral(ValuesOf(general));
    out.settings = std::move(options.settings);
    out.windowLeftTop = options.windowLeftTop;
    // Through the same whole-file replace as a save: another window may be closing just now.
    if (options.dropGetTitle) UpdateProfileFile(path, {{kGeneralSection, L"GetTitle", std::nullopt}});
  }
  if (out.settings.CheckLocation) {
    const ProfileSection boxes(path, kShortcutFolderSection);
    out.boxStates = DecodeShortcutFolder(ValuesOf(boxes));
  }
  const ProfileSection debug(path, kDebugSection);
  out.WindowsVersionCheck = DecodeWindowsVersionCheck(ValuesOf(debug));
  return out;
}

void SaveSettings(const std::wstring& path, const Settings& settings,
                  std::optional<WindowLeftTop> windowLeftTop, const ShortcutFolderStates& boxStates,
                  const ProfileWrites& alsoWrite) {
  ProfileWrites writes = SettingsWrites(settings, windowLeftTop, boxStates);
  writes.insert(writes.end(), alsoWrite.begin(), alsoWrite.end());
  UpdateProfileFile(path, writes);
}

}  // namespace pelmora
