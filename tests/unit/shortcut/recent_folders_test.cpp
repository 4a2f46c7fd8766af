#include "shortcut/recent_folders.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using Entries = std::vector<std::wstring>;

TEST(RecentFolderList, RememberPutsTheFolderFirstInItsNewSpellingAndKeepsTen) {
  RecentFolderList list(RecentList::Free);
  for (const wchar_t* folder : {L"C:\\A", L"C:\\B", L"C:\\C", L"c:\\a", L"  C:\\B  ", L"   "}) list.Remember(folder);
  EXPECT_EQ(list.Entries(), (Entries{L"C:\\B", L"c:\\a", L"C:\\C"}));

  for (int i = 1; i <= 11; ++i) list.Remember(L"D:\\Folder" + std::to_wstring(i));
  ASSERT_EQ(list.Entries().size(), kRecentFolderLimit);
  EXPECT_EQ(list.Entries().front(), L"D:\\Folder11");
  EXPECT_EQ(list.Entries().back(), L"D:\\Folder2");
}

TEST(DropDownWidth, GrowsToTheWidestEntryButNeverPastTwiceTheCombo) {
  DropDownWidth width;
  width.SetLimit(150);
  EXPECT_EQ(width.Limit(), 300);
  // Entry widths are the text widths × 1.08, rounded: 108, 54, 216, 299.16, 301.32, 10.8.
  const struct {
    int text;
    int after;
  } steps[] = {{100, 108}, {50, 108}, {200, 216}, {277, 299}, {279, 300}, {10, 300}};
  for (const auto& s : steps) EXPECT_EQ(width.Add(s.text), s.after) << s.text;
}

}  // namespace
}  // namespace pelmora
