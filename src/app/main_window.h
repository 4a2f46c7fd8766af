// frmMain: the program's one long-lived window. It owns the shortcut being prepared (held in
// its controls), the settings, the resolved destination folders and the recent sub-folder lists.
#pragma once
#include <windows.h>

#include <wrl/client.h>

#include <memory>
#include <string>
#include <vector>

#include "app/context_help.h"
#include "app/flat_buttons.h"
#include "naming/icon_preview.h"
#include "naming/web_title.h"
#include "settings/settings.h"
#include "settings/url_table_rules.h"
#include "shortcut/destinations.h"
#include "shortcut/recent_folders.h"
#include "shortcut/shell_link.h"
#include "app/presets.h"
#include "url/target_kind.h"
#include "win/drop_target.h"
#include "win/handles.h"
#include "win/tool_tips.h"

namespace pelmora {

class MainWindow {
 public:
  // Creates the window, runs its load sequence (which takes `commandLine`, the argument text
  // the process received, as the start-up target when it is not empty) and shows it. The
  // window deletes itself when it unloads.
  static MainWindow* Open(HINSTANCE instance, int showCommand, const std::wstring& commandLine = {});

  HWND Handle() const { return hwnd_; }
  HWND Control(int id) const { return GetDlgItem(hwnd_, id); }

  std::wstring Text(int id) const;
  void SetText(int id, const std::wstring& text);
  bool IsChecked(int id) const;
  // Ticks or clears a check box; a change runs its click handling as a user's click would.
  void SetChecked(int id, bool checked);
  std::wstring ToolTipOf(int id) const { return tips_.Get(Control(id)); }
  // COLOR_WINDOW or COLOR_BTNFACE: the background the window paints a sub-folder combo with.
  int ComboBackground(int comboId) const;

  const SpecialFolders& Folders() const { return folders_; }
  const Settings& CurrentSettings() const { return settings_; }
  TargetKind CurrentTargetKind() const { return targetKind_; }
  const std::wstring& SettingsFilePath() const { return settingsFilePath_; }
  const std::wstring& UrlIniPath() const { return urlIniPath_; }
  const ShellLink& Link() const { return link_; }
  const IconPreview& Preview() const { return preview_; }
  // The icon of the shortcut: an empty file means the target's own icon.
  const std::wstring& IconFile() const { return iconFile_; }
  int IconIndex() const { return iconIndex_; }
  void SetShortcutIcon(const std::wstring& file, int index) {
    iconFile_ = file;
    iconIndex_ = index;
  }
  // A page title is being fetched for the name (the create command waits for it).
  bool FetchingTitle() const { return download_ != nullptr; }
  // The window's drop target (registered for the whole window).
  IDropTarget* DropTargetObject() const { return dropTarget_.Get(); }
  const FlatButtons& ToolButtons() const { return flatButtons_; }
  // The part of the load that follows the first paint is done.
  bool LoadFinished() const { return loadFinished_; }

  // Ticks the destination that holds an existing shortcut file, so that creating again
  // overwrites it in place.
  void SelectDestinationOfFile(const std::wstring& shortcutPath);

  // Event handlers, named after control and event.
  void btnCreate_Click();
  void btnBrows_Click(int index);
  void btnClear_Click(int index);
  void btnURL_Click();
  void btnSpecial_Click();
  void btnOption_Click();
  void btnAbout_Click();
  void btnHelp_Click();
  void btnExit_Click();
  void picFlatButton_Click(int index);
  void chkWhere_Click(int index);
  void chkAllUsers_Click();
  void txtLnkPath_Change();
  void txtShortCutName_Change();

 private:
  MainWindow(HWND hwnd, std::wstring commandLine);
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(int id, int code);

  void Form_Load();
  void Form_Activate();
  void Form_Unload();
  void ApplySettings();
  void SetDestinationTooltips();
  void SetWindowIcons();
  void UpdateCreateButton();
  // Tool buttons 7 and 8 need a target, 9 text on the clipboard; the others can always be used.
  bool ToolButtonUsable(int index) const;
  // The folder a destination's tool button opens: a fixed destination's folder (for All Users
  // when ticked), or the typed sub-folder when it exists; else empty.
  std::wstring ToolButtonFolder(DestinationKind kind) const;
  // After a shortcut was written into a sub-folder: it becomes the first of its recent list.
  void RememberSubFolder(RecentList which);

