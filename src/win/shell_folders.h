// Looking up the shell's special folders.
#pragma once
#include <windows.h>

#include <string>

namespace pelmora {

// The path of a special folder (CSIDL). False, with `path` unchanged, when the lookup fails.
bool GetSystemFolderPath(HWND owner, int csidl, std::wstring& path);

}  // namespace pelmora
