#include "support/win/gui_driver.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include "win/help_popup.h"
#include "win/system.h"

namespace pelmora::test {

void Click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }

void Type(HWND field, const std::wstring& text) { SetWindowTextW(field, text.c_str()); }

// GetWindowText also reads the windows of another process (the program started by a test).
std::wstring TextOf(HWND window) {
  wchar_t buffer[4096] = {};
  GetWindowTextW(window, buffer, 4096);
  return buffer;
}

bool IsChecked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }
bool IsEnabled(HWND window) { return IsWindowEnabled(window) != FALSE; }

void Pick(HWND comboBox, int index) {
  SetFocus(comboBox);
  SendMessageW(comboBox, CB_SHOWDROPDOWN, TRUE, 0);
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  GetComboBoxInfo(comboBox, &info);
  SendMessageW(info.hwndList, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageW(comboBox, WM_KEYDOWN, VK_RETURN, 0);
  SendMessageW(comboBox, WM_KEYUP, VK_RETURN, 0);
}

std::pair<unsigned, unsigned> SelectionOf(HWND field) {
  DWORD start = 0, end = 0;
  SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

std::wstring TakeHelpPopup() {
  HWND popup = HelpPopup();
  if (!popup || !IsWindowVisible(popup)) return {};
  const std::wstring text = WindowText(popup);
  SendMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_FALSE(IsWindow(popup)) << "a key closes the help";
  return text;
}

namespace {
std::wstring g_caption;
std::function<void(HWND)> g_onWindow;
int g_ticks = 0;

BOOL CALLBACK FindWindowByCaption(HWND window, LPARAM found) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  if (IsWindowVisible(window) && g_caption == text) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

HWND g_open = nullptr;
UINT_PTR g_overdue = 0;
bool g_shown = false;

// A window left open would hang the test: it fails instead, and the window goes.
void CALLBACK CloseOverdue(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  g_overdue = 0;
  if (!IsWindow(g_open)) return;
  ADD_FAILURE() << "the window was still open 10 s after the test acted on it";
  EndDialog(g_open, 0);
}

void CALLBACK OnTick(HWND, UINT, UINT_PTR id, DWORD) {
  HWND window = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindWindowByCaption, reinterpret_cast<LPARAM>(&window));
  if (!window && ++g_ticks < 200) return;
  KillTimer(nullptr, id);
  if (window && g_onWindow) {
    g_shown = true;
    g_onWindow(window);
    g_open = window;
    g_overdue = SetTimer(nullptr, 0, 10000, CloseOverdue);
  }
}
}  // namespace

bool WithModalWindow(const std::wstring& caption, const std::function<void()>& action,
                     const std::function<void(HWND window)>& onWindow) {
  g_caption = caption;
  g_onWindow = onWindow;
  g_ticks = 0;
  g_shown = false;
  SetTimer(nullptr, 0, 20, OnTick);
  action();
  g_onWindow = nullptr;
  if (g_overdue) KillTimer(nullptr, g_overdue);
  g_overdue = 0;
  return g_shown;
}

void WithRealBox(const std::wstring& caption, const std::function<void()>& action,
                 const std::function<void(HWND box)>& onBox) {
  WithModalWindow(caption, action, [&onBox](HWND box) {
    if (onBox) onBox(box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
}

std::wstring ToolTipOf(HWND dialog, int id) {
  struct Search {
    HWND owner, tips;
  } search{dialog, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        wchar_t cls[64] = {};
        GetClassNameW(w, cls, 64);
        if (lstrcmpiW(cls, TOOLTIPS_CLASSW) == 0 && GetWindow(w, GW_OWNER) == s->owner) s->tips = w;
        return s->tips == nullptr;
      },
      reinterpret_cast<LPARAM>(&search));
  if (!search.tips) return L"(no tooltips)";
  wchar_t text[1024] = {};
  TTTOOLINFOW info{};
  info.cbSize = sizeof(info);
  info.hwnd = dialog;
  info.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(dialog, id));
  if (!SendMessageW(search.tips, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info))) return L"";
  info.lpszText = text;
  SendMessageW(search.tips, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&info));
  return text;
}

}  // namespace pelmora::test
