#include "win/message_box.h"

#include "win/message_box_placement.h"

namespace pelmora {
namespace {

HWND g_owner = nullptr;
HHOOK g_hook = nullptr;
MessageBoxResponder g_responder;

LRESULT CALLBACK CentreOnOwner(int code, WPARAM wParam, LPARAM) {
  if (code != HCBT_ACTIVATE) return 0;
  HWND box = reinterpret_cast<HWND>(wParam);
  RECT ownerRect{}, boxRect{};
  if (GetWindowRect(g_owner, &ownerRect) && GetWindowRect(box, &boxRect)) {
    const ScreenPoint p = PlaceMessageBox({ownerRect.left, ownerRect.top, ownerRect.right, ownerRect.bottom},
                                          {boxRect.left, boxRect.top, boxRect.right, boxRect.bottom},
                                          GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    SetWindowPos(box, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // The hook has done its one job: a later box installs its own.
  UnhookWindowsHookEx(g_hook);
  g_hook = nullptr;
  return 0;
}

}  // namespace

void SetMessageBoxOwner(HWND window) { g_owner = window; }
HWND MessageBoxOwner() { return g_owner; }
void SetMessageBoxResponder(MessageBoxResponder responder) { g_responder = std::move(responder); }

int MessageBox(const std::wstring& text, UINT style, const std::wstring& title) {
  const std::wstring caption = title.empty() ? std::wstring(kAppTitle) : title;
  if (g_responder) return g_responder(text, style, caption);
  if (g_owner && IsWindow(g_owner)) {
    if (g_hook) UnhookWindowsHookEx(g_hook);
    g_hook = SetWindowsHookExW(WH_CBT, CentreOnOwner, nullptr, GetCurrentThreadId());
  }
  // The box is owned by the recorded window so that it stays modal to it and in front of it.
  HWND parent = (g_owner && IsWindow(g_owner)) ? g_owner : nullptr;
  const int pressed = ::MessageBoxW(parent, text.c_str(), caption.c_str(), style);
  if (g_hook) {  // the box never activated (for example no desktop): leave no hook behind
    UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
  }
  return pressed;
}

int ShowPlainMessage(const std::wstring& text, UINT style) {
  if (g_responder) return g_responder(text, style, kAppTitle);
  return ::MessageBoxW(nullptr, text.c_str(), kAppTitle, style);
}

}  // namespace pelmora
