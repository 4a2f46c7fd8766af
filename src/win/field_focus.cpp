#include "win/field_focus.h"

#include <commctrl.h>

namespace pelmora {
namespace {

constexpr UINT_PTR kSelectAllId = 1;
constexpr UINT_PTR kFocusBeforeId = 2;
constexpr wchar_t kFocusBeforeProperty[] = L"PelmoraFocusBefore";

bool IsMousePress(UINT message) {
  return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
         message == WM_LBUTTONDBLCLK;
}

// The child of `window` that holds `control` (a combo box for its edit part), or null.
HWND ChildOf(HWND window, HWND control) {
  while (control && GetParent(control) != window) {
    if (!(GetWindowLongPtrW(control, GWL_STYLE) & WS_CHILD)) return nullptr;
    control = GetParent(control);
  }
  return control;
}

LRESULT CALLBACK SelectAllProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  // `data` holds the focus-by-mouse flag: set while a press that brings the focus is handled.
  if (IsMousePress(message)) {
    const bool bringsFocus = GetFocus() != field;
    SetWindowSubclass(field, SelectAllProc, kSelectAllId, bringsFocus);
    const LRESULT result = DefSubclassProc(field, message, wParam, lParam);
    SetWindowSubclass(field, SelectAllProc, kSelectAllId, 0);
    return result;
  }
  if (message == WM_SETFOCUS) {
    const LRESULT result = DefSubclassProc(field, message, wParam, lParam);
    HWND window = GetAncestor(field, GA_ROOT);
    HWND previous = reinterpret_cast<HWND>(wParam);
    const bool fromOwnWindow = previous && previous != field && GetAncestor(previous, GA_ROOT) == window;
    if (!data && fromOwnWindow) SendMessageW(field, EM_SETSEL, 0, -1);
    return result;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(field, SelectAllProc, kSelectAllId);
  return DefSubclassProc(field, message, wParam, lParam);
}

LRESULT CALLBACK FocusBeforeProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_SETFOCUS) {
    if (HWND previous = ChildOf(GetParent(control), reinterpret_cast<HWND>(wParam)); previous && previous != control)
      SetPropW(control, kFocusBeforeProperty, previous);
  } else if (message == WM_NCDESTROY) {
    RemovePropW(control, kFocusBeforeProperty);
    RemoveWindowSubclass(control, FocusBeforeProc, kFocusBeforeId);
  }
  return DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace

void SelectAllOnFocus(HWND field) {
  if (!field) return;
  // A combo box: its edit part is what gets the focus and the clicks.
  COMBOBOXINFO combo{};
  combo.cbSize = sizeof(combo);
  if (GetComboBoxInfo(field, &combo) && combo.hwndItem) field = combo.hwndItem;
  SetWindowSubclass(field, SelectAllProc, kSelectAllId, 0);
}

void RememberFocusBefore(HWND control) {
  if (control) SetWindowSubclass(control, FocusBeforeProc, kFocusBeforeId, 0);
}

HWND FocusBefore(HWND control) {
  HWND window = control ? static_cast<HWND>(GetPropW(control, kFocusBeforeProperty)) : nullptr;
  return window && IsWindow(window) && GetParent(window) == GetParent(control) ? window : nullptr;
}

}  // namespace pelmora
