#include "support/win/gui_driver.h"

#include "win/system.h"

namespace pelmora::test {

void Click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }

void Type(HWND field, const std::wstring& text) { SetWindowTextW(field, text.c_str()); }

std::wstring TextOf(HWND window) { return WindowText(window); }

bool IsChecked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }
bool IsEnabled(HWND window) { return IsWindowEnabled(window) != FALSE; }

namespace {
std::wstring g_caption;
std::function<void(HWND)> g_onWindow;
int g_ticks = 0;

BOOL CALLBACK FindWindowByCaption(HWND window, LPARAM found) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  if (IsWindowVisible(window) && g_caption == text) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

void CALLBACK OnTick(HWND, UINT, UINT_PTR id, DWORD) {
  HWND window = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindWindowByCaption, reinterpret_cast<LPARAM>(&window));
  if (!window && ++g_ticks < 200) return;
  KillTimer(nullptr, id);
  if (window && g_onWindow) g_onWindow(window);
}
}  // namespace

void WithModalWindow(const std::wstring& caption, const std::function<void()>& action,
                     const std::function<void(HWND window)>& onWindow) {
  g_caption = caption;
  g_onWindow = [&onWindow](HWND window) {
    onWindow(window);
    // A failed assertion may have left it open: the test goes on instead of waiting forever.
    if (IsWindow(window) && IsWindowVisible(window)) PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
  };
  g_ticks = 0;
  SetTimer(nullptr, 0, 20, OnTick);
  action();
  g_onWindow = nullptr;
}

void WithRealBox(const std::wstring& caption, const std::function<void()>& action,
                 const std::function<void(HWND box)>& onBox) {
  WithModalWindow(caption, action, [&onBox](HWND box) {
    if (onBox) onBox(box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
}

}  // namespace pelmora::test
