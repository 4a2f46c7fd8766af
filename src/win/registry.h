// The program's one road to the registry: read a value, create a key and set a value, delete a
// key. Text crosses through the Unicode functions, so nothing a path or caption holds is lost.
// Failures are values: a read gives the caller's default, a write or delete gives false.
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "win/handles.h"

namespace pelmora {

inline void CloseRegKey(HKEY key) { RegCloseKey(key); }
// An open registry key, closed when its owner goes.
using RegKey = win::Owned<HKEY, CloseRegKey>;

// Opens an existing key with `access` (reads ask for reading only, so a key the user may read
// but not write still reads). An empty owner when it cannot be opened.
RegKey OpenRegKey(HKEY root, std::wstring_view subKey, REGSAM access);
// Opens the key for setting values, creating it and every missing key above it.
RegKey CreateRegKey(HKEY root, std::wstring_view subKey);

// The longest text a read accepts, in UTF-16 units; a longer value reads as the default rather
// than cut short (a cut command line would start the wrong program).
inline constexpr std::size_t kRegTextLimit = 4096;

// A text value (REG_SZ, or REG_EXPAND_SZ left unexpanded); an empty value name is the key's
// default value. The default when the key, the value or a text of that type is missing, or
// when the text is longer than kRegTextLimit.
std::wstring ReadRegValue(HKEY root, std::wstring_view subKey, std::wstring_view valueName,
                          std::wstring_view defaultValue = {});
// A REG_DWORD value, or the default.
DWORD ReadRegValue(HKEY root, std::wstring_view subKey, std::wstring_view valueName, DWORD defaultValue);

// Creates every missing key along `subKey` and stores the value (REG_SZ or REG_DWORD). True
// only when the value was stored.
bool WriteRegValue(HKEY root, std::wstring_view subKey, std::wstring_view valueName, std::wstring_view text);
bool WriteRegValue(HKEY root, std::wstring_view subKey, std::wstring_view valueName, DWORD number);

// Deletes one key that has no sub-keys. False when it is missing, still has sub-keys or cannot
// be deleted; an empty sub-key never names the root itself.
bool DeleteRegKey(HKEY root, std::wstring_view subKey);

}  // namespace pelmora
