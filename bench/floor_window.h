// The floors' window: Pelmora's own main-window dialog, with its resources, manifest and icons,
// shown by a dialog procedure that does nothing but what the floor program asks of it.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "resource.h"

namespace bench {

// A floor that answers a command (a click) sets this before the dialog is made.
inline void (*g_onCommand)(HWND dialog, int id) = nullptr;

inline INT_PTR CALLBACK FloorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_CLOSE) {
    DestroyWindow(hwnd);
    PostQuitMessage(0);
    return TRUE;
  }
  if (message == WM_COMMAND && g_onCommand) {
    g_onCommand(hwnd, LOWORD(wParam));
    return TRUE;
  }
  return message == WM_INITDIALOG;
}

inline HWND CreateFloorDialog(HINSTANCE instance) {
  return CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_MAIN), nullptr, FloorProc, 0);
}

inline int RunDialogLoop(HWND hwnd) {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(hwnd, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return 0;
}

// The program's own arguments, without its path.
inline std::vector<std::wstring> Arguments() {
  int count = 0;
  wchar_t** all = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> arguments;
  for (int i = 1; all && i < count; ++i) arguments.emplace_back(all[i]);
  if (all) LocalFree(all);
  return arguments;
}

}  // namespace bench
