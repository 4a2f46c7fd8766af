// Start-up measured as a ratio within one run, under the same system: how long Pelmora takes
// until its main window is shown and idle, and how long a window-less /AUTO run takes, each
// against the trivial dialog program built the same way.
//   launch_ratio.exe PELMORA.exe TRIVIAL.exe [ROUNDS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double Now() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

struct Search {
  DWORD pid;
  HWND found;
};

BOOL CALLBACK FindWindowOf(HWND hwnd, LPARAM data) {
  auto* s = reinterpret_cast<Search*>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == s->pid && IsWindowVisible(hwnd)) {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

// Seconds until the program's window is shown and its thread idle, or until it ends.
double Run(const std::wstring& exe, const std::wstring& args, bool waitForWindow) {
  std::wstring line = L"\"" + exe + L"\" " + args;
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  const double start = Now();
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
  double elapsed = -1;
  if (waitForWindow) {
    Search s{pi.dwProcessId, nullptr};
    for (int i = 0; i < 6000 && !s.found; ++i) {
      EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&s));
      if (!s.found) Sleep(1);
    }
    WaitForInputIdle(pi.hProcess, 10000);
    elapsed = Now() - start;
    if (s.found) PostMessageW(s.found, WM_CLOSE, 0, 0);
  } else {
    WaitForSingleObject(pi.hProcess, 30000);
    elapsed = Now() - start;
  }
  if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return elapsed;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: launch_ratio PELMORA.exe TRIVIAL.exe [ROUNDS]\n");
    return 2;
  }
  const int rounds = argc > 3 ? std::max(1, _wtoi(argv[3])) : 7;
  std::vector<double> mainWindow, trivialWindow, autoRun, trivialExit;
  Run(argv[1], L"/LNK", true);  // warm the system's caches once for both
  Run(argv[2], L"", true);
  for (int i = 0; i < rounds; ++i) {
    mainWindow.push_back(Run(argv[1], L"", true));
    trivialWindow.push_back(Run(argv[2], L"", true));
    autoRun.push_back(Run(argv[1], L"/AUTO http://127.0.0.1/ bench", false));
    trivialExit.push_back(Run(argv[2], L"/EXIT", false));
  }
  const double window = Median(mainWindow) / Median(trivialWindow);
  const double autoRatio = Median(autoRun) / Median(trivialExit);
  std::printf("main window shown and idle: %.3f s, trivial dialog %.3f s, ratio %.2f (target <= 1.5)\n",
              Median(mainWindow), Median(trivialWindow), window);
  std::printf("/AUTO run: %.3f s, trivial program %.3f s, ratio %.2f (target <= 1.3)\n", Median(autoRun),
              Median(trivialExit), autoRatio);
  return 0;
}
