// "上書きの確認": asked before a batch replaces an existing shortcut file. The person answers for
// this file, or for it and every existing file after it; キャンセル stops the batch. A dialog of
// the program's own, since a message box has no buttons for "all".
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "shortcut/batch_create.h"
#include "win/dialog_window.h"

namespace pelmora {

// The question: the destination's quoted name, the file, "上書きしますか？".
std::wstring BatchOverwriteText(DestinationKind kind, const std::wstring& path);

// Shows the question modally over `owner`; the close box and Esc are キャンセル.
OverwriteAnswer AskOverwrite(HWND owner, DestinationKind kind, const std::wstring& path);

// The one place a test answers in place of a person: while set, AskOverwrite asks the responder
// (with the question's text) instead of showing the dialog. An empty function shows it again.
using OverwriteResponder = std::function<OverwriteAnswer(HWND owner, const std::wstring& text)>;
void SetOverwriteResponder(OverwriteResponder responder);

class OverwriteDialog : public DialogWindow<OverwriteDialog> {
 public:
  explicit OverwriteDialog(std::wstring text) : text_(std::move(text)) {}
  OverwriteAnswer Run(HWND owner);

 private:
  friend class DialogWindow<OverwriteDialog>;
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool Form_Load();

  std::wstring text_;
};

}  // namespace pelmora
