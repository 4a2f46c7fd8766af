#include "app/destinations_panel.h"

#include "app/main_window_controls.h"
#include "shortcut/destination_folders.h"
#include "shortcut/recent_folders_win.h"
#include "text/text_rules.h"
#include "win/system.h"

namespace pelmora {
namespace {

constexpr const wchar_t* kAllUsersTip = L"ﾃﾞｽｸﾄｯﾌﾟ、ｽﾀｰﾄｱｯﾌﾟ、ｽﾀｰﾄﾒﾆｭｰのみ有効";

constexpr int BoxOf(DestinationKind kind) { return IDC_CHK_WHERE + static_cast<int>(kind); }

std::wstring WithDots(const std::wstring& folder) { return folder.empty() ? folder : folder + L"..."; }

}  // namespace

void DestinationsPanel::Attach(HWND window, ToolTips& tips, std::function<void()> changed) {
  hwnd_ = window;
  tips_ = &tips;
  changed_ = std::move(changed);
}

void DestinationsPanel::ApplyStates(const std::optional<ShortcutFolderStates>& states) {
  if (states) {
    SetTicked(IDC_CHK_ALLUSERS, states->AllUsers);
    for (int i = 0; i < kDestinationCount; ++i) SetTicked(IDC_CHK_WHERE + i, states->where[i]);
  }
  for (const SubFolderControls& sub : kSubFolderControls) BoxClicked(BoxOf(sub.destination));
}

void DestinationsPanel::Load(const std::wstring& settingsFile) {
  for (const SubFolderControls& sub : kSubFolderControls)
    LoadRecentFolders(recent_[static_cast<int>(sub.list)], Control(sub.combo), settingsFile);
  folders_ = PrepareSpecialFolders(hwnd_);
  if (!folders_.allUsersAvailable) MakeUnavailable(IDC_CHK_ALLUSERS);
  if (!folders_.quickLaunchAvailable) MakeUnavailable(BoxOf(DestinationKind::QuickLaunch));
  tips_->Set(Control(IDC_CHK_ALLUSERS), kAllUsersTip);
  ShowFolderTips();
  if (recent_[static_cast<int>(RecentList::StartMenu)].Empty()) {
    SetWindowTextW(Control(SubFolderControlsOf(RecentList::StartMenu).combo),
                   (AllUsers() ? folders_.commonPrograms : folders_.programs).c_str());
    Remember(RecentList::StartMenu);
  }
  if (recent_[static_cast<int>(RecentList::Favorites)].Empty()) {
    SetWindowTextW(Control(SubFolderControlsOf(RecentList::Favorites).combo), folders_.favorites.c_str());
    Remember(RecentList::Favorites);
  }
}

void DestinationsPanel::MakeUnavailable(int boxId) {
  CheckDlgButton(hwnd_, boxId, BST_UNCHECKED);
  EnableWindow(Control(boxId), FALSE);
}

void DestinationsPanel::ShowFolderTips() {
  const bool all = AllUsers();
  tips_->Set(Control(BoxOf(DestinationKind::Desktop)), all ? folders_.commonDesktop : folders_.desktop);
  tips_->Set(Control(BoxOf(DestinationKind::StartMenu)), WithDots(all ? folders_.commonPrograms : folders_.programs));
  tips_->Set(Control(BoxOf(DestinationKind::Startup)), all ? folders_.commonStartup : folders_.startup);
  tips_->Set(Control(BoxOf(DestinationKind::Sendto)), folders_.sendTo);
  tips_->Set(Control(BoxOf(DestinationKind::QuickLaunch)), folders_.quickLaunch);
  tips_->Set(Control(BoxOf(DestinationKind::Favorites)), WithDots(folders_.favorites));
}

ShortcutFolderStates DestinationsPanel::States() const {
  ShortcutFolderStates states;
  states.AllUsers = AllUsers();
  for (int i = 0; i < kDestinationCount; ++i) states.where[i] = Ticked(IDC_CHK_WHERE + i);
  return states;
}

void DestinationsPanel::AddRecentWrites(ProfileWrites& writes) const {
  for (const SubFolderControls& sub : kSubFolderControls) AddRecentFolderWrites(recent_[static_cast<int>(sub.list)], writes);
}

bool DestinationsPanel::AnyTicked() const {
  for (int i = 0; i < kDestinationCount; ++i)
    if (Ticked(IDC_CHK_WHERE + i)) return true;
  return false;
}

bool DestinationsPanel::AllUsers() const { return Ticked(IDC_CHK_ALLUSERS); }

void DestinationsPanel::SetTicked(int boxId, bool ticked) {
  if (Ticked(boxId) == ticked) return;
  CheckDlgButton(hwnd_, boxId, ticked ? BST_CHECKED : BST_UNCHECKED);
  BoxClicked(boxId);
}

void DestinationsPanel::ClearAll() {
  SetTicked(IDC_CHK_ALLUSERS, false);
  for (int i = 0; i < kDestinationCount; ++i) SetTicked(IDC_CHK_WHERE + i, false);
}

void DestinationsPanel::BoxClicked(int boxId) {
  if (boxId == IDC_CHK_ALLUSERS) {
    ShowFolderTips();
    return;
  }
  if (const SubFolderDestination* d = SubFolderDestinationOf(static_cast<DestinationKind>(boxId - IDC_CHK_WHERE))) {
    const SubFolderControls& sub = SubFolderControlsOf(d->list);
    const BOOL enable = Ticked(boxId);
    EnableWindow(Control(sub.combo), enable);
    EnableWindow(Control(sub.browse), enable);
    InvalidateRect(Control(sub.combo), nullptr, TRUE);
  }
  if (changed_) changed_();
}

void DestinationsPanel::SelectDestinationOfFile(const std::wstring& shortcutPath) {
  const DestinationOfFile d = FindDestinationOfFile(folders_, shortcutPath);
  if (const SubFolderDestination* sub = SubFolderDestinationOf(d.kind))
    SetWindowTextW(Control(SubFolderControlsOf(sub->list).combo), d.comboFolder.c_str());
  SetTicked(IDC_CHK_ALLUSERS, d.allUsers);
  for (int i = 0; i < kDestinationCount; ++i) SetTicked(IDC_CHK_WHERE + i, i == static_cast<int>(d.kind));
}

void DestinationsPanel::FillRequest(CreateRequest& request) const {
  for (int i = 0; i < kDestinationCount; ++i) request.ticked[i] = Ticked(IDC_CHK_WHERE + i);
  request.allUsers = AllUsers();
  for (const SubFolderControls& sub : kSubFolderControls)
    request.subFolders[static_cast<int>(sub.list)] = WindowText(Control(sub.combo));
  request.folders = folders_;
}

void DestinationsPanel::Remember(RecentList which) {
  RememberRecentFolder(recent_[static_cast<int>(which)], Control(SubFolderControlsOf(which).combo));
}

std::wstring DestinationsPanel::FolderToOpen(DestinationKind kind) const {
  if (const SubFolderDestination* sub = SubFolderDestinationOf(kind))
    return ExistingFolder(WindowText(Control(SubFolderControlsOf(sub->list).combo)));
  return FixedDestinationFolder(folders_, kind, AllUsers());
}

HBRUSH DestinationsPanel::ComboColours(HWND control, HDC dc) const {
  HWND parent = GetParent(control);
  for (const SubFolderControls& sub : kSubFolderControls) {
    HWND combo = Control(sub.combo);
    if (parent != combo && control != combo) continue;
    const bool enabled = IsWindowEnabled(combo) != FALSE;
    const int colour = enabled ? COLOR_WINDOW : COLOR_BTNFACE;
    SetBkColor(dc, GetSysColor(colour));
    SetTextColor(dc, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    return GetSysColorBrush(colour);
  }
  return nullptr;
}

}  // namespace pelmora
