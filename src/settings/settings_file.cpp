#include "settings/settings_file.h"

#include "settings/profile_file.h"

namespace pelmora {

namespace {

StoredValue ValuesOf(const ProfileSection& section) {
  return [&section](std::wstring_view key) { return section.Value(key); };
}

void WriteSection(const std::wstring& path, const wchar_t* section, const KeyValues& values) {
  for (const auto& [key, value] : values) WriteProfileValue(path, section, key, value);
}

}  // namespace

LoadedSettings LoadSettings(const std::wstring& path) {
  LoadedSettings out;
  {
    const ProfileSection general(path, kGeneralSection);
    GeneralOptions options = DecodeGeneral(ValuesOf(general));
    out.settings = std::move(options.settings);
    out.windowLeftTop = options.windowLeftTop;
    if (options.dropGetTitle) DeleteProfileKey(path, kGeneralSection, L"GetTitle");
  }
  if (out.settings.CheckLocation == 1) {
    const ProfileSection boxes(path, kShortcutFolderSection);
    out.boxStates = DecodeShortcutFolder(ValuesOf(boxes));
  }
  const ProfileSection debug(path, kDebugSection);
  out.WindowsVersionCheck = DecodeWindowsVersionCheck(ValuesOf(debug));
  return out;
}

void SaveSettings(const std::wstring& path, const Settings& settings,
                  std::optional<WindowLeftTop> windowLeftTop, const ShortcutFolderStates& boxStates) {
  WriteSection(path, kGeneralSection, EncodeGeneral(settings, windowLeftTop));
  WriteSection(path, kShortcutFolderSection, EncodeShortcutFolder(boxStates));
}

}  // namespace pelmora
