// Start-up measured as ratios within one run, under the same system, rounds interleaved:
// - the main window until it is shown and idle, against the floor (Pelmora's own dialog shown by
//   a procedure that does nothing), and the floor against a one-button dialog, for the record;
// - the peak working set of the main window against the floor's;
// - a window-less /AUTO run writing a real .url, against a trivial program that ends at once,
//   and against the scripting host writing the same .url through WScript.Shell.
// With a second Pelmora (an earlier build) the same figures are printed for it as well.
//   launch_ratio.exe PELMORA.exe FLOOR.exe TRIVIAL.exe [ROUNDS (at least 9, 15 unless given)] [EARLIER-PELMORA.exe]
#include <windows.h>
#include <psapi.h>

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

struct Measured {
  double seconds = -1;
  double peakMegabytes = 0;
};

// Until the program's window is shown and its thread idle (then it is closed), or until it ends.
Measured Run(const std::wstring& exe, const std::wstring& args, bool waitForWindow) {
  std::wstring line = L"\"" + exe + L"\" " + args;
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  Measured m;
  const double start = Now();
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return m;
  if (waitForWindow) {
    Search s{pi.dwProcessId, nullptr};
    for (int i = 0; i < 6000 && !s.found; ++i) {
      EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&s));
      if (!s.found) Sleep(1);
    }
    WaitForInputIdle(pi.hProcess, 10000);
    m.seconds = Now() - start;
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    if (GetProcessMemoryInfo(pi.hProcess, &memory, sizeof(memory)))
      m.peakMegabytes = static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0);
    if (s.found) PostMessageW(s.found, WM_CLOSE, 0, 0);
  } else {
    WaitForSingleObject(pi.hProcess, 30000);
    m.seconds = Now() - start;
  }
  if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return m;
}

// A folder of its own under the temporary folder, removed with its files at the end.
struct BenchFolder {
  std::wstring path;
  BenchFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    path = std::wstring(temp) + L"pelmora-bench-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(path.c_str(), nullptr);
  }
  ~BenchFolder() {
    for (const wchar_t* name : {L"\\bench.url", L"\\host.url", L"\\shortcut.js"}) DeleteFileW((path + name).c_str());
    RemoveDirectoryW(path.c_str());
  }
};

