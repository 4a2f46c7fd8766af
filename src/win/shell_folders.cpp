#include "win/shell_folders.h"

#include <shlobj.h>

#include "text/text_rules.h"

namespace pelmora {

bool GetSystemFolderPath(HWND owner, int csidl, std::wstring& path) {
  LPITEMIDLIST items = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(owner, csidl, &items)) || !items) return false;
  wchar_t buffer[MAX_PATH * 4] = {};
  const BOOL ok = SHGetPathFromIDListEx(items, buffer, static_cast<DWORD>(std::size(buffer)), GPFIDL_DEFAULT);
  CoTaskMemFree(items);
  if (!ok) return false;
  const std::wstring text = TrimAtNul(buffer);
  if (!text.empty()) path = text;
  return true;
}

}  // namespace pelmora
