#include "app/message_loop.h"

namespace pelmora {

void DispatchProgramMessage(HWND mainWindow, MSG& msg) {
  HWND active = GetActiveWindow();
  if (active && IsDialogMessageW(active, &msg)) return;
  if (IsWindow(mainWindow) && IsDialogMessageW(mainWindow, &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

int RunMessageLoop(HWND mainWindow) {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchProgramMessage(mainWindow, msg);
  return static_cast<int>(msg.wParam);
}

}  // namespace pelmora
