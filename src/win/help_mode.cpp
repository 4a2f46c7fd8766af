#include "win/help_mode.h"

#include "win/handles.h"

namespace pelmora {
namespace {

struct Mode {
  HWND window = nullptr;
  std::function<void(POINT)> onPick;
  win::HookHandle hook;
};
Mode g_mode;

bool IsButtonDown(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_XBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_NCXBUTTONDOWN:
      return true;
    default:
      return false;
  }
}

// Sees the thread's input before any window does: the click or key that ends the mode goes no
// further.
LRESULT CALLBACK GetMessageHook(int code, WPARAM wParam, LPARAM lParam) {
  HHOOK hook = g_mode.hook.get();
  try {
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && g_mode.window) {
      if (GetCapture() != g_mode.window) {
        EndHelpMode();  // another window took the mouse
      } else if (msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN) {
        msg->message = WM_NULL;
        EndHelpMode();
      } else if (IsButtonDown(msg->message)) {
        POINT point = msg->pt;
        if (msg->message == WM_LBUTTONDOWN || msg->message == WM_LBUTTONDBLCLK) {
          // Client coordinates of the window the click was sent to (the capturing window).
          point = {static_cast<short>(LOWORD(msg->lParam)), static_cast<short>(HIWORD(msg->lParam))};
          ClientToScreen(msg->hwnd, &point);
        }
        const bool pick = msg->message == WM_LBUTTONDOWN || msg->message == WM_LBUTTONDBLCLK;
        msg->message = WM_NULL;
        auto onPick = std::move(g_mode.onPick);
        EndHelpMode();
        if (pick && onPick) onPick(point);
      }
    }
  } catch (...) {
    // Nothing may unwind into the system's message retrieval.
  }
  return CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace

HWND HelpModeWindow() { return g_mode.window; }

void BeginHelpMode(HWND window, std::function<void(POINT)> onPick) {
  if (g_mode.window || !window) return;
  g_mode.hook.reset(SetWindowsHookExW(WH_GETMESSAGE, GetMessageHook, nullptr, GetCurrentThreadId()));
  if (!g_mode.hook) return;
  g_mode.window = window;
  g_mode.onPick = std::move(onPick);
  SetCapture(window);
  SetCursor(LoadCursorW(nullptr, IDC_HELP));
}

void EndHelpMode() {
  if (!g_mode.window) return;
  HWND window = g_mode.window;
  g_mode.window = nullptr;
  g_mode.onPick = nullptr;
  // The hook is released after the call that ends the mode returns into it: CallNextHookEx with
  // a released handle is harmless.
  g_mode.hook.reset();
  if (GetCapture() == window) ReleaseCapture();
  // The next move shows the pointer of what lies under it.
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
}

}  // namespace pelmora
