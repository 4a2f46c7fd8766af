// Program entry: store the command line, run a window-less action or open the main window.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "app/command_line.h"
#include "app/main_window.h"
#include "app/message_loop.h"
#include "app/command_actions.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  using namespace pelmora;
  const std::wstring commandLine = RawArgumentText(GetCommandLineW());

  const StartRequest request = ClassifyCommandLine(commandLine);
  if (request.action == StartAction::OpenLinkTarget) RunLnkCommand(request.argument);
  if (request.action == StartAction::AutoInternetShortcut) RunAutoCommand(request.argument);

  // Drag and drop and the shell-link object need OLE on this thread.
  if (FAILED(OleInitialize(nullptr))) return 1;
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_LINK_CLASS};
  InitCommonControlsEx(&controls);

  MainWindow* window = MainWindow::Open(instance, showCommand, commandLine);
  if (!window) {
    OleUninitialize();
    return 1;
  }
  const int exitCode = RunMessageLoop(window->Handle());
  OleUninitialize();
  return exitCode;
}
