// frmAbout "ペルモラ バージョン情報": the program's name, version and copyright line from its own
// version information, its icon, and its home page, which a click opens in the browser.
#pragma once
#include <windows.h>

#include "win/handles.h"
#include "win/dialog_window.h"
#include "win/program_info.h"

namespace pelmora {

inline constexpr wchar_t kHomePageAddress[] = L"https://www.pelmora.jp/";

// Shows the box modally over `owner` until OK, Enter, Esc or the close box.
void ShowAboutBox(HWND owner, const ProgramInfo& info);

class AboutBox : public DialogWindow<AboutBox> {
 public:
  explicit AboutBox(ProgramInfo info) : info_(std::move(info)) {}
  void Run(HWND owner);

 private:
  friend class DialogWindow<AboutBox>;
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void Form_Load();
  void lblHP_Click();
  void Image1_Click() { lblHP_Click(); }
  void Command1_Click(int result) { EndDialog(hwnd_, result); }

  ProgramInfo info_;
  win::FontHandle nameFont_;
};

}  // namespace pelmora
