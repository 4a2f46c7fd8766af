// "一括作成の項目": every item of a batch, the form's first, with the reminder that the fields
// edited in the window hold for the first item only. 一括作成をやめる leaves batch mode.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "win/dialog_window.h"

namespace pelmora {

// Shows the list modally over `owner`; true when the person chose to leave batch mode.
bool ShowBatchList(HWND owner, const std::vector<std::wstring>& items);

class BatchListDialog : public DialogWindow<BatchListDialog> {
 public:
  explicit BatchListDialog(const std::vector<std::wstring>& items) : items_(items) {}
  bool Run(HWND owner);

 private:
  friend class DialogWindow<BatchListDialog>;
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Form_Load();
  // The list scrolls sideways as far as its longest item reaches.
  void FitScrollWidth();

  const std::vector<std::wstring>& items_;
};

}  // namespace pelmora
