#include "win/shell_folders.h"

#include <shlobj.h>

#include "text/text_rules.h"
#include "win/handles.h"

namespace pelmora {

bool GetSystemFolderPath(HWND owner, int csidl, std::wstring& path) {
  LPITEMIDLIST found = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(owner, csidl, &found)) || !found) return false;
  const win::ItemList items(found);
  wchar_t buffer[MAX_PATH * 4] = {};
  if (!SHGetPathFromIDListEx(items.get(), buffer, static_cast<DWORD>(std::size(buffer)), GPFIDL_DEFAULT)) return false;
  const std::wstring text = TrimAtNul(buffer);
  if (!text.empty()) path = text;
  return true;
}

}  // namespace pelmora
