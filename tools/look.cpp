// Shows one look of Pelmora's windows for a screenshot, as the program shows it, and holds it:
//   look.exe LOOK SECONDS READY-FILE
// LOOK is one of: main, raised, pushed, help (the main window: as started, a tool button under
// the pointer or pushed, a control's help), special (the 特殊 menu), url, options, about (the
// dialogs, opened by their buttons). READY-FILE is written once the look is up; SECONDS later
// everything closes again. tools/look runs it and takes the shots.
#include <windows.h>

#include <shellapi.h>

#include <cwchar>
#include <string>

#include "app/main_window.h"
#include "app/main_window_controls.h"
#include "app/message_loop.h"
#include "resource.h"
#include "win/help_popup.h"
#include "win/ole.h"

namespace {

using namespace pelmora;

struct Look {
  std::wstring name;
  ULONGLONG holdMs = 0;
  std::wstring readyFile;
  HWND main = nullptr;
  MainWindow* window = nullptr;
  int step = 0;
  ULONGLONG readyAt = 0;
} g;

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (window != g.main && IsWindowVisible(window) && std::wstring(name) == L"#32770") {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

HWND OpenDialog() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND OpenMenu() {
  HWND menu = FindWindowW(L"#32768", nullptr);
  return menu && IsWindowVisible(menu) ? menu : nullptr;
}

void Press(int button) {
  PostMessageW(g.main, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(g.main, button)));
}

// What the user does to bring the look up.
void Act() {
  HWND tool = GetDlgItem(g.main, IDC_PIC_FLATBUTTON);
  if (g.name == L"raised" || g.name == L"pushed") {
    RECT r{};
    GetWindowRect(tool, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(tool, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    if (g.name == L"pushed") SendMessageW(tool, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  } else if (g.name == L"help") {
    SendMessageW(GetDlgItem(g.main, IDC_CHK_WHERE + 3), WM_RBUTTONUP, 0, MAKELPARAM(8, 4));
  } else if (g.name == L"special") {
    Press(IDC_BTN_SPECIAL);
  } else if (g.name == L"url") {
    Press(IDC_BTN_URL);
  } else if (g.name == L"options") {
    Press(IDC_BTN_OPTION);
  } else if (g.name == L"about") {
    Press(IDC_BTN_ABOUT);
  }
}

bool IsUp() {
  if (g.name == L"help") return HelpPopup() && IsWindowVisible(HelpPopup());
  if (g.name == L"special") return OpenMenu() != nullptr;
  if (g.name == L"url" || g.name == L"options" || g.name == L"about") return OpenDialog() != nullptr;
  return true;
}

void TakeDown() {
  if (OpenMenu()) EndMenu();
  if (HWND dialog = OpenDialog()) PostMessageW(dialog, WM_CLOSE, 0, 0);
  CloseHelpPopup();
  SendMessageW(GetDlgItem(g.main, IDC_PIC_FLATBUTTON), WM_MOUSELEAVE, 0, 0);
}

// Runs in every message loop, the menu's and the dialogs' too.
void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
  const ULONGLONG now = GetTickCount64();
  switch (g.step) {
    case 0:  // the window is whole: what follows the first paint runs now, as its timer would
      SendMessageW(g.main, WM_TIMER, kAfterShowTimer, 0);
      Act();
      g.step = 1;
      return;
    case 1:
      if (!IsUp()) return;
      g.readyAt = now;
      g.step = 2;
      return;
    case 2:  // one more tick for the paint, then the shot may be taken
      if (HANDLE file = CreateFileW(g.readyFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
          file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
      g.step = 3;
      return;
    case 3:
      if (now < g.readyAt + g.holdMs) return;
      TakeDown();
      g.step = 4;
      return;
    default:
      if (OpenMenu() || OpenDialog()) return;
      KillTimer(nullptr, timer);
      PostMessageW(g.main, WM_CLOSE, 0, 0);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int count = 0;
  wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!args || count != 4) return 2;
  g.name = args[1];
  g.holdMs = 1000ull * wcstoul(args[2], nullptr, 10);
  g.readyFile = args[3];
  LocalFree(args);
  const bool chrome = g.name == L"raised" || g.name == L"pushed" || g.name == L"help";
  g.window = MainWindow::Open(instance, SW_SHOWNORMAL, chrome ? L"C:\\windows\\notepad.exe" : L"");
  if (!g.window) return 1;
  g.main = g.window->Handle();
  SetTimer(nullptr, 0, 100, Tick);
  const int exitCode = RunMessageLoop(g.main);
  EndOle();
  return exitCode;
}
