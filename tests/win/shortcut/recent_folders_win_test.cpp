#include "shortcut/recent_folders_win.h"

#include <gtest/gtest.h>

#include "settings/profile_file.h"
#include "support/win/test_env.h"

namespace pelmora {
namespace {

using test::TempFolder;

// A real drop-down combo with a font, as the main window has them.
class ComboWindow {
 public:
  explicit ComboWindow(int width) {
    test::InitWindowsOnce();
    parent_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 600, 200, nullptr, nullptr, nullptr, nullptr);
    combo_ = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | CBS_DROPDOWN, 0, 0, width, 200, parent_, nullptr,
                             nullptr, nullptr);
    SendMessageW(combo_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  }
  ~ComboWindow() { DestroyWindow(parent_); }
  HWND Handle() const { return combo_; }
  std::vector<std::wstring> Items() const {
    std::vector<std::wstring> items;
    for (int i = 0; i < SendMessageW(combo_, CB_GETCOUNT, 0, 0); ++i) {
      wchar_t item[512] = {};
      SendMessageW(combo_, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
      items.push_back(item);
    }
    return items;
  }
  std::wstring Text() const {
    wchar_t text[512] = {};
    GetWindowTextW(combo_, text, 512);
    return text;
  }

 private:
  HWND parent_ = nullptr;
  HWND combo_ = nullptr;
};

TEST(RecentFoldersWin, LoadRememberAndSaveThroughAnAnsiSettingsFile) {
  TempFolder dir{L"recent"};
  const std::wstring ini = dir / L"pelmora.ini";
  // Shift-JIS bytes, as the settings file is kept: Start1 empty, Start2 and Start5 set.
  ASSERT_TRUE(test::WriteFileBytes(ini, "[Options]\r\nNoMessage=1\r\n[RecentDir]\r\nStart1=\r\n"
                                        "Start2=  C:\\\x83\x76\x83\x8D\x83\x4F\x83\x89\x83\x80  \r\nStart5=D:\\Work\r\n"));
  ComboWindow combo(80);
  RecentFolderList list(RecentList::StartMenu);
  LoadRecentFolders(list, combo.Handle(), ini);
  EXPECT_EQ(list.Entries(), (std::vector<std::wstring>{L"C:\\プログラム", L"D:\\Work"}));
  EXPECT_EQ(combo.Items(), list.Entries());
  EXPECT_EQ(combo.Text(), L"C:\\プログラム");
  RECT rect;
  GetWindowRect(combo.Handle(), &rect);
  const int limit = list.DropDown().Limit();
  EXPECT_EQ(limit, 2 * (rect.right - rect.left));

  // The drop-down part only grows, up to the limit, which a long folder reaches.
  int previous = list.DropDown().Current();
  EXPECT_GT(previous, 0);
  for (const std::wstring& folder : {L"C:\\" + std::wstring(200, L'w'), std::wstring(L"  d:\\work  ")}) {
    SetWindowTextW(combo.Handle(), folder.c_str());
    RememberRecentFolder(list, combo.Handle());
    EXPECT_GE(list.DropDown().Current(), previous);
    previous = list.DropDown().Current();
  }
  EXPECT_EQ(previous, limit);
  EXPECT_EQ(SendMessageW(combo.Handle(), CB_GETDROPPEDWIDTH, 0, 0), limit);
  EXPECT_EQ(combo.Text(), L"d:\\work");
  EXPECT_EQ(combo.Items(), list.Entries());
  EXPECT_EQ(list.Entries().front(), L"d:\\work");

  // Saving keeps the other keys and the ANSI encoding, and writes all ten positions.
  list.Remember(L"E:\\ニュース");
  ProfileWrites writes;
  AddRecentFolderWrites(list, writes);
  ASSERT_TRUE(UpdateProfileFile(ini, writes));
  const std::string bytes = test::ReadFileBytes(ini);
  EXPECT_EQ(bytes.find('\0'), std::string::npos) << "no UTF-16";
  EXPECT_NE(bytes.find("NoMessage=1\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("Start1=E:\\\x83\x6A\x83\x85\x81\x5B\x83\x58\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("Start10=\r\n"), std::string::npos);
  RecentFolderList loaded(RecentList::StartMenu);
  LoadRecentFolders(loaded, nullptr, ini);
  EXPECT_EQ(loaded.Entries(), list.Entries());

  // A settings file made anew is ANSI too.
  ASSERT_TRUE(UpdateProfileFile(dir / L"new.ini", writes));
  EXPECT_EQ(test::ReadFileBytes(dir / L"new.ini").substr(0, 27), "[RecentDir]\r\nStart1=E:\\\x83\x6A\x83\x85");
}

}  // namespace
}  // namespace pelmora
