#include "app/context_help.h"

#include <windowsx.h>

#include "win/help_mode.h"
#include "win/help_popup.h"

namespace pelmora {
namespace {

// The control of `window` that holds `handle` (a combo box for its edit part), or null.
HWND ControlOf(HWND window, HWND handle) {
  while (handle && handle != window) {
    HWND parent = GetParent(handle);
    if (parent == window) return handle;
    if (!(GetWindowLongPtrW(handle, GWL_STYLE) & WS_CHILD)) return nullptr;
    handle = parent;
  }
  return nullptr;
}

// Just below a control, where a popup asked for by the keyboard goes.
POINT BelowControl(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  return {r.left + (r.right - r.left) / 4, r.bottom + 2};
}

// Beside the pointer's hot spot rather than under it.
POINT BesidePointer(POINT p) { return {p.x + 2, p.y + GetSystemMetrics(SM_CYCURSOR) / 2}; }

}  // namespace

ContextHelp::~ContextHelp() {
  if (window_ && HelpModeWindow() == window_) EndHelpMode();
}

void ContextHelp::GiveTopics() {
  if (topicsGiven_ || !window_) return;
  topicsGiven_ = true;
  for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetWindowContextHelpId(child) != 0) continue;  // the window's own choice
    const int id = GetDlgCtrlID(child);
    DWORD topic = static_cast<DWORD>(id);
    for (const HelpTopic& t : topics_)
      if (t.control == id) topic = t.topic;
    SetWindowContextHelpId(child, topic);
  }
}

bool ContextHelp::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CONTEXTMENU || message == WM_HELP || message == WM_SYSCOMMAND) GiveTopics();
  switch (message) {
    // Not over a control (the title bar, say): the system's own handling goes on.
    case WM_CONTEXTMENU:
      return ContextMenu(reinterpret_cast<HWND>(wParam), lParam);
    case WM_HELP:
      return lParam && Help(*reinterpret_cast<const HELPINFO*>(lParam));
    case WM_SYSCOMMAND:
      // The title bar's "?": the same mode as a help button's, on every system.
      if ((wParam & 0xFFF0) != SC_CONTEXTHELP) return false;
      BeginHelpMode();
      return true;
    default:
      return false;
  }
}

bool ContextHelp::ContextMenu(HWND from, LPARAM position) {
  if (position == -1) {  // the menu key or Shift+F10: the focused control
    HWND control = ControlOf(window_, GetFocus());
    return control && Show(control, BelowControl(control));
  }
  const POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  // A label lets the mouse through to the window: the control is the one under the pointer.
  HWND control = from == window_ ? ControlAt(window_, point) : ControlOf(window_, from);
  return control && Show(control, BesidePointer(point));
}

bool ContextHelp::Help(const HELPINFO& info) {
  if (info.iContextType != HELPINFO_WINDOW) return false;
  HWND control = ControlOf(window_, static_cast<HWND>(info.hItemHandle));
  return control && Show(control, BelowControl(control));
}

void ContextHelp::BeginHelpMode() {
  GiveTopics();
  HWND window = window_;
  pelmora::BeginHelpMode(window, [window](POINT point) {
    // A click outside every control only ends the mode.
    HWND control = ControlAt(window, point);
    if (control) ShowHelpPopup(window, HelpTextOf(control), BesidePointer(point));
  });
}

bool ContextHelp::Show(HWND control, POINT at) const {
  const std::wstring text = HelpTextOf(control);
  if (text.empty()) return false;
  ShowHelpPopup(window_, text, at);
  return true;
}

std::wstring HelpTextOf(HWND control) {
  const DWORD topic = control ? GetWindowContextHelpId(control) : 0;
  if (topic == 0 || topic > 0xFFFF) return {};
  const wchar_t* text = nullptr;
  // With no buffer the system hands out the resource's own text, whatever its length.
  const int length = LoadStringW(GetModuleHandleW(nullptr), topic, reinterpret_cast<wchar_t*>(&text), 0);
  return length > 0 && text ? std::wstring(text, static_cast<std::size_t>(length)) : std::wstring();
}

HWND ControlAt(HWND window, POINT screenPoint) {
  HWND best = nullptr;
  long long bestArea = 0;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r{};
    if (!IsWindowVisible(child) || !GetWindowRect(child, &r) || !PtInRect(&r, screenPoint)) continue;
    const long long area = static_cast<long long>(r.right - r.left) * (r.bottom - r.top);
    if (!best || area < bestArea) {
      best = child;
      bestArea = area;
    }
  }
  return best;
}

}  // namespace pelmora
