// A modal dialog made from a template in the resources: the dialog object is attached once, when
// the dialog is created, and every later message goes to it. No exception leaves the dialog
// procedure into the system's dialog manager.
#pragma once
#include <windows.h>

namespace pelmora {

// Base of a dialog class `Dialog` (class Dialog : public ModalDialog<Dialog>), which provides
// Form_Load() and HandleMessage(message, wParam, lParam) and befriends this base.
template <typename Dialog>
class ModalDialog {
 protected:
  // Shows the template modally over `owner` and returns what EndDialog gave.
  INT_PTR RunModal(HWND owner, int templateId) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), owner, DialogProc,
                           reinterpret_cast<LPARAM>(static_cast<Dialog*>(this)));
  }

  HWND hwnd_ = nullptr;

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
      if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<Dialog*>(lParam);
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        dialog->hwnd_ = hwnd;
        dialog->Form_Load();
        return TRUE;
      }
      auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
      return dialog ? dialog->HandleMessage(message, wParam, lParam) : FALSE;
    } catch (...) {
      // The dialog stays usable; the message counts as not handled.
      return FALSE;
    }
  }
};

}  // namespace pelmora
