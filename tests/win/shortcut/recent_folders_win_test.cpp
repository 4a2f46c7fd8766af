#include "shortcut/recent_folders_win.h"

#include <gtest/gtest.h>

#include "support/win/test_env.h"

namespace pelmora {
namespace {

using test::TempFolder;

// A real drop-down combo in the dialog font, as the main window has them.
class ComboWindow {
 public:
  explicit ComboWindow(int width) {
    test::InitWindowsOnce();
    parent_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 600, 200, nullptr, nullptr, nullptr, nullptr);
    combo_ = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | CBS_DROPDOWN | CBS_AUTOHSCROLL, 10, 10, width, 200,
                             parent_, nullptr, nullptr, nullptr);
    SendMessageW(combo_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  }
  ~ComboWindow() { DestroyWindow(parent_); }
  HWND Handle() const { return combo_; }
  std::vector<std::wstring> Items() const {
    std::vector<std::wstring> items;
    const int count = static_cast<int>(SendMessageW(combo_, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      std::wstring item(static_cast<size_t>(SendMessageW(combo_, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
      item.resize(static_cast<size_t>(SendMessageW(combo_, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()))));
      items.push_back(item);
    }
    return items;
  }
  std::wstring Text() const {
    wchar_t text[1024] = {};
    GetWindowTextW(combo_, text, 1024);
    return text;
  }
  void SetText(const std::wstring& text) { SetWindowTextW(combo_, text.c_str()); }

 private:
  HWND parent_ = nullptr;
  HWND combo_ = nullptr;
};

TEST(RecentFoldersWin, LoadsAnAnsiSettingsFileIntoTheCombo) {
  TempFolder dir{L"recent"};
  const std::wstring ini = dir / L"pelmora.ini";
  // Shift-JIS bytes, as the settings file is kept: Start1 empty, Start2 and Start5 set.
  ASSERT_TRUE(test::WriteFileBytes(ini,
                                   "[Options]\r\nNoMessage=1\r\n[RecentDir]\r\nStart1=\r\n"
                                   "Start2=  C:\\\x83\x76\x83\x8D\x83\x4F\x83\x89\x83\x80\\Tools  \r\n"
                                   "Start5=D:\\Work\r\nFree1=E:\\Elsewhere\r\n"));
  ComboWindow combo(120);
  RecentFolderList list(RecentList::StartMenu);
  LoadRecentFolders(list, combo.Handle(), ini);

  const std::vector<std::wstring> expected{L"C:\\プログラム\\Tools", L"D:\\Work"};
  EXPECT_EQ(list.Entries(), expected);
  EXPECT_EQ(combo.Items(), expected);
  EXPECT_EQ(combo.Text(), expected.front());
  RECT rect;
  GetWindowRect(combo.Handle(), &rect);
  EXPECT_EQ(list.DropDown().Limit(), 2 * (rect.right - rect.left));
  EXPECT_GT(list.DropDown().Current(), 0);

  // An empty list leaves the combo alone.
  ComboWindow other(120);
  other.SetText(L"typed");
  RecentFolderList favorites(RecentList::Favorites);
  LoadRecentFolders(favorites, other.Handle(), ini);
  EXPECT_TRUE(favorites.Empty());
  EXPECT_EQ(other.Text(), L"typed");
}

TEST(RecentFoldersWin, RememberRefillsTheComboAndTheDropDownNeverShrinksOrPassesTheLimit) {
  TempFolder dir{L"recent"};
  ComboWindow combo(80);
  RecentFolderList list(RecentList::Free);
  LoadRecentFolders(list, combo.Handle(), dir / L"missing.ini");
  ASSERT_TRUE(list.Empty());
  const int limit = list.DropDown().Limit();
  ASSERT_GT(limit, 0);

  int previous = 0;
  const std::wstring folders[] = {L"C:\\a", L"C:\\" + std::wstring(200, L'w'), L"C:\\b", L"  c:\\A  "};
  for (const std::wstring& folder : folders) {
    combo.SetText(folder);
    RememberRecentFolder(list, combo.Handle());
    EXPECT_GE(list.DropDown().Current(), previous);
    EXPECT_LE(list.DropDown().Current(), limit);
    previous = list.DropDown().Current();
  }
  EXPECT_EQ(previous, limit);  // the long entry reached the limit
  EXPECT_GE(static_cast<int>(SendMessageW(combo.Handle(), CB_GETDROPPEDWIDTH, 0, 0)), limit);
  EXPECT_EQ(combo.Text(), L"c:\\A");
  EXPECT_EQ(combo.Items(), (std::vector<std::wstring>{L"c:\\A", L"C:\\b", L"C:\\" + std::wstring(200, L'w')}));
}

TEST(RecentFoldersWin, SavedListsKeepTheSettingsFileAnsi) {
  TempFolder dir{L"recent"};
  const std::wstring ini = dir / L"pelmora.ini";
  RecentFolderList list(RecentList::Favorites);
  list.Remember(L"C:\\Old");
  list.Remember(L"C:\\お気に入り\\ニュース");
  SaveRecentFolders(list, ini);

  const std::string bytes = test::ReadFileBytes(ini);
  ASSERT_FALSE(bytes.empty());
  EXPECT_NE(bytes.substr(0, 2), "\xFF\xFE") << "no UTF-16 byte-order mark";
  EXPECT_EQ(bytes.find('\0'), std::string::npos) << "no UTF-16 text";
  EXPECT_NE(bytes.find("[RecentDir]\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("Favorites1=C:\\\x82\xA8\x8B\x43\x82\xC9\x93\xFC\x82\xE8\\\x83\x6A\x83\x85\x81\x5B\x83\x58\r\n"),
            std::string::npos);
  EXPECT_NE(bytes.find("Favorites2=C:\\Old\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("Favorites3=\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("Favorites10=\r\n"), std::string::npos);

  // Saving again over the existing file keeps its other keys and its encoding; a fresh load
  // reads back what was saved.
  ASSERT_TRUE(WritePrivateProfileStringW(L"Options", L"NoMessage", L"1", ini.c_str()));
  list.Remember(L"D:\\新しい");
  SaveRecentFolders(list, ini);
  const std::string again = test::ReadFileBytes(ini);
  EXPECT_EQ(again.find('\0'), std::string::npos);
  EXPECT_NE(again.find("NoMessage=1\r\n"), std::string::npos);
  RecentFolderList loaded(RecentList::Favorites);
  ComboWindow combo(100);
  LoadRecentFolders(loaded, combo.Handle(), ini);
  EXPECT_EQ(loaded.Entries(), list.Entries());
}

}  // namespace
}  // namespace pelmora
