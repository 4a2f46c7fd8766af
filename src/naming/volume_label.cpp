#include "naming/volume_label.h"

#include <windows.h>

#include "text/text_rules.h"
#include "win/handles.h"

namespace pelmora {

std::wstring VolumeLabelOf(const std::wstring& root) {
  if (root.empty()) return {};
  const std::wstring rootPath = WithTrailingBackslash(root);
  wchar_t label[MAX_PATH + 1] = {};
  BOOL ok = FALSE;
  {
    const win::QuietCriticalErrors quiet;  // a drive without a medium asks for no disk
    ok = GetVolumeInformationW(rootPath.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0);
  }
  if (!ok) return {};
  return TrimSpaces(label);
}

}  // namespace pelmora
