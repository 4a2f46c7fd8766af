#include "url/internet_shortcut.h"

#include <windows.h>

#include "win/system.h"
#include "text/text_rules.h"
#include "settings/profile_file.h"
#include "text/ansi_limit.h"
#include "settings/settings_rules.h"

namespace pelmora {

bool WriteInternetShortcut(const std::wstring& path, const std::wstring& url, const std::wstring& iconFile,
                           int iconIndex) {
  const std::wstring trimmedUrl = TrimSpaces(url);
  if (trimmedUrl.empty()) return false;
  if (!WriteProfileValue(path, kInternetShortcutSection, L"URL", trimmedUrl)) return false;
  if (!iconFile.empty()) {
    WriteProfileValue(path, kInternetShortcutSection, L"IconIndex", std::to_wstring(iconIndex));
    WriteProfileValue(path, kInternetShortcutSection, L"IconFile", iconFile);
  }
  return true;
}

bool ReadInternetShortcut(const std::wstring& path, InternetShortcut& out) {
  if (path.empty() || GetPathKind(path) != PathKind::File) return false;
  const ProfileSection section(path, kInternetShortcutSection);
  const auto url = section.Value(L"URL");
  out.url = url ? TrimAtNul(LimitToAnsiBytes(*url, kProfileTextBytes)) : std::wstring();
  const auto index = section.Value(L"IconIndex");
  out.iconIndex = index ? ProfileNumber(*index) : 0;
  const auto icon = section.Value(L"IconFile");
  out.iconFile = icon ? TrimAtNul(LimitToAnsiBytes(*icon, kProfileTextBytes)) : std::wstring();
  return true;
}

}  // namespace pelmora
