// What the program's own version information says about it.
#pragma once
#include <string>

namespace pelmora {

struct ProgramInfo {
  std::wstring productName;
  std::wstring legalCopyright;
  unsigned major = 0, minor = 0, revision = 0;
};

// Read from the running executable's version resource; empty fields when it has none.
ProgramInfo ReadProgramInfo();

}  // namespace pelmora
