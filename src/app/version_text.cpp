#include "app/version_text.h"

namespace pelmora {

std::wstring VersionText(unsigned major, unsigned minor, unsigned revision) {
  std::wstring text = std::to_wstring(major) + L".";
  if (minor < 10) text += L"0";
  text += std::to_wstring(minor);
  if (revision > 0) text += L"." + std::to_wstring(revision);
  return text;
}

}  // namespace pelmora
