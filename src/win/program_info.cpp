#include "win/program_info.h"

#include "win/system.h"
#include "win/version_resource.h"

namespace pelmora {

ProgramInfo ReadProgramInfo() { return ReadProgramInfo(ProgramPath()); }

ProgramInfo ReadProgramInfo(const std::wstring& path) {
  ProgramInfo info;
  const VersionResource version(path);
  if (const auto numbers = version.FileVersion()) {
    info.major = numbers->major;
    info.minor = numbers->minor;
    info.revision = numbers->patch;
  }
  info.productName = version.String(L"ProductName");
  info.legalCopyright = version.String(L"LegalCopyright");
  return info;
}

}  // namespace pelmora