// The scripting host's way to the same file: WScript.Shell's CreateShortcut and Save.
bool WriteScript(const std::wstring& path) {
  const char script[] =
      "var shell = WScript.CreateObject(\"WScript.Shell\");\r\n"
      "var link = shell.CreateShortcut(WScript.Arguments(0));\r\n"
      "link.TargetPath = WScript.Arguments(1);\r\n"
      "link.Save();\r\n";
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(file, script, sizeof(script) - 1, &written, nullptr);
  CloseHandle(file);
  return ok && written == sizeof(script) - 1;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

// The median of the rounds' own ratios: a round's two runs share the moment's load, so the
// ratio is steadier than one of two medians taken apart.
double RatioOfRounds(const std::vector<double>& a, const std::vector<double>& b) {
  std::vector<double> ratios;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
    if (b[i] > 0) ratios.push_back(a[i] / b[i]);
  return Median(ratios);
}

// The figures of one Pelmora build, gathered round by round.
struct Series {
  std::wstring exe;
  std::vector<double> window, windowPeak, autoRun;
  int autoMissing = 0;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: launch_ratio PELMORA.exe FLOOR.exe TRIVIAL.exe [ROUNDS] [EARLIER-PELMORA.exe]\n");
    return 2;
  }
  const std::wstring floorExe = argv[2], trivialExe = argv[3];
  const int rounds = argc > 4 ? std::max(9, _wtoi(argv[4])) : 15;
  std::vector<Series> builds{{argv[1]}};
  if (argc > 5) builds.push_back({argv[5]});

  const BenchFolder folder;
  const std::wstring script = folder.path + L"\\shortcut.js";
  const std::wstring autoFile = folder.path + L"\\bench.url", hostFile = folder.path + L"\\host.url";
  if (!WriteScript(script)) {
    std::fprintf(stderr, "cannot write the script into %ls\n", folder.path.c_str());
    return 1;
  }
  wchar_t system[MAX_PATH] = {};
  GetSystemDirectoryW(system, MAX_PATH);
  const std::wstring cscript = std::wstring(system) + L"\\cscript.exe";
  const std::wstring autoArgs = L"/AUTO\"" + folder.path + L"\" http://127.0.0.1/ bench";
  const std::wstring hostArgs = L"//nologo \"" + script + L"\" \"" + hostFile + L"\" http://127.0.0.1/";
  // A run that is to write `file`: its time; the file is removed again so each run writes anew.
  auto writing = [](const std::wstring& exe, const std::wstring& args, const std::wstring& file, int& missing) {
    const double seconds = Run(exe, args, false).seconds;
    if (GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES) ++missing;
    DeleteFileW(file.c_str());
    return seconds;
  };

  // Warm the system's caches once for everything measured.
  int ignored = 0;
  for (const Series& b : builds) {
    Run(b.exe, L"", true);
    writing(b.exe, autoArgs, autoFile, ignored);
  }
  Run(floorExe, L"", true);
  Run(trivialExe, L"", true);
  writing(cscript, hostArgs, hostFile, ignored);

  std::vector<double> floorWindow, floorPeak, trivialWindow, trivialExit, hostRun;
  int hostMissing = 0;
  for (int i = 0; i < rounds; ++i) {
    for (Series& b : builds) {
      const Measured m = Run(b.exe, L"", true);
      b.window.push_back(m.seconds);
      b.windowPeak.push_back(m.peakMegabytes);
    }
    const Measured f = Run(floorExe, L"", true);
    floorWindow.push_back(f.seconds);
    floorPeak.push_back(f.peakMegabytes);
    trivialWindow.push_back(Run(trivialExe, L"", true).seconds);
    for (Series& b : builds) b.autoRun.push_back(writing(b.exe, autoArgs, autoFile, b.autoMissing));
    trivialExit.push_back(Run(trivialExe, L"/EXIT", false).seconds);
    hostRun.push_back(writing(cscript, hostArgs, hostFile, hostMissing));
  }

  std::printf("medians of %d interleaved rounds\n", rounds);
  std::printf("(times are medians; a ratio is the median of the rounds' own ratios)\n");
  std::printf("floor vs one-button dialog: %.3f s / %.3f s, ratio %.2f (for the record)\n", Median(floorWindow),
              Median(trivialWindow), RatioOfRounds(floorWindow, trivialWindow));
  int missing = 0;
  for (const Series& b : builds) {
    const char* which = &b == &builds.front() ? "this build" : "earlier build";
    std::printf("%s:\n", which);
    std::printf("  main window vs floor: %.3f s / %.3f s, ratio %.2f (goal <= 1.15)\n", Median(b.window),
                Median(floorWindow), RatioOfRounds(b.window, floorWindow));
    std::printf("  peak working set vs floor: %.1f MB / %.1f MB, ratio %.2f (goal <= 1.2)\n", Median(b.windowPeak),
                Median(floorPeak), RatioOfRounds(b.windowPeak, floorPeak));
    std::printf("  /AUTO writing a .url vs trivial program: %.3f s / %.3f s, ratio %.2f (goal <= 1.3)\n",
                Median(b.autoRun), Median(trivialExit), RatioOfRounds(b.autoRun, trivialExit));
    std::printf("  /AUTO vs the scripting host writing the same .url: %.3f s / %.3f s, ratio %.2f\n",
                Median(b.autoRun), Median(hostRun), RatioOfRounds(b.autoRun, hostRun));
    if (b.autoMissing) std::printf("  /AUTO runs that wrote no file: %d of %d\n", b.autoMissing, rounds);
    missing += &b == &builds.front() ? b.autoMissing : 0;
  }
  if (hostMissing) std::printf("scripting-host runs that wrote no file: %d of %d\n", hostMissing, rounds);
  return missing ? 1 : 0;
}
