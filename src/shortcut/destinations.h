// The places a shortcut can be written to, and the folders they resolve to.
#pragma once
#include <array>
#include <string>

#include "shortcut/name_rules.h"
#include "shortcut/recent_folders.h"

namespace pelmora {

// Index of the destination check boxes and the order in which shortcuts are written.
enum class DestinationKind { Desktop = 0, StartMenu = 1, Startup = 2, Sendto = 3, QuickLaunch = 4, Free = 5, Favorites = 6 };
inline constexpr int kDestinationCount = 7;

// The destinations whose folder is typed into a combo with a recent list: StartMenu, Favorites
// and Free, with the field a refusal or a Cancel about that folder focuses.
struct SubFolderDestination {
  DestinationKind destination;
  RecentList list;
  ShortcutField field;
};
inline constexpr std::array<SubFolderDestination, 3> kSubFolderDestinations{{
    {DestinationKind::StartMenu, RecentList::StartMenu, ShortcutField::StartMenuPath},
    {DestinationKind::Favorites, RecentList::Favorites, ShortcutField::FavoritesPath},
    {DestinationKind::Free, RecentList::Free, ShortcutField::FreePath},
}};
// The entry of a sub-folder destination; null for the fixed ones.
const SubFolderDestination* SubFolderDestinationOf(DestinationKind kind);

// Folders resolved once at load; empty when the lookup failed. Stored without a trailing
// backslash, as the shell returns them (a drive root keeps its backslash).
struct SpecialFolders {
  std::wstring desktop, programs, favorites, startup, sendTo, startMenu;
  std::wstring commonStartMenu, commonPrograms, commonStartup, commonDesktop;
  std::wstring quickLaunch;
  bool allUsersAvailable = false;
  bool quickLaunchAvailable = false;
};

// The folder of a fixed destination (Desktop, Startup, Sendto, QuickLaunch); All Users
// matters for Desktop and Startup only. Empty for the sub-folder destinations.
std::wstring FixedDestinationFolder(const SpecialFolders& folders, DestinationKind kind, bool allUsers);

// "「デスクトップ」" and so on: the destination's name as the messages quote it.
std::wstring QuotedDestinationName(DestinationKind kind);

// The destination in which an existing shortcut file lies, so that creating again
// overwrites it in place.
struct DestinationOfFile {
  DestinationKind kind = DestinationKind::Free;
  bool allUsers = false;
  // The folder to show in the destination's combo (StartMenu, Favorites, Free); else empty.
  std::wstring comboFolder;
};
DestinationOfFile FindDestinationOfFile(const SpecialFolders& folders, const std::wstring& shortcutPath);

}  // namespace pelmora
