#include "shortcut/recent_folders.h"

#include <gtest/gtest.h>

#include <map>

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

// Keys are read and written in position order under the list's own prefix; empty positions are
// skipped when loading and written empty beyond the list when saving.
TEST(RecentFolderList, LoadAndSaveThroughTheTenKeys) {
  using namespace std::string_literals;
  const struct {
    RecentList which;
    std::map<std::wstring, std::wstring> stored;
    Entries loaded;
  } cases[] = {
      {RecentList::StartMenu, {{L"Start1", L""}, {L"Start2", L"  C:\\B  "}, {L"Start5", L"D:\\E"}},
       {L"C:\\B", L"D:\\E"}},
      {RecentList::Favorites, {{L"Favorites10", L"F:\\Last"}, {L"Favorites11", L"F:\\Beyond"}, {L"Start1", L"x"}},
       {L"F:\\Last"}},
      {RecentList::Free, {{L"Free3", L"G:\\a\0garbage"s}, {L"Free4", L"   "}, {L"Free1", L"G:\\z"}},
       {L"G:\\z", L"G:\\a"}},
  };
  for (const auto& c : cases) {
    RecentFolderList list(c.which);
    std::vector<std::wstring> asked;
    list.Load([&](const std::wstring& key) {
      asked.push_back(key);
      const auto it = c.stored.find(key);
      return it == c.stored.end() ? std::wstring() : it->second;
    });
    EXPECT_EQ(list.Entries(), c.loaded);

    std::vector<std::wstring> keys;
    for (int i = 1; i <= 10; ++i) keys.push_back(list.KeyPrefix() + std::to_wstring(i));
    EXPECT_EQ(asked, keys);
    std::vector<std::pair<std::wstring, std::wstring>> written;
    list.Save([&](const std::wstring& key, const std::wstring& value) { written.emplace_back(key, value); });
    ASSERT_EQ(written.size(), 10u);
    for (std::size_t i = 0; i < written.size(); ++i) {
      EXPECT_EQ(written[i].first, keys[i]);
      EXPECT_EQ(written[i].second, i < c.loaded.size() ? c.loaded[i] : L"");
    }
  }
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
