// Internet shortcut (.url) files: an ANSI INI file with the URL and, optionally, an icon.
#pragma once
#include <string>

namespace pelmora {

inline constexpr wchar_t kInternetShortcutSection[] = L"InternetShortcut";

// Writes URL (trimmed of blanks) and, when `iconFile` is not empty, IconIndex then IconFile
// into [InternetShortcut] of `path`. An existing file is updated in place: its other lines and
// sections stay. A URL or icon file that the ANSI code page would spoil is also kept whole, as
// Windows keeps it: the same line in [InternetShortcut.A] and its UTF-7 form in
// [InternetShortcut.W]; a value the ANSI line holds whole removes such forms left from before.
// Returns false, touching nothing, for an empty URL; false also when the URL could not be stored
// (a missing folder, a path too long for the system).
bool WriteInternetShortcut(const std::wstring& path, const std::wstring& url, const std::wstring& iconFile,
                           int iconIndex);

struct InternetShortcut {
  std::wstring url;       // trimmed; the ANSI line holds at most 511 bytes of it
  std::wstring iconFile;  // empty: no icon
  int iconIndex = 0;      // 0 when absent or not a number
};

// Reads the URL and icon of an existing .url file into `out`, preferring the Unicode form of a
// value unless its ANSI line was changed after the Unicode form was written. Returns false and
// leaves `out` alone when the path is empty or names no existing file.
bool ReadInternetShortcut(const std::wstring& path, InternetShortcut& out);

}  // namespace pelmora
