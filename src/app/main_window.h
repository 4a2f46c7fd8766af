// frmMain: the program's one long-lived window. It owns its parts: the form (the shortcut being
// prepared), the destinations panel, the tool buttons, the title fetch and the drops; and the
// settings. Its commands take a new target, read a shortcut file back, create, and bring up the
// presets, the URL builder and the options.
#pragma once
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "app/batch_targets.h"
#include "app/context_help.h"
#include "app/destinations_panel.h"
#include "app/flat_buttons.h"
#include "app/presets.h"
#include "app/shortcut_form.h"
#include "app/title_fetch.h"
#include "settings/settings.h"
#include "settings/url_table_rules.h"
#include "url/target_kind.h"
#include "win/dialog_window.h"
#include "win/drop_target.h"
#include "win/handles.h"
#include "win/tool_tips.h"

namespace pelmora {

class MainWindow : public DialogWindow<MainWindow> {
 public:
  // Creates the window, runs its load sequence (which takes `commandLine`, the argument text
  // the process received, as the start-up target when it is not empty) and shows it. The
  // window deletes itself when it is destroyed. Null when it could not be created.
  static MainWindow* Open(HINSTANCE instance, int showCommand, const std::wstring& commandLine = {});

 private:
  friend class DialogWindow<MainWindow>;
  explicit MainWindow(std::wstring commandLine) : commandLine_(std::move(commandLine)) {}
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnFinalMessage() { delete this; }
  void OnCommand(int id, int code);
  INT_PTR OnDrawItem(const DRAWITEMSTRUCT& item);
  INT_PTR OnTimer(WPARAM timer);
  INT_PTR OnSetCursor(HWND over, UINT hitTest);
  void OnDpiChanged(const RECT& suggested);

  // Event handlers, named after control and event.
  void btnCreate_Click();
  void btnBrows_Click(int index);
  void btnClear_Click(int index);
  void btnURL_Click();
  void btnSpecial_Click();
  void btnOption_Click();
  void btnAbout_Click();
  void btnHelp_Click();
  void picFlatButton_Click(int index);
  void txtShortCutName_Change();

  // The load: false when it moved the focus itself (a start-up target focuses the name).
  bool Form_Load();
  void Form_Unload();
  void ApplySettings();
  void SetTooltips();
  void SetWindowIcons();
  void UpdateCreateButton();
  // Tool buttons 7 and 8 need a target, 9 text on the clipboard; the others can always be used.
  bool ToolButtonUsable(int index) const;
  void PickTarget(bool folder);
  void BrowseIntoSubFolder(int comboId, int root);
  void ChooseIcon();

  // Taking a new target, from the command line, the pickers, a drop or the URL builder. The
  // start-up target is true when it moved the focus (to the proposed name).
  bool TakeStartupTarget(std::wstring text);
  // A file or folder of `kind`: a .lnk or .url is read back, a bitmap shows its type's icon,
  // anything else is named and gets its working folder and comment. False when a shortcut file
  // could not be read (the form stays as it was).
  bool AdoptFile(const std::wstring& path, TargetKind kind);
  void AdoptOrdinaryFile(const std::wstring& path, TargetKind kind, bool bitmap);
  bool LoadShortcutFile(const std::wstring& path, bool isLink, TargetKind kind);
  // A URL. Its name is `*name`, unless that is empty (or `name` null) and `fetchTitle` asks for
  // the page title; a null `name` without a fetch keeps the name field as it is. The fields only
  // a shell link has are cleared when `clearLinkFields`.
  void AdoptUrl(const std::wstring& url, const std::wstring* name, bool fetchTitle, bool clearLinkFields);
  // A special preset's target, arguments, name, comment and icon.
  void AdoptPreset(const PresetFields& fields);
  void AcceptDroppedData(const DroppedData& data);
  // The proposed name of a file or folder target of `kind`; returns the executable's
  // description it read on the way, for the comment.
  std::wstring ProposeName(const std::wstring& target, TargetKind kind);

  // Several targets at once (main_window_batch.cpp). The form takes the first that names a file
  // or folder, as it takes a single one; the others wait in their order. False when none could
  // be taken. From the command line, the items take their long form.
  bool TakeBatch(std::vector<std::wstring> items, bool fromCommandLine);
  bool TakeStartupBatch(std::vector<std::wstring> items);
  void lblBatch_Click();
  // 作成 with items waiting: the form's shortcut, then each item, a step at a time, the window's
  // loop turning between the steps.
  void CreateBatch();
  void BatchStep();
  void ScheduleBatchStep();
  void EndBatch();

  void StartTitleFetch(const std::wstring& url);
  void StopTitleFetch();
  void TitleFetched(WPARAM id);
  void IconFetched(WPARAM id);
  // What the window needs only once it is shown: tooltips, the URL table, drag and drop. Runs
  // once, right after the window is first idle, or earlier when a command needs it.
  void FinishLoad();

  // While a command runs (it may show message boxes, pickers or dialogs, each with a message
  // loop of its own) no other such command starts, nothing can be dropped, and a close waits
  // until it is over.
  class CommandScope;
  // A command that lasts beyond one message (a batch being created) begins and ends itself.
  void BeginCommand();
  void EndCommand();
  struct CommandState {
    int depth = 0;
    bool closeWhenIdle = false;
  };
  bool RunningCommand() const { return commands_.depth > 0; }
  // What 作成 works on: the form's shortcut and the destinations.
  CreateRequest RequestOfWindow() const;

  std::wstring commandLine_;
  std::wstring settingsFile_;
  Settings settings_;
  ShortcutForm form_;
  DestinationsPanel destinations_;
  ToolTips tips_;
  FlatButtons flatButtons_;
  ContextHelp help_;
  std::array<win::IconHandle, 2> windowIcons_;  // big and small
  UrlTable urlTable_;
  PresetSystem presetSystem_;
  bool windowsVersionCheck_ = true;
  bool exitAfterCreate_ = false;
  bool unloaded_ = false;
  bool loadFinished_ = false;
  CommandState commands_;
  TitleFetch titleFetch_;
  WindowDrops drops_;
  int filterIndex_ = 0;  // the file picker's filter the user left selected
  BatchTargets batch_;
};

}  // namespace pelmora
