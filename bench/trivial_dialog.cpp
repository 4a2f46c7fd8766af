// The yardstick: the smallest dialog program built the same way as Pelmora. With /EXIT it ends
// at once (the yardstick for the window-less actions); with /URL"FILE" URL it writes the internet
// shortcut FILE as /AUTO does (a new file, then its URL line) and ends.
#include <windows.h>

static INT_PTR CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)) {
    DestroyWindow(hwnd);
    PostQuitMessage(0);
    return TRUE;
  }
  return message == WM_INITDIALOG;
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR args, int show) {
  if (args && lstrcmpiW(args, L"/EXIT") == 0) return 0;
  if (args && CompareStringOrdinal(args, 5, L"/URL\"", 5, TRUE) == CSTR_EQUAL) {
    wchar_t path[MAX_PATH] = {};
    const wchar_t* end = args + 5;
    while (*end && *end != L'"') ++end;
    if (end[0] != L'"' || end[1] != L' ' || end - args - 5 >= MAX_PATH) return 1;
    lstrcpynW(path, args + 5, static_cast<int>(end - args - 5) + 1);
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    CloseHandle(file);
    return WritePrivateProfileStringW(L"InternetShortcut", L"URL", end + 2, path) ? 0 : 1;
  }
  // An in-memory template: a captioned dialog with one button.
  struct {
    DLGTEMPLATE t;
    WORD menu, cls, title[8];
  } tpl{};
  tpl.t.style = WS_OVERLAPPEDWINDOW | DS_CENTER;
  tpl.t.cx = 200;
  tpl.t.cy = 100;
  const wchar_t caption[] = L"trivial";
  for (int i = 0; i < 7; ++i) tpl.title[i] = caption[i];
  HWND hwnd = CreateDialogIndirectParamW(instance, &tpl.t, nullptr, Proc, 0);
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
