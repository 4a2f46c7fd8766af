// Values that live as long as the process: the command line, the current target's kind and
// the icon of the shortcut being prepared.
#pragma once
#include <string>

#include "url/target_kind.h"

namespace pelmora {

struct ProgramState {
  // The argument text exactly as the process received it; set once at start-up.
  std::wstring commandLineText;
  TargetKind targetKind = TargetKind::Invalid;
  // Icon of the shortcut: an empty file means the target's own icon.
  std::wstring iconFile;
  int iconIndex = 0;
};

ProgramState& Program();

}  // namespace pelmora
