#include "naming/volume_label.h"

#include <windows.h>

#include "app/text_rules.h"

namespace pelmora {

std::wstring VolumeLabelOf(const std::wstring& root) {
  if (root.empty()) return {};
  const std::wstring rootPath = WithTrailingBackslash(root);
  // A drive without a medium must not bring up the system's "insert a disk" box.
  const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  wchar_t label[MAX_PATH + 1] = {};
  const BOOL ok = GetVolumeInformationW(rootPath.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr,
                                        nullptr, 0);
  SetErrorMode(oldMode);
  if (!ok) return {};
  return TrimSpaces(label);
}

}  // namespace pelmora
