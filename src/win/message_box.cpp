#include "win/message_box.h"

#include "win/handles.h"
#include "win/message_box_placement.h"
#include "win/system.h"

namespace pelmora {
namespace {

// The box being shown: its owner and its hook, installed just before it, removed once it has
// placed it. Only for the length of one call (a box is modal: no other box of the thread
// shows before it has been placed).
HWND g_placingOn = nullptr;
win::HookHandle g_hook;
MessageBoxResponder g_responder;

LRESULT CALLBACK CentreOnOwner(int code, WPARAM wParam, LPARAM lParam) {
  // Other hooks of the thread (accessibility tools, say) see every event too.
  const LRESULT next = CallNextHookEx(g_hook.get(), code, wParam, lParam);
  if (code != HCBT_ACTIVATE) return next;
  HWND box = reinterpret_cast<HWND>(wParam);
  RECT ownerRect{}, boxRect{};
  if (GetWindowRect(g_placingOn, &ownerRect) && GetWindowRect(box, &boxRect)) {
    // The owner's own monitor, less its taskbar.
    const RECT area = WorkAreaNearest(ownerRect);
    const ScreenPoint p = PlaceMessageBox({ownerRect.left, ownerRect.top, ownerRect.right, ownerRect.bottom},
                                          {boxRect.left, boxRect.top, boxRect.right, boxRect.bottom},
                                          {area.left, area.top, area.right, area.bottom});
    SetWindowPos(box, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // The hook has done its one job: a later box installs its own.
  g_hook.reset();
  return next;
}

}  // namespace

void SetMessageBoxResponder(MessageBoxResponder responder) { g_responder = std::move(responder); }

int MessageBox(HWND owner, const std::wstring& text, UINT style, const std::wstring& title) {
  const std::wstring caption = title.empty() ? std::wstring(kAppTitle) : title;
  if (g_responder) return g_responder(owner, text, style, caption);
  // Owned, the box stays modal to its window and in front of it.
  HWND parent = owner && IsWindow(owner) ? owner : nullptr;
  if (parent) {
    g_placingOn = parent;
    g_hook.reset(SetWindowsHookExW(WH_CBT, CentreOnOwner, nullptr, GetCurrentThreadId()));
  }
  const int pressed = ::MessageBoxW(parent, text.c_str(), caption.c_str(), style);
  g_hook.reset();  // the box never activated (for example no desktop): leave no hook behind
  g_placingOn = nullptr;
  return pressed;
}

int ShowPlainMessage(const std::wstring& text, UINT style) {
  if (g_responder) return g_responder(nullptr, text, style, kAppTitle);
  return ::MessageBoxW(nullptr, text.c_str(), kAppTitle, style);
}

}  // namespace pelmora