  // Taking a new target, from the command line, the pickers, a drop or the URL builder.
  void TakeStartupTarget(std::wstring text);
  // A file or folder of the current kind: a .lnk or .url is read back, a bitmap shows its type's
  // icon, anything else is named and gets its working folder and comment.
  void AdoptFile(const std::wstring& path, TargetKind kind);
  void AdoptOrdinaryFile(const std::wstring& path);
  void AdoptBitmap(const std::wstring& path);
  void LoadShortcutFile(const std::wstring& path, bool isLink, TargetKind kind);
  // A link read back: its target, arguments, folders, comment, run size and icon (not the name).
  void FillFormFromLink(const ShellLinkInfo& info);
  // A URL. Its name is `*name`, unless that is empty (or `name` null) and `fetchTitle` asks for
  // the page title; a null `name` without a fetch keeps the name field as it is. The fields only
  // a shell link has are cleared when `clearLinkFields`.
  void AdoptUrl(const std::wstring& url, const std::wstring* name, bool fetchTitle, bool clearLinkFields);
  void ClearLinkOnlyFields();
  // A special preset's target, arguments, name, comment and icon.
  void AdoptPreset(const PresetFields& fields);
  // The proposed name of a file or folder target of the current kind.
  void ProposeName(const std::wstring& target);
  // The page title fetch: it runs on its own thread and ends by a posted message; a new target,
  // a clear or a close gives a running fetch up.
  void StartTitleFetch(const std::wstring& url);
  void StopTitleFetch();
  void TitleFetched(WPARAM id);
  void AcceptDroppedData(const DroppedData& data);
  // What the window needs only once it is shown: tooltips, the URL table, drag and drop. Runs
  // once, right after the window is first idle, or earlier when a command needs it.
  void FinishLoad();

  // The preview's icon source; the icon file follows it (kept only when it holds icons).
  int SetIconSource(std::wstring path);
  // The icon a .lnk or .url names, kept as it stands; false when it names none.
  bool ShowShortcutFileIcon(std::wstring iconFile, int iconIndex);
  // The preview of an ordinary file or folder: its own icons, else its type's icon.
  void ShowIconOf(const std::wstring& path);
  // The preview after a link was read back into the form.
  void ShowLinkIcon();
  void ClearIconPreview();

  // While a command runs (it may show message boxes, pickers or dialogs, each with a message
  // loop of its own) no other such command starts, nothing can be dropped, and a close waits
  // until it is over.
  class CommandScope;
  bool RunningCommand() const { return commandDepth_ > 0; }

  HWND hwnd_;
  std::wstring commandLine_;
  Settings settings_;
  TargetKind targetKind_ = TargetKind::Invalid;
  std::wstring iconFile_;
  int iconIndex_ = 0;
  std::wstring lastFileDescription_;  // of the executable named last, for the comment

  ToolTips tips_;
  ShellLink link_;
  IconPreview preview_;
  FlatButtons flatButtons_;
  ContextHelp help_;
  win::IconHandle bigIcon_, smallIcon_;
  RecentFolderList recent_[3] = {RecentFolderList(RecentList::StartMenu), RecentFolderList(RecentList::Favorites),
                                 RecentFolderList(RecentList::Free)};
  SpecialFolders folders_;
  UrlTable urlTable_;
  std::wstring settingsFilePath_, urlIniPath_;
  std::wstring windowsFolder_, systemFolder_;
  int windowsVersionCheck_ = 1;
  bool exitAfterCreate_ = false;
  bool unloaded_ = false;
  bool focusTaken_ = false;  // the load moved the focus itself
  int commandDepth_ = 0;
  bool unloadWhenIdle_ = false;
  std::unique_ptr<PageDownload> download_;
  WPARAM downloadId_ = 0;
  Microsoft::WRL::ComPtr<DropTarget> dropTarget_;
  bool dropsRegistered_ = false;
  bool loadFinished_ = false;
  std::vector<DroppedData> pendingDrops_;
  int filterIndex_ = 0;  // the file picker's filter the user left selected
  HBRUSH windowBrush_ = nullptr;
  HBRUSH buttonFaceBrush_ = nullptr;
};

}  // namespace pelmora
