// The About box, on its own and opened from the main window.
#include "app/about_box.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "resource.h"
#include "version.h"
#include "win/message_box.h"
#include "support/win/data_object.h"
#include "support/win/gui_driver.h"
#include "support/win/main_window_fixture.h"
#include "support/win/test_env.h"

namespace pelmora {
namespace {

using test::TextOf;

constexpr wchar_t kCaption[] = L"ペルモラ バージョン情報";

void ClickAt(HWND control, int x, int y) {
  SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

TEST(AboutBox, ShowsTheVersionWithItsRevisionOnlyWhenThereIsOne) {
  test::InitWindowsOnce();
  const struct {
    ProgramInfo info;
    const wchar_t* version;
  } cases[] = {
      {{L"ペルモラ", L"Copyright (C) 2026 ペルモラの作者", 2, 9, 3}, L"2.09.3"},
      {{L"ペルモラ", L"Copyright (C) 2026 ペルモラの作者", 2, 9, 0}, L"2.09"},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(test::WithModalWindow(
        kCaption, [&] { ShowAboutBox(nullptr, c.info); },
        [&](HWND box) {
          EXPECT_EQ(TextOf(GetDlgItem(box, IDC_LBL_MYVER)), c.version);
          EXPECT_EQ(TextOf(GetDlgItem(box, IDC_LBL_COPYRIGHT)), c.info.legalCopyright);
          EXPECT_EQ(TextOf(GetDlgItem(box, IDC_LBL_ABOUT_NAME)), L"ペルモラ");
          EXPECT_TRUE(SendDlgItemMessageW(box, IDC_IMG_ABOUT, STM_GETICON, 0, 0)) << "the program icon";
          EXPECT_EQ(GetFocus(), GetDlgItem(box, IDOK)) << "Enter closes it rather than opening the page";
          PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
        }));
  }
}

TEST(AboutBox, TheAddressAndTheIconOpenTheHomePage) {
  test::InitWindowsOnce();
  test::RecordedLaunches launches;
  EXPECT_TRUE(test::WithModalWindow(
      kCaption, [] { ShowAboutBox(nullptr, {}); },
      [](HWND box) {
        ClickAt(GetDlgItem(box, IDC_LBL_HP), 4, 4);
        ClickAt(GetDlgItem(box, IDC_IMG_ABOUT), 4, 4);
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
      }));
  ASSERT_EQ(launches.Requests().size(), 2u);
  for (const LaunchRequest& request : launches.Requests()) {
    EXPECT_EQ(request.kind, LaunchRequest::Shell);
    EXPECT_EQ(request.text, L"https://www.pelmora.jp/");
  }
}

// From the main window: the program's own version information, nothing dropped meanwhile, and
// message boxes centre on the box while it is active.
TEST(AboutBox, OpenedFromTheMainWindowWithItsOwnVersionInformation) {
  test::MainWindowSession s;
  EXPECT_TRUE(test::WithModalWindow(
      kCaption, [&] { test::Click(s.Control(IDC_BTN_ABOUT)); },
      [&](HWND box) {
        wchar_t version[32];
        swprintf(version, 32, L"%u.%02u", PELMORA_VERSION_MAJOR, PELMORA_VERSION_MINOR);
        if (PELMORA_VERSION_PATCH > 0) swprintf(version, 32, L"%ls.%u", std::wstring(version).c_str(), PELMORA_VERSION_PATCH);
        EXPECT_EQ(TextOf(GetDlgItem(box, IDC_LBL_MYVER)), version);
        EXPECT_EQ(TextOf(GetDlgItem(box, IDC_LBL_COPYRIGHT)), L"Copyright (C) 2026 Pelmora developers");
        EXPECT_EQ(MessageBoxOwner(), box);
        IDataObject* drop = test::MakeTextDrop(L"http://example.com/");
        EXPECT_EQ(test::DropOn(s.Window().DropTargetObject(), drop), static_cast<DWORD>(DROPEFFECT_NONE));
        drop->Release();
        test::Click(GetDlgItem(box, IDOK));
      }));
  EXPECT_TRUE(s.IsOpen());
}

}  // namespace
}  // namespace pelmora
