// frmOption: the options dialog. It edits the settings in memory (OK keeps the changes, Cancel
// and the close box drop them) and switches the program's right-click menu entries, which take
// effect at once whichever way the dialog is closed.
#pragma once
#include <windows.h>

#include <array>
#include <string>

#include "app/context_help.h"
#include "settings/settings.h"
#include "shell/extension_list.h"
#include "win/dialog_window.h"
#include "win/tool_tips.h"

namespace pelmora {

struct OptionPaths {
  std::wstring programPath;       // the command the right-click entries start
  std::wstring settingsFilePath;  // where the registered extensions are remembered
  std::wstring ieScriptPath;      // the script Internet Explorer's page menu runs
};
// The running program's own paths: its .exe, its .ini and ExecPel.htm beside it.
OptionPaths OptionPathsOfProgram();

// Shows the dialog modally. True when OK copied the controls into `settings`.
bool ShowOptionDialog(HWND owner, Settings& settings, const OptionPaths& paths);

class OptionDialog : public DialogWindow<OptionDialog> {
 public:
  OptionDialog(Settings& settings, OptionPaths paths) : settings_(settings), paths_(std::move(paths)) {}
  OptionDialog(const OptionDialog&) = delete;
  OptionDialog& operator=(const OptionDialog&) = delete;

  // IDOK or IDCANCEL.
  INT_PTR Run(HWND owner);

 private:
  friend class DialogWindow<OptionDialog>;
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(int id, int code);

  void Form_Load();
  void Form_Unload(INT_PTR result);
  void btnOK_Click();
  void chkGetUrlTitle_Click();
  void chkGetMp3Info_Click();
  void txtExt_Change() { UpdateExtensionButtons(); }
  void lstExt_Click() { UpdateExtensionButtons(); }
  void btnAdd_Click();
  void btnDel_Click();
  void btnAllDel_Click();
  // The right-click entry buttons, by their row in the table of toggle buttons.
  void Toggle_Click(int toggle);

  void UpdateExtensionButtons();
  void ShowToggleState(int toggle, bool registered);
  bool Register(int toggle);
  bool Unregister(int toggle);
  void ShowExtensionList(int selected);

  void FocusControl(int id);

  Settings& settings_;
  OptionPaths paths_;
  ExtensionList extensions_;  // what lstExt shows
  // Whether each right-click entry is registered, as its button shows it.
  static constexpr int kToggles = 4;
  std::array<bool, kToggles> registered_{};
  ToolTips tips_;
  ContextHelp help_;
};

}  // namespace pelmora
