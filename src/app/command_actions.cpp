#include "app/command_actions.h"

#include <windows.h>

namespace pelmora {

void RunLnkCommand(const std::wstring&) { ExitProcess(0); }

void RunAutoCommand(const std::wstring&) { ExitProcess(0); }

}  // namespace pelmora
