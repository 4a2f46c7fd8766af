#include "win/shell_folders.h"

#include <shlobj.h>

#include "text/text_rules.h"
#include "win/handles.h"

namespace pelmora {

bool GetSystemFolderPath(HWND owner, int csidl, std::wstring& path) {
  wchar_t buffer[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(owner, csidl, nullptr, SHGFP_TYPE_CURRENT, buffer))) return false;
  const std::wstring text = TrimAtNul(buffer);
  if (!text.empty()) path = text;
  return true;
}

}  // namespace pelmora
