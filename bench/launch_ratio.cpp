// Start-up measured as a ratio within one run, under the same system: how long Pelmora takes
// until its main window is shown and idle, and how long a window-less /AUTO run takes to write a
// real .url into a temporary folder, each against the trivial dialog program built the same way;
// and /AUTO against the scripting host writing the same .url through WScript.Shell.
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

// A run that is to write `file`: its time, and whether the file was there afterwards (it is
// removed again so that every run writes a new file).
double RunWriting(const std::wstring& exe, const std::wstring& args, const std::wstring& file, int& missing) {
  const double elapsed = Run(exe, args, false);
  if (GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES) ++missing;
  DeleteFileW(file.c_str());
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

  std::vector<double> mainWindow, trivialWindow, autoRun, trivialExit, hostRun;
  int autoMissing = 0, hostMissing = 0;
  Run(argv[1], L"/LNK", true);  // warm the system's caches once for each
  Run(argv[2], L"", true);
  RunWriting(cscript, hostArgs, hostFile, hostMissing);
  hostMissing = 0;
  for (int i = 0; i < rounds; ++i) {
    mainWindow.push_back(Run(argv[1], L"", true));
    trivialWindow.push_back(Run(argv[2], L"", true));
    autoRun.push_back(RunWriting(argv[1], autoArgs, autoFile, autoMissing));
    trivialExit.push_back(Run(argv[2], L"/EXIT", false));
    hostRun.push_back(RunWriting(cscript, hostArgs, hostFile, hostMissing));
  }
  std::printf("main window shown and idle: %.3f s, trivial dialog %.3f s, ratio %.2f (target <= 1.5)\n",
              Median(mainWindow), Median(trivialWindow), Median(mainWindow) / Median(trivialWindow));
  std::printf("/AUTO writing a .url: %.3f s, trivial program %.3f s, ratio %.2f (target <= 1.3)\n", Median(autoRun),
              Median(trivialExit), Median(autoRun) / Median(trivialExit));
  std::printf("/AUTO against the scripting host writing the same .url (WScript.Shell): %.3f s, ratio %.2f\n",
              Median(hostRun), Median(autoRun) / Median(hostRun));
  if (autoMissing || hostMissing)
    std::printf("runs that wrote no file: /AUTO %d, scripting host %d of %d\n", autoMissing, hostMissing, rounds);
  return autoMissing ? 1 : 0;
}
