// What one of several main windows writes when it closes: options, boxes and recent folders
// that differ from every other window's, shared by the test and the writer program it starts.
#pragma once
#include <string>

#include "settings/settings_rules.h"
#include "shortcut/recent_folders.h"

namespace pelmora::test {

struct ClosingWindow {
  Settings settings;
  WindowLeftTop position;
  ShortcutFolderStates boxes;
  ProfileWrites recentFolders;
};

inline ClosingWindow ClosingWindowNumber(int n) {
  ClosingWindow w;
  const std::wstring tag = std::to_wstring(n);
  // WindowPos on in every window: all of them write the same keys, so the file of whichever
  // closes last is that window's whole state.
  w.settings.WindowPos = 1;
  w.settings.CheckLocation = n % 2;
  w.settings.NoMessage = (n / 2) % 2;
  w.settings.Comment = n % 3;
  w.settings.HtmlBuffer = 1000 + n;
  w.settings.ConnectTimeOut = 1 + n;
  w.settings.GetMp3Format = L"%T（窓" + tag + L"）";
  w.position = {10 * n, -20 * n};
  w.boxes.AllUsers = n % 2;
  for (int i = 0; i < 7; ++i) w.boxes.where[static_cast<std::size_t>(i)] = (n >> (i % 3)) & 1;
  for (const wchar_t* prefix : {L"Start", L"Favorites", L"Free"})
    for (int i = 1; i <= 10; ++i)
      w.recentFolders.push_back({kRecentFolderSection, prefix + std::to_wstring(i),
                                 i <= n + 1 ? L"C:\\書類\\窓" + tag + L"\\" + std::to_wstring(i) : L""});
  return w;
}

}  // namespace pelmora::test
