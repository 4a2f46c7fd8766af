// The base of every window made from a dialog template, the main window and the modal dialogs
// alike: the object is attached once, when the dialog is created, and every later message goes
// to it; and the typed helpers for the dialog's items. No exception leaves the dialog procedure
// into the system's dialog manager.
#pragma once
#include <windows.h>

#include <string>
#include <type_traits>

#include "win/system.h"

namespace pelmora {

// A dialog class `Dialog` (class Dialog : public DialogWindow<Dialog>) provides Form_Load()
// and HandleMessage(message, wParam, lParam) and befriends this base. Form_Load may return a
// bool: false when it moved the focus itself. A Dialog with OnFinalMessage() hears of its
// window's last message (WM_NCDESTROY) and may delete itself there.
template <typename Dialog>
class DialogWindow {
 public:
  HWND Handle() const { return hwnd_; }
  HWND Control(int id) const { return GetDlgItem(hwnd_, id); }

 protected:
  // Shows the template modally over `owner` and returns what EndDialog gave.
  INT_PTR RunModal(HWND owner, int templateId) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), owner, DialogProc,
                           reinterpret_cast<LPARAM>(static_cast<Dialog*>(this)));
  }
  // Creates the template as a window of its own (not shown yet); null when that fails.
  HWND CreateModeless(HINSTANCE instance, int templateId) {
    return CreateDialogParamW(instance, MAKEINTRESOURCEW(templateId), nullptr, DialogProc,
                              reinterpret_cast<LPARAM>(static_cast<Dialog*>(this)));
  }

  std::wstring Text(int id) const { return WindowText(Control(id)); }
  void SetText(int id, const std::wstring& text) const { SetWindowTextW(Control(id), text.c_str()); }
  bool Checked(int id) const { return IsDlgButtonChecked(hwnd_, id) == BST_CHECKED; }
  // Sets the box as it is drawn; no click is sent.
  void SetChecked(int id, bool checked) const { CheckDlgButton(hwnd_, id, checked ? BST_CHECKED : BST_UNCHECKED); }
  void Enable(int id, bool enabled) const { EnableWindow(Control(id), enabled ? TRUE : FALSE); }
  bool Enabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }
  // The selected entry of a list or combo box (-1: none), and selecting one.
  int Selection(int comboId) const { return static_cast<int>(SendDlgItemMessageW(hwnd_, comboId, CB_GETCURSEL, 0, 0)); }
  void Select(int comboId, int index) const { SendDlgItemMessageW(hwnd_, comboId, CB_SETCURSEL, index, 0); }

  HWND hwnd_ = nullptr;

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
      if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<Dialog*>(lParam);
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        dialog->hwnd_ = hwnd;
        if constexpr (std::is_same_v<decltype(dialog->Form_Load()), bool>) {
          return dialog->Form_Load() ? TRUE : FALSE;
        } else {
          dialog->Form_Load();
          return TRUE;
        }
      }
      auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
      if (!dialog) return FALSE;
      if constexpr (requires(Dialog& d) { d.OnFinalMessage(); }) {
        if (message == WM_NCDESTROY) {
          SetWindowLongPtrW(hwnd, DWLP_USER, 0);
          dialog->OnFinalMessage();
          return FALSE;
        }
      }
      return dialog->HandleMessage(message, wParam, lParam);
    } catch (...) {
      // The dialog stays usable; the message counts as not handled.
      return FALSE;
    }
  }
};

}  // namespace pelmora
