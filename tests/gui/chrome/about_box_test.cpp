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

// The version with its revision only when there is one; the address and the icon open the home
// page; Enter (OK has the focus, not the link) and Esc close the box.
TEST(AboutBox, VersionCopyrightAndTheHomePage) {
  test::InitWindowsOnce();
  test::RecordedLaunches launches;
  const struct {
    ProgramInfo info;
    const wchar_t* version;
    WPARAM closingKey;
  } cases[] = {
      {{L"ペルモラ", L"Copyright (C) 2026 ペルモラの作者", 2, 9, 3}, L"2.09.3", VK_RETURN},
      {{L"ペルモラ", L"Copyright (C) 2026 ペルモラの作者", 2, 9, 0}, L"2.09", VK_ESCAPE},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(test::WithModalWindow(
        kCaption, [&] { ShowAboutBox(nullptr, c.info); },
        [&](HWND box) {
          EXPECT_EQ(TextOf(GetDlgItem(box, IDC_LBL_MYVER)), c.version);
          EXPECT_EQ(TextOf(GetDlgItem(box, IDC_LBL_COPYRIGHT)), c.info.legalCopyright);
          EXPECT_TRUE(SendDlgItemMessageW(box, IDC_IMG_ABOUT, STM_GETICON, 0, 0)) << "the program icon";
          EXPECT_EQ(GetFocus(), GetDlgItem(box, IDOK));
          ClickAt(GetDlgItem(box, IDC_LBL_HP), 4, 4);
          ClickAt(GetDlgItem(box, IDC_IMG_ABOUT), 4, 4);
          PostMessageW(GetDlgItem(box, IDOK), WM_KEYDOWN, c.closingKey, 0);
        }));
  }
  ASSERT_EQ(launches.Requests().size(), 4u);
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
        wchar_t version[32];  // the build's version, as "1.02" or "1.02.3"
        const int n = swprintf(version, 32, L"%u.%02u", PELMORA_VERSION_MAJOR, PELMORA_VERSION_MINOR);
        if (PELMORA_VERSION_PATCH > 0) swprintf(version + n, 32 - n, L".%u", PELMORA_VERSION_PATCH);
        EXPECT_EQ(TextOf(GetDlgItem(box, IDC_LBL_MYVER)), version);
        EXPECT_EQ(TextOf(GetDlgItem(box, IDC_LBL_COPYRIGHT)), L"Copyright (C) 2026 Pelmora developers");
        IDataObject* drop = test::MakeTextDrop(L"http://example.com/");
        EXPECT_EQ(test::DropOn(s.DropTarget(), drop), static_cast<DWORD>(DROPEFFECT_NONE));
        drop->Release();
        test::Click(GetDlgItem(box, IDOK));
      }));
  EXPECT_TRUE(s.IsOpen());
}

}  // namespace
}  // namespace pelmora
