// Shows one look of Pelmora's windows for a screenshot, as the program shows it, and holds it:
//   look.exe LOOK SECONDS READY-FILE
// LOOK is one of: main, raised, pushed, help (the main window: as started, a tool button under
// the pointer or pushed, a control's help), special (the 特殊 menu), url, options, about (the
// dialogs, opened by their buttons), batch, batchlist, overwrite, summary (the window started
// with several files, as Send To starts it: as it opens, the list of its items, the question
// before a file is replaced, the summary after 作成). READY-FILE is written once the look is up;
// SECONDS later everything closes again. tools/look runs it and takes the shots.
#include <windows.h>

#include <shellapi.h>

#include <cwchar>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/main_window_controls.h"
#include "app/message_loop.h"
#include "resource.h"
#include "win/help_popup.h"
#include "win/ole.h"
#include "win/system.h"

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

// The files a batch look hands over, in a folder of the temporary folder, and the folder its
// shortcuts go to; removed at the end.
struct BatchFiles {
  std::wstring folder, out;
  std::vector<std::wstring> items;
  bool Used() const { return !folder.empty(); }
  void Make() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    folder = std::wstring(temp) + L"pelmora-look";
    out = folder + L"\\作成先";
    CreateDirectoryW(folder.c_str(), nullptr);
    CreateDirectoryW(out.c_str(), nullptr);
    for (const wchar_t* name : {L"報告書 2027.txt", L"議事録.txt", L"写真 01.jpg", L"予定表.xlsx", L"メモ.txt", L"地図.png"}) {
      items.push_back(folder + L"\\" + name);
      Touch(items.back());
    }
    items.push_back(folder + L"\\無い.txt");
    items.push_back(folder + L"\\移動済み 3.doc");
    // The second file's shortcut is there already: the overwrite look asks about it.
    Touch(out + L"\\議事録.lnk");
  }
  std::wstring CommandLine() const {
    std::wstring line;
    for (const std::wstring& item : items) line += L"\"" + item + L"\" ";
    return line;
  }
  static void Touch(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  }
  void Remove() const {
    if (!Used()) return;
    for (const std::wstring& dir : {out, folder}) {
      WIN32_FIND_DATAW data;
      HANDLE find = FindFirstFileW((dir + L"\\*").c_str(), &data);
      if (find != INVALID_HANDLE_VALUE) {
        do DeleteFileW((dir + L"\\" + data.cFileName).c_str());
        while (FindNextFileW(find, &data));
        FindClose(find);
      }
      RemoveDirectoryW(dir.c_str());
    }
  }
} g_batch;

bool IsBatchLook(const std::wstring& name) {
  return name == L"batch" || name == L"batchlist" || name == L"overwrite" || name == L"summary";
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
  } else if (g.name == L"batchlist") {
    Press(IDC_LBL_BATCH);
  } else if (g.name == L"overwrite" || g.name == L"summary") {
    // Every file into the look's folder; only the overwrite look finds one there already.
    if (g.name == L"summary") DeleteFileW((g_batch.out + L"\\議事録.lnk").c_str());
    HWND free = GetDlgItem(g.main, IDC_CHK_WHERE + static_cast<int>(DestinationKind::Free));
    if (SendMessageW(free, BM_GETCHECK, 0, 0) != BST_CHECKED) SendMessageW(free, BM_CLICK, 0, 0);
    SetDlgItemTextW(g.main, IDC_CMB_FREEPATH, g_batch.out.c_str());
    Press(IDC_BTN_CREATE);
  }
}

bool IsUp() {
  if (g.name == L"help") return HelpPopup() && IsWindowVisible(HelpPopup());
  if (g.name == L"special") return OpenMenu() != nullptr;
  if (g.name == L"url" || g.name == L"options" || g.name == L"about" || g.name == L"batchlist" ||
      g.name == L"overwrite" || g.name == L"summary")
    return OpenDialog() != nullptr;
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
      if (OpenMenu()) return;
      // A question closed may bring up the next box (a batch's summary after its Cancel).
      if (HWND dialog = OpenDialog()) {
        PostMessageW(dialog, WM_CLOSE, 0, 0);
        return;
      }
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
  if (IsBatchLook(g.name)) g_batch.Make();
  g.window = MainWindow::Open(instance, SW_SHOWNORMAL,
                              g_batch.Used() ? g_batch.CommandLine() : chrome ? L"C:\\windows\\notepad.exe" : L"");
  if (!g.window) return 1;
  g.main = g.window->Handle();
  SetTimer(nullptr, 0, 100, Tick);
  const int exitCode = RunMessageLoop(g.main);
  EndOle();
  g_batch.Remove();
  return exitCode;
}
