// The floor: Pelmora's own main-window dialog, with its resources, manifest and icons, shown by a
// dialog procedure that does nothing. Whatever the main window costs beyond this is Pelmora's.
#include <windows.h>

#include "resource.h"

static INT_PTR CALLBACK Proc(HWND hwnd, UINT message, WPARAM, LPARAM) {
  if (message == WM_CLOSE) {
    DestroyWindow(hwnd);
    PostQuitMessage(0);
    return TRUE;
  }
  return message == WM_INITDIALOG;
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  HWND hwnd = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_MAIN), nullptr, Proc, 0);
  if (!hwnd) return 1;
  ShowWindow(hwnd, show);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(hwnd, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return 0;
}
