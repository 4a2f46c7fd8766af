#include "shortcut/recent_folders.h"

#include <gtest/gtest.h>

#include <map>

namespace pelmora {
namespace {

using Entries = std::vector<std::wstring>;

RecentFolderList ListOf(const Entries& oldestFirst) {
  RecentFolderList list(RecentList::Free);
  for (const std::wstring& folder : oldestFirst) list.Remember(folder);
  return list;
}

TEST(RecentFolderList, RememberPutsTheFolderFirst) {
  RecentFolderList list = ListOf({L"C:\\A", L"C:\\B", L"C:\\C"});
  EXPECT_EQ(list.Entries(), (Entries{L"C:\\C", L"C:\\B", L"C:\\A"}));

  // Another letter case is the same folder: it moves to the top in the new spelling.
  list.Remember(L"c:\\a");
  EXPECT_EQ(list.Entries(), (Entries{L"c:\\a", L"C:\\C", L"C:\\B"}));

  list.Remember(L"  C:\\B  ");
  EXPECT_EQ(list.Entries(), (Entries{L"C:\\B", L"c:\\a", L"C:\\C"}));

  list.Remember(L"   ");
  EXPECT_EQ(list.Entries().size(), 3u);
}

TEST(RecentFolderList, KeepsTenDroppingTheOldest) {
  Entries folders;
  for (int i = 1; i <= 11; ++i) folders.push_back(L"D:\\Folder" + std::to_wstring(i));
  const RecentFolderList list = ListOf(folders);
  ASSERT_EQ(list.Entries().size(), kRecentFolderLimit);
  EXPECT_EQ(list.Entries().front(), L"D:\\Folder11");
  EXPECT_EQ(list.Entries().back(), L"D:\\Folder2");
}

TEST(RecentFolderList, LoadSkipsEmptyPositionsAndSaveWritesAllTen) {
  std::map<std::wstring, std::wstring> file{
      {L"Start1", L""}, {L"Start2", L"  C:\\Menu\\Tools  "}, {L"Start4", std::wstring(L"E:\\x\0junk", 9)},
      {L"Start11", L"C:\\ignored"}, {L"Free1", L"C:\\other list"}};
  RecentFolderList list(RecentList::StartMenu);
  list.Load([&](const std::wstring& key) { return file.count(key) ? file[key] : std::wstring(); });
  EXPECT_EQ(list.Entries(), (Entries{L"C:\\Menu\\Tools", L"E:\\x"}));

  std::vector<std::pair<std::wstring, std::wstring>> written;
  list.Save([&](const std::wstring& key, const std::wstring& value) { written.emplace_back(key, value); });
  ASSERT_EQ(written.size(), 10u);
  EXPECT_EQ(written[0], (std::pair<std::wstring, std::wstring>{L"Start1", L"C:\\Menu\\Tools"}));
  EXPECT_EQ(written[1], (std::pair<std::wstring, std::wstring>{L"Start2", L"E:\\x"}));
  EXPECT_EQ(written[2], (std::pair<std::wstring, std::wstring>{L"Start3", L""}));
  EXPECT_EQ(written[9], (std::pair<std::wstring, std::wstring>{L"Start10", L""}));

  EXPECT_EQ(RecentKeyPrefix(RecentList::StartMenu), L"Start");
  EXPECT_EQ(RecentKeyPrefix(RecentList::Favorites), L"Favorites");
  EXPECT_EQ(RecentKeyPrefix(RecentList::Free), L"Free");
}

TEST(DropDownWidth, GrowsToTheWidestEntryButNeverPastTwiceTheCombo) {
  EXPECT_EQ(DropDownWidth::EntryWidth(100), 108);
  EXPECT_EQ(DropDownWidth::EntryWidth(106), 114);  // 114.48
  EXPECT_EQ(DropDownWidth::EntryWidth(107), 116);  // 115.56
  EXPECT_EQ(DropDownWidth::EntryWidth(0), 0);

  DropDownWidth width;
  width.SetLimit(150);
  EXPECT_EQ(width.Limit(), 300);
  EXPECT_EQ(width.Current(), 0);
  const struct {
    int text;
    int after;
  } steps[] = {{100, 108}, {50, 108}, {200, 216}, {277, 299}, {279, 300}, {10, 300}};
  for (const auto& s : steps) {
    const int before = width.Current();
    EXPECT_EQ(width.Add(s.text), s.after) << s.text;
    EXPECT_GE(width.Current(), before);
    EXPECT_LE(width.Current(), width.Limit());
  }
}

}  // namespace
}  // namespace pelmora
