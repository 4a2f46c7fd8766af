// Program entry: store the command line, run a window-less action or open the main window.
#include <windows.h>

#include "app/command_line.h"
#include "app/main_window.h"
#include "app/message_loop.h"
#include "app/command_actions.h"
#include "win/ole.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  using namespace pelmora;
  // The DLLs loaded on first use come from the System folder only, never from a copy beside the
  // program or in the current folder: a portable program may sit in Downloads beside anything.
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32 | LOAD_LIBRARY_SEARCH_USER_DIRS);
  const std::wstring commandLine = RawArgumentText(GetCommandLineW());

  const StartRequest request = ClassifyCommandLine(commandLine);
  if (request.action == StartAction::OpenLinkTarget) RunLnkCommand(request.argument);
  if (request.action == StartAction::AutoInternetShortcut) RunAutoCommand(request.argument);

  MainWindow* window = MainWindow::Open(instance, showCommand, commandLine);
  if (!window) return 1;
  const int exitCode = RunMessageLoop(window->Handle());
  EndOle();  // when anything started it
  return exitCode;
}
