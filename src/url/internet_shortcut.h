// Internet shortcut (.url) files: an ANSI INI file with the URL and, optionally, an icon.
#pragma once
#include <string>

namespace pelmora {

inline constexpr wchar_t kInternetShortcutSection[] = L"InternetShortcut";

// Writes URL (trimmed of blanks) and, when `iconFile` is not empty, IconIndex then IconFile
// into [InternetShortcut] of `path`. An existing file is updated in place: its other lines and
// sections stay. Returns false, touching nothing, for an empty URL; false also when the URL
// could not be stored.
bool WriteInternetShortcut(const std::wstring& path, const std::wstring& url, const std::wstring& iconFile,
                           int iconIndex);

struct InternetShortcut {
  std::wstring url;       // at most 511 ANSI bytes, trimmed
  std::wstring iconFile;  // empty: no icon
  int iconIndex = 0;      // 0 when absent or not a number
};

// Reads the URL and icon of an existing .url file into `out`. Returns false and leaves `out`
// alone when the path is empty or names no existing file.
bool ReadInternetShortcut(const std::wstring& path, InternetShortcut& out);

}  // namespace pelmora
