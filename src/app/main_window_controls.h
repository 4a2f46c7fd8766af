// How the main window's controls stand for the shortcut information: the one table of the
// sub-folder destinations' combos and browse buttons, and the window's own messages.
#pragma once
#include <windows.h>

#include <array>

#include "resource.h"
#include "shortcut/destinations.h"

namespace pelmora {

// A page title fetch has ended (wParam: the fetch's number).
inline constexpr UINT kTitleFetchedMessage = WM_APP + 1;
// Something was dropped on the window; its data waits to be taken.
inline constexpr UINT kDroppedMessage = WM_APP + 2;
// The help button's click is through: the window goes into help mode.
inline constexpr UINT kHelpModeMessage = WM_APP + 3;
// A site icon fetch has ended (wParam: the fetch's number).
inline constexpr UINT kIconFetchedMessage = WM_APP + 4;
// A batch being created takes its next step; the timer stands in for the message while input or
// painting waits, which a posted message would come before.
inline constexpr UINT kBatchStepMessage = WM_APP + 5;
inline constexpr UINT_PTR kBatchStepTimer = 2;
// The window has been shown and painted: what need not come before that runs now. The delay
// lets the window be on screen and answering before the slow part of the load (OLE) runs.
inline constexpr UINT_PTR kAfterShowTimer = 1;
inline constexpr UINT kAfterShowDelayMs = 200;

// A .lnk or .url that cannot be read back: the form stays as it was (the path follows).
inline constexpr wchar_t kShortcutFileUnreadableMessage[] = L"ショートカットファイルを読み込めませんでした。";

struct SubFolderControls {
  RecentList list;
  DestinationKind destination;
  int combo;
  int browse;
};
inline constexpr std::array<SubFolderControls, 3> kSubFolderControls{{
    {RecentList::StartMenu, DestinationKind::StartMenu, IDC_CMB_STARTMENUPATH, IDC_BTN_BROWS + 2},
    {RecentList::Favorites, DestinationKind::Favorites, IDC_CMB_FAVORITESPATH, IDC_BTN_BROWS + 4},
    {RecentList::Free, DestinationKind::Free, IDC_CMB_FREEPATH, IDC_BTN_BROWS + 1},
}};

constexpr const SubFolderControls& SubFolderControlsOf(RecentList list) {
  for (const SubFolderControls& sub : kSubFolderControls)
    if (sub.list == list) return sub;
  return kSubFolderControls[0];
}

// The control that holds a field of the shortcut information.
constexpr int FieldControl(ShortcutField field) {
  switch (field) {
    case ShortcutField::Target: return IDC_TXT_LNKPATH;
    case ShortcutField::StartMenuPath: return SubFolderControlsOf(RecentList::StartMenu).combo;
    case ShortcutField::FavoritesPath: return SubFolderControlsOf(RecentList::Favorites).combo;
    case ShortcutField::FreePath: return SubFolderControlsOf(RecentList::Free).combo;
    case ShortcutField::Name: break;
  }
  return IDC_TXT_SHORTCUTNAME;
}

}  // namespace pelmora
