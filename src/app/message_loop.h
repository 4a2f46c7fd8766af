// The program's message loop: the dialog manager gets every message first, so Tab, mnemonics,
// Enter and Esc work in the main window and in whichever dialog is active.
#pragma once
#include <windows.h>

namespace pelmora {

// Hands one message to the active dialog, else to the main window's dialog manager, else
// translates and dispatches it.
void DispatchProgramMessage(HWND mainWindow, MSG& msg);

// Runs until the main window posts its quit message; returns the exit code.
int RunMessageLoop(HWND mainWindow);

}  // namespace pelmora
