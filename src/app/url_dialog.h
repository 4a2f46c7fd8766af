// frmURL "簡易URL生成": the user puts a URL together from typed text and the pieces of the URL
// table. The dialog only edits its own text; the caller applies the result to its form.
#pragma once
#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/context_help.h"
#include "settings/url_table_rules.h"
#include "win/dialog_window.h"

namespace pelmora {

// Opens the dialog modally over `owner`. `currentTarget` (the main window's target field) is
// taken as the starting text when it holds "://". Returns the text trimmed of blanks after OK,
// or nullopt after Cancel, the close box, or OK with nothing but blanks.
std::optional<std::wstring> ShowUrlDialog(HWND owner, const UrlTable& table, const std::wstring& currentTarget);

class UrlDialog : public DialogWindow<UrlDialog> {
 public:
  UrlDialog(const UrlTable& table, std::wstring currentTarget)
      : table_(table), currentTarget_(std::move(currentTarget)) {}
  std::optional<std::wstring> Run(HWND owner);

 private:
  friend class DialogWindow<UrlDialog>;
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(int id, int code);

  void Form_Load();
  void cmbURL_Click(int index);
  void btnClear_Click();
  void btnOK_Click();
  void btnCan_Click();

  HWND txtURL() const;
  HWND cmbURL(int index) const;
  // New text for txtURL with the caret at `caret`, and the focus in it.
  void SetUrlText(const std::wstring& text, std::size_t caret);

  const UrlTable& table_;
  std::wstring currentTarget_;
  std::vector<std::wstring> templates_;  // at the positions of their captions in the fourth list
  bool loaded_ = false;                  // picks made while the lists fill are no picks
  std::array<bool, 4> pickQueued_{};     // one pick per gesture, however many notifications it sends
  std::optional<std::wstring> result_;
  ContextHelp help_;
};

}  // namespace pelmora
