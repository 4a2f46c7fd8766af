// What the program's own version information says about it.
#pragma once
#include <string>

namespace pelmora {

struct ProgramInfo {
  std::wstring productName;
  std::wstring legalCopyright;
  // The file version's first three numbers (the build makes them of the project's version).
  unsigned major = 0, minor = 0, revision = 0;
};

// Read from the running executable's version resource; empty fields when it has none.
ProgramInfo ReadProgramInfo();
// The same of the executable at `path`.
ProgramInfo ReadProgramInfo(const std::wstring& path);

}  // namespace pelmora
