// frmMain: the program's one long-lived window. It owns the shortcut being prepared (held in
// its controls), the resolved destination folders and the recent sub-folder lists.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "win/tool_tips.h"
#include "win/drop_target.h"
#include "naming/icon_preview.h"
#include "shortcut/destinations.h"
#include "shortcut/recent_folders.h"
#include "settings/settings.h"
#include "shortcut/shell_link.h"
#include "url/target_kind.h"

namespace pelmora {

class MainWindow {
 public:
  // Creates the window, runs its load sequence (which takes `commandLineText` as the start-up
  // target when it is not empty) and shows it. The window deletes itself when it unloads.
  static MainWindow* Open(HINSTANCE instance, int showCommand, const std::wstring& commandLine = {});

  HWND Handle() const { return hwnd_; }
  HWND Control(int id) const { return GetDlgItem(hwnd_, id); }
  HWND chkWhere(int index) const;
  HWND btnBrows(int index) const;
  HWND btnClear(int index) const;
  HWND picFlatButton(int index) const;

  std::wstring Text(int id) const;
  void SetText(int id, const std::wstring& text);
  bool IsChecked(int id) const;
  // Ticks or clears a check box; a change runs its click handling as a user's click would.
  void SetChecked(int id, bool checked);
  std::wstring ToolTipOf(int id) const { return tips_.Get(Control(id)); }
  // COLOR_WINDOW or COLOR_BTNFACE: the background the window paints a sub-folder combo with.
  int ComboBackground(int comboId) const;

  const SpecialFolders& Folders() const { return folders_; }
  const std::wstring& SettingsFilePath() const { return settingsFilePath_; }
  const std::wstring& UrlIniPath() const { return urlIniPath_; }
  const std::wstring& HelpFilePath() const { return helpFilePath_; }
  bool ExitAfterCreate() const { return exitAfterCreate_; }
  const std::wstring& RundllPath() const { return rundllPath_; }
  const std::wstring& Rundll32Path() const { return rundll32Path_; }
  const ShellLink& Link() const { return link_; }
  const RecentFolderList& Recent(RecentList which) const { return recent_[static_cast<int>(which)]; }
  const IconPreview& Preview() const { return preview_; }
  const Settings& CurrentSettings() const { return settings_; }
  TargetKind CurrentTargetKind() const { return targetKind_; }
  // The icon of the shortcut: an empty file means the target's own icon.
  const std::wstring& IconFile() const { return iconFile_; }
  int IconIndex() const { return iconIndex_; }
  void SetShortcutIcon(const std::wstring& file, int index) {
    iconFile_ = file;
    iconIndex_ = index;
  }
  // After a shortcut was written into a sub-folder: it becomes the first of its recent list.
  void RememberSubFolder(RecentList which, int comboId);

  // Reads an existing .lnk into the shortcut information (not the name); false changes nothing.
  bool ReadShellLinkIntoForm(const std::wstring& linkPath);
  // Ticks the destination that holds an existing shortcut file, so that creating again
  // overwrites it in place.
  void SelectDestinationOfFile(const std::wstring& shortcutPath);
  // The proposed name of a target of the current kind, showing the fetch status in the name field.
  std::wstring DeriveShortcutName(const std::wstring& target);

  // Event handlers, named after control and event.
  void Form_Load();
  void Form_Activate();
  void Form_Unload();
  void btnCreate_Click();
  void btnBrows_Click(int index);
  // Every drop on the window or one of its controls arrives here.
  void AcceptDroppedData(const DroppedData& data);
  // The window's drop target (registered for the whole window).
  IDropTarget* DropTargetObject() const { return dropTarget_; }
  // Adopts a file chosen with the picker or dropped, by its type (.lnk, .url, .bmp, other).
  void AdoptChosenFile(const std::wstring& path);
  void btnClear_Click(int index);
  void btnExit_Click();
  void chkWhere_Click(int index);
  void chkAllUsers_Click();
  void txtLnkPath_Change();
  void txtShortCutName_Change();

  void UpdateCreateButton();

 private:
  MainWindow(HWND hwnd, std::wstring commandLine) : hwnd_(hwnd), commandLine_(std::move(commandLine)) {}
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(int id, int code);
  void DrawFlatButton(const DRAWITEMSTRUCT& item);
  void SetUpFlatButtons();
  void SetDestinationTooltips();
  void ClearIconPreview();
  // The preview's icon source; the icon file follows it (kept only when it holds icons).
  int SetIconSource(const std::wstring& path);
  void ApplySettings();
  void TakeStartupTarget(std::wstring text);
  // Fills the fields for a new target (used for bitmap files).
  void ApplyNewTarget(const std::wstring& target);
  void LoadShortcutFile(const std::wstring& path, bool isLink);
  void ClearLinkOnlyFields();
  // The preview of an ordinary file or folder: its own icons, else its type's icon.
  void ShowIconOf(const std::wstring& path);
  // The preview after a link was read back into the form.
  void ShowLinkIcon();

  HWND hwnd_;
  std::wstring commandLine_;  // the argument text the process received
  Settings settings_;
  TargetKind targetKind_ = TargetKind::Invalid;
  std::wstring iconFile_;
  int iconIndex_ = 0;
  std::wstring lastFileDescription_;  // of the executable named last, for the comment
  ToolTips tips_;
  ShellLink link_;
  IconPreview preview_;
  RecentFolderList recent_[3] = {RecentFolderList(RecentList::StartMenu), RecentFolderList(RecentList::Favorites),
                                 RecentFolderList(RecentList::Free)};
  SpecialFolders folders_;
  std::wstring settingsFilePath_, urlIniPath_, helpFilePath_;
  std::wstring windowsFolder_, systemFolder_;
  std::wstring rundllPath_, rundll32Path_, controlPath_;
  int platformId_ = 2;
  int windowsVersionCheck_ = 1;
  bool exitAfterCreate_ = false;
  bool unloaded_ = false;
  bool focusTaken_ = false;  // the load moved the focus itself
  int busyDepth_ = 0;        // inside a name derivation that may fetch a page title
  bool unloadWhenIdle_ = false;
  DropTarget* dropTarget_ = nullptr;
  int filterIndex_ = 0;  // the file picker's filter the user left selected
  HICON flatIcons_[10] = {};
  HBRUSH windowBrush_ = nullptr;
  HBRUSH buttonFaceBrush_ = nullptr;
};

}  // namespace pelmora
