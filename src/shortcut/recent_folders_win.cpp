#include "shortcut/recent_folders_win.h"

#include "settings/profile_file.h"
#include "settings/settings_rules.h"
#include "text/ansi_limit.h"
#include "text/text_rules.h"
#include "win/handles.h"
#include "win/system.h"

namespace pelmora {
namespace {

// Width of a text in the combo's own font, in pixels.
int TextWidth(HWND combo, const std::wstring& text) {
  const win::WindowDC dc(combo);
  if (!dc) return 0;
  const HFONT font = reinterpret_cast<HFONT>(SendMessageW(combo, WM_GETFONT, 0, 0));
  const HGDIOBJ previous = font ? SelectObject(dc.get(), font) : nullptr;
  SIZE size{};
  GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
  if (previous) SelectObject(dc.get(), previous);
  return size.cx;
}

void FillCombo(RecentFolderList& list, HWND combo) {
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  for (const std::wstring& entry : list.Entries()) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    list.DropDown().Add(TextWidth(combo, entry));
  }
  SendMessageW(combo, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(list.DropDown().Current()), 0);
}


}  // namespace

void LoadRecentFolders(RecentFolderList& list, HWND combo, const std::wstring& settingsFile) {
  // An empty file name would mean win.ini.
  std::optional<ProfileSection> section;
  if (!settingsFile.empty()) section.emplace(settingsFile, kRecentFolderSection);
  list.Load([&](const std::wstring& key) {
    return section ? LimitToAnsiBytes(section->Value(key).value_or(L""), kProfileTextBytes) : std::wstring();
  });
  RECT rect{};
  if (combo) GetWindowRect(combo, &rect);
  list.DropDown().SetLimit(rect.right - rect.left);
  if (list.Empty() || !combo) return;
  FillCombo(list, combo);
  SetWindowTextW(combo, list.Entries().front().c_str());
}

void AddRecentFolderWrites(const RecentFolderList& list, ProfileWrites& writes) {
  list.Save([&](const std::wstring& key, const std::wstring& value) {
    writes.push_back({kRecentFolderSection, key, value});
  });
}

void RememberRecentFolder(RecentFolderList& list, HWND combo) {
  if (!combo) return;
  const std::wstring text = TrimSpaces(WindowText(combo));
  list.Remember(text);
  FillCombo(list, combo);
  SetWindowTextW(combo, text.c_str());
}

}  // namespace pelmora
