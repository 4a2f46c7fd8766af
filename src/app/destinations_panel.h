// The main window's destinations: the seven boxes, All Users, the sub-folder combos with their
// recent lists and browse buttons, and the folders each destination stands for on this system.
#pragma once
#include <windows.h>

#include <array>
#include <functional>
#include <string>

#include "settings/profile_text.h"
#include "settings/settings_rules.h"
#include "shortcut/create_command.h"
#include "shortcut/destinations.h"
#include "shortcut/recent_folders.h"
#include "win/tool_tips.h"

namespace pelmora {

class DestinationsPanel {
 public:
  DestinationsPanel() = default;
  DestinationsPanel(const DestinationsPanel&) = delete;
  DestinationsPanel& operator=(const DestinationsPanel&) = delete;

  // `window` holds the controls; `changed` runs whenever a box was ticked or cleared.
  void Attach(HWND window, ToolTips& tips, std::function<void()> changed);
  // The boxes as the settings file remembered them; the combos follow their boxes either way.
  void ApplyStates(const std::optional<ShortcutFolderStates>& states);
  // The recent lists from the settings file, then the folders of this system: a destination
  // this system lacks cannot be ticked; tooltips name the folders; a first Start-menu and
  // Favorites folder is offered when their lists are empty.
  void Load(const std::wstring& settingsFile);

  const SpecialFolders& Folders() const { return folders_; }
  ShortcutFolderStates States() const;
  // The recent lists' writes for the settings file.
  void AddRecentWrites(ProfileWrites& writes) const;

  bool AnyTicked() const;
  bool AllUsers() const;
  // Ticks or clears a box (a cleared All Users, say); the panel follows as after a click.
  void SetTicked(int boxId, bool ticked);
  void ClearAll();
  // A box was clicked: its sub-folder combo follows; All Users changes the folders' tooltips.
  void BoxClicked(int boxId);
  // Ticks only the destination that holds an existing shortcut file (its sub-folder typed in),
  // so that creating again overwrites it in place.
  void SelectDestinationOfFile(const std::wstring& shortcutPath);
  // Destinations, sub-folders and All Users of the create command.
  void FillRequest(CreateRequest& request) const;
  // After a shortcut was written into a sub-folder: it becomes the first of its recent list.
  void Remember(RecentList which);
  // The folder a destination's tool button opens: a fixed destination's folder (for All Users
  // when ticked), or the typed sub-folder when it exists; else empty.
  std::wstring FolderToOpen(DestinationKind kind) const;
  // The colours of a sub-folder combo's edit part (WM_CTLCOLOREDIT/STATIC): the window's while
  // the combo is enabled, the button face's when not. Null when `control` is not one of them.
  HBRUSH ComboColours(HWND control, HDC dc) const;

 private:
  HWND Control(int id) const { return GetDlgItem(hwnd_, id); }
  bool Ticked(int boxId) const { return IsDlgButtonChecked(hwnd_, boxId) == BST_CHECKED; }
  void ShowFolderTips();
  void MakeUnavailable(int boxId);

  HWND hwnd_ = nullptr;
  ToolTips* tips_ = nullptr;
  std::function<void()> changed_;
  SpecialFolders folders_;
  std::array<RecentFolderList, 3> recent_{RecentFolderList(RecentList::StartMenu),
                                          RecentFolderList(RecentList::Favorites), RecentFolderList(RecentList::Free)};
};

}  // namespace pelmora
