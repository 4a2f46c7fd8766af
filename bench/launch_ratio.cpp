// What a user waits for, measured as ratios within one run, under the same system, rounds
// interleaved, each action against its floor (a small program beside this one doing only the
// platform calls the action needs):
// - the main window until it is shown and idle, against Pelmora's own dialog shown by a procedure
//   that does nothing (and that floor against a one-button dialog, for the record);
// - the peak working set 1 s after the window is shown (work deferred past the first paint
//   counts), against the floor's at the same moment;
// - both again for the record against the floor making the platform calls of Pelmora's own load
//   (floor_dialog /LOAD: icons, system folders, tooltips, OLE and a drop target);
// - a window-less /AUTO run writing a real .url, against a trivial program that ends at once (and
//   against the scripting host writing the same .url through WScript.Shell, for the record);
// - 作成 with all seven destinations ticked, from the click to the summary box, against the same
//   seven links written through IShellLinkW and IPersistFile;
// - a start with a URL until the name field holds the page's title (served here, on 127.0.0.1),
//   against the floor window plus one bare WinINet GET of the same page;
// - a start with a .lnk until the form is filled, against the floor window plus one bare
//   IShellLinkW load.
// With a second Pelmora (an earlier build) the same figures are printed for it as well.
//   launch_ratio.exe PELMORA.exe [ROUNDS (at least 9, 15 unless given)] [EARLIER-PELMORA.exe]
#include <windows.h>
#include <psapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "resource.h"
#include "support/win/http_test_server.h"

namespace {

double Now() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

// Polls every millisecond until `done` holds or `seconds` have passed.
bool PollFor(double seconds, const std::function<bool()>& done) {
  const double end = Now() + seconds;
  while (!done()) {
    if (Now() > end) return false;
    Sleep(1);
  }
  return true;
}

void SleepUntil(double moment) {
  const double left = moment - Now();
  if (left > 0) Sleep(static_cast<DWORD>(left * 1000));
}

struct Search {
  DWORD pid;
  HWND except;
  HWND found;
};

BOOL CALLBACK FindDialogOf(HWND hwnd, LPARAM data) {
  auto* s = reinterpret_cast<Search*>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  wchar_t cls[16] = {};
  if (pid == s->pid && hwnd != s->except && IsWindowVisible(hwnd) && GetClassNameW(hwnd, cls, 16) &&
      lstrcmpW(cls, L"#32770") == 0) {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

// A shown dialog of the process (its main window, or a box it shows over `except`).
HWND FindDialog(DWORD pid, HWND except) {
  Search s{pid, except, nullptr};
  EnumWindows(FindDialogOf, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

std::wstring NameField(HWND window) {
  HWND field = GetDlgItem(window, IDC_TXT_SHORTCUTNAME);
  wchar_t text[512] = {};
  DWORD_PTR copied = 0;
  if (!field || !SendMessageTimeoutW(field, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 1000,
                                     &copied))
    return {};
  return text;
}

// What a run waits for, beyond its start.
struct Wait {
  bool window = true;      // its window shown and idle; otherwise until the program ends
  std::wstring name;       // and then the name field holding this text
  bool memory = false;     // the peak working set 1 s after the window was shown
  bool create = false;     // then (1 s after shown) a click on 作成, until the summary box
};

struct Measured {
  double seconds = -1;  // -1: the run did not get there
  double peakMegabytes = 0;
};

// From the click on 作成 until a box over the main window is shown; the box is answered.
double ClickCreate(const PROCESS_INFORMATION& pi, HWND main) {
  WaitForInputIdle(pi.hProcess, 10000);
  HWND button = GetDlgItem(main, IDC_BTN_CREATE);
  if (!button || !IsWindowEnabled(button)) return -1;
  const double start = Now();
  PostMessageW(main, WM_COMMAND, MAKEWPARAM(IDC_BTN_CREATE, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  HWND box = nullptr;
  if (!PollFor(30, [&] { return (box = FindDialog(pi.dwProcessId, main)) != nullptr; })) return -1;
  const double seconds = Now() - start;
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  // A box that asks (it should not) is cancelled: the run then ends as it is.
  if (!PollFor(5, [&] { return !IsWindowVisible(box); })) PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
  return seconds;
}

Measured Run(const std::wstring& exe, const std::wstring& args, const Wait& wait) {
  std::wstring line = L"\"" + exe + L"\" " + args;
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  Measured m;
  const double start = Now();
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return m;
  if (!wait.window) {
    if (WaitForSingleObject(pi.hProcess, 30000) == WAIT_OBJECT_0) m.seconds = Now() - start;
  } else {
    HWND main = nullptr;
    if (PollFor(10, [&] { return (main = FindDialog(pi.dwProcessId, nullptr)) != nullptr; })) {
      const double shown = Now();
      WaitForInputIdle(pi.hProcess, 10000);
      const bool there = wait.name.empty() || PollFor(15, [&] { return NameField(main) == wait.name; });
      if (there && !wait.create) m.seconds = Now() - start;
      if (wait.memory || wait.create) SleepUntil(shown + 1.0);
      if (wait.memory) {
        PROCESS_MEMORY_COUNTERS memory{};
        memory.cb = sizeof(memory);
        if (GetProcessMemoryInfo(pi.hProcess, &memory, sizeof(memory)))
          m.peakMegabytes = static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0);
      }
      if (there && wait.create) m.seconds = ClickCreate(pi, main);
      PostMessageW(main, WM_CLOSE, 0, 0);
    }
  }
  if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return m;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool WriteBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == bytes.size();
}

void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(path);
      else
        DeleteFileW(path.c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
}

std::wstring ShellFolder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  return SUCCEEDED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)) ? path : L"";
}

std::string Narrow(const std::wstring& text) {
  std::string bytes(text.size() * 3, '\0');
  bytes.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                                            bytes.data(), static_cast<int>(bytes.size()), nullptr,
                                                            nullptr)));
  return bytes;
}

// Everything the bench writes: a folder of its own under the temporary folder (the target, a
// shortcut to read back, the sub-folder destinations), the links 作成 writes into the fixed
// destinations of this system, and the Quick Launch folder when it had to make one.
struct BenchFiles {
  std::wstring path;
  std::wstring target, targetName, link, linkName;
  std::vector<std::wstring> destinations;  // in the order 作成 writes them
  std::vector<std::wstring> madeFolders;   // made here for a destination, removed at the end
  BenchFiles() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring id = std::to_wstring(GetCurrentProcessId());
    path = std::wstring(temp) + L"pelmora-bench-" + id;
    CreateDirectoryW(path.c_str(), nullptr);
    targetName = L"pelmora-bench-" + id;
    target = path + L"\\" + targetName + L".txt";
    WriteBytes(target, "a target for the shortcuts\r\n");
    CreateDirectoryW((path + L"\\links").c_str(), nullptr);
    linkName = L"pelmora bench link";
    link = path + L"\\links\\" + linkName + L".lnk";
    const std::wstring quickLaunch = ShellFolder(CSIDL_APPDATA) + L"\\Microsoft\\Internet Explorer\\Quick Launch";
    for (const std::wstring& folder :
         {ShellFolder(CSIDL_APPDATA) + L"\\Microsoft", ShellFolder(CSIDL_APPDATA) + L"\\Microsoft\\Internet Explorer",
          quickLaunch})
      if (CreateDirectoryW(folder.c_str(), nullptr)) madeFolders.insert(madeFolders.begin(), folder);
    destinations = {ShellFolder(CSIDL_DESKTOPDIRECTORY), path + L"\\start menu", ShellFolder(CSIDL_STARTUP),
                    ShellFolder(CSIDL_SENDTO),           quickLaunch,            path + L"\\free",
                    path + L"\\favorites"};
    for (int sub : {1, 5, 6}) CreateDirectoryW(destinations[sub].c_str(), nullptr);
  }
  ~BenchFiles() {
    RemoveCreated();
    RemoveTree(path);
    for (const std::wstring& folder : madeFolders) RemoveDirectoryW(folder.c_str());
  }
  // How many of the seven links 作成 wrote; they are removed, so that each run writes anew.
  int RemoveCreated() const {
    int found = 0;
    for (const std::wstring& folder : destinations) {
      const std::wstring file = folder + L"\\" + targetName + L".lnk";
      found += Exists(file) ? 1 : 0;
      DeleteFileW(file.c_str());
    }
    return found;
  }
  // The settings beside a Pelmora for 作成: every destination ticked and restored at start-up,
  // the sub-folder destinations in this folder, the summary shown.
  std::string CreateSettings() const {
    return "[GENERAL]\r\nCheckLocation=1\r\nNoMessage=0\r\n"
           "[ShortcutFolder]\r\nAllUsers=0\r\nDesktop=1\r\nStartMenu=1\r\nStartup=1\r\nSendto=1\r\n"
           "QuickLaunch=1\r\nFree=1\r\nFavorites=1\r\n"
           "[RecentDir]\r\nStart1=" +
           Narrow(destinations[1]) + "\r\nFree1=" + Narrow(destinations[5]) + "\r\nFavorites1=" +
           Narrow(destinations[6]) + "\r\n";
  }
};

// A shortcut to the target to be read back, written by the system's own shell link.
bool WriteLink(const BenchFiles& files) {
  IShellLinkW* link = nullptr;
  IPersistFile* file = nullptr;
  bool ok = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))) &&
            SUCCEEDED(link->QueryInterface(IID_PPV_ARGS(&file))) && SUCCEEDED(link->SetPath(files.target.c_str())) &&
            SUCCEEDED(link->SetWorkingDirectory(files.path.c_str())) &&
            SUCCEEDED(link->SetArguments(L"/bench")) && SUCCEEDED(link->SetDescription(L"a shortcut to read back")) &&
            SUCCEEDED(file->Save(files.link.c_str(), TRUE));
  if (file) file->Release();
  if (link) link->Release();
  return ok;
}

// The page whose title a start with a URL fetches: UTF-8, as most pages now are.
std::string Page() {
  std::string page =
      "<!DOCTYPE html>\n<html lang=\"ja\"><head><meta charset=\"utf-8\">\n"
      "<title>ペルモラ計測ページ</title>\n</head><body>\n";
  while (page.size() < 1500) page += "<p>ショートカットを作るための計測用のページです。</p>\n";
  return page + "</body></html>\n";
}
const wchar_t kPageTitle[] = L"ペルモラ計測ページ";

double Median(std::vector<double> v) {
  v.erase(std::remove_if(v.begin(), v.end(), [](double x) { return x <= 0; }), v.end());
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

// The rounds' own ratios, sorted; rounds where either run failed are left out.
std::vector<double> RatiosOfRounds(const std::vector<double>& a, const std::vector<double>& b) {
  std::vector<double> ratios;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
    if (a[i] > 0 && b[i] > 0) ratios.push_back(a[i] / b[i]);
  std::sort(ratios.begin(), ratios.end());
  return ratios;
}

// The median of the rounds' own ratios: a round's two runs share the moment's load, so the
// ratio is steadier than one of two medians taken apart.
double RatioOfRounds(const std::vector<double>& a, const std::vector<double>& b) {
  return Median(RatiosOfRounds(a, b));
}

enum Row { kWindow, kPeak, kWindowLoad, kPeakLoad, kAuto, kAutoWrite, kHost, kCreate, kTitle, kLink, kRows };

struct RowText {
  const char* action;
  const char* unit;
  double goal;  // 0: for the record
  Row build;    // the row of Pelmora's own figures it sets against its floor
};
constexpr RowText kRowTexts[kRows] = {
    {"main window shown and idle / floor dialog", "s", 1.05, kWindow},
    {"peak working set 1 s after shown / floor dialog", "MB", 1.10, kPeak},
    {"main window shown and idle / floor + the load's platform calls", "s", 0, kWindow},
    {"peak working set 1 s after shown / floor + the load's platform calls", "MB", 0, kPeak},
    {"/AUTO writing a .url / trivial program", "s", 1.10, kAuto},
    {"/AUTO writing a .url / trivial program writing the same .url", "s", 0, kAuto},
    {"/AUTO writing a .url / scripting host, same .url", "s", 0, kAuto},
    {"作成, 7 destinations, click to summary / 7 IShellLinkW saves", "s", 1.15, kCreate},
    {"URL start until the page title / floor + one WinINet GET", "s", 1.15, kTitle},
    {".lnk start until the form is filled / floor + one IShellLinkW load", "s", 1.15, kLink},
};

// The figures of one Pelmora build, gathered round by round.
struct Series {
  explicit Series(std::wstring program) : exe(std::move(program)) {}
  std::wstring exe;
  std::vector<double> rows[kRows];
  int failed[kRows] = {};
  void Add(Row row, double value) {
    rows[row].push_back(value);
    if (value <= 0) ++failed[row];
  }
  // The settings file beside the program: `text`, or none at all when empty.
  void Settings(const std::string& text) const {
    const std::wstring ini = exe.substr(0, exe.find_last_of(L'.')) + L".ini";
    if (text.empty())
      DeleteFileW(ini.c_str());
    else
      WriteBytes(ini, text);
  }
};

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

std::wstring Beside(const std::wstring& name) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  const std::wstring path = self;
  return path.substr(0, path.find_last_of(L'\\') + 1) + name;
}

void PrintFigure(double value, const char* unit) {
  if (value <= 0)
    std::printf("%10s", "n/a");
  else if (unit[0] == 's')
    std::printf("%8.3f s", value);
  else
    std::printf("%7.1f MB", value);
}

void PrintRatio(double ratio) {
  if (ratio <= 0)
    std::printf("  %5s", "n/a");
  else
    std::printf("  %5.2f", ratio);
}

// Where the middle half of the rounds' ratios lies: how far the median can be trusted.
void PrintSpread(const std::vector<double>& ratios) {
  if (ratios.empty())
    std::printf(" %11s", "");
  else
    std::printf("  %4.2f-%4.2f", ratios[ratios.size() / 4], ratios[ratios.size() * 3 / 4]);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: launch_ratio PELMORA.exe [ROUNDS] [EARLIER-PELMORA.exe]\n");
    return 2;
  }
  const int rounds = argc > 2 ? std::max(9, _wtoi(argv[2])) : 15;
  // BENCH_ROWS=window,auto,create,title,link measures only those actions (all when unset).
  const wchar_t* only = _wgetenv(L"BENCH_ROWS");
  auto measured = [only](const wchar_t* action) { return !only || std::wcsstr(only, action) != nullptr; };
  std::vector<Series> builds{Series(argv[1])};
  if (argc > 3) builds.emplace_back(argv[3]);
  const std::wstring floorExe = Beside(L"bench_floor_dialog.exe"), trivialExe = Beside(L"bench_trivial_dialog.exe"),
                     floorCreateExe = Beside(L"bench_floor_create.exe"),
                     floorTitleExe = Beside(L"bench_floor_title.exe"), floorLinkExe = Beside(L"bench_floor_link.exe");
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;

  int status = 0;
  {
    const BenchFiles files;
    const std::wstring script = files.path + L"\\shortcut.js";
    const std::wstring autoFile = files.path + L"\\bench.url", hostFile = files.path + L"\\host.url",
                       trivialFile = files.path + L"\\trivial.url";
    // The scripting host's way to the same file: WScript.Shell's CreateShortcut and Save.
    const bool prepared = WriteBytes(script,
                                     "var shell = WScript.CreateObject(\"WScript.Shell\");\r\n"
                                     "var link = shell.CreateShortcut(WScript.Arguments(0));\r\n"
                                     "link.TargetPath = WScript.Arguments(1);\r\n"
                                     "link.Save();\r\n") &&
                          WriteLink(files);
    const pelmora::test::HttpTestServer server(pelmora::test::HttpTestServer::Behaviour::Serve, Page(),
                                               "text/html; charset=utf-8");
    if (!prepared || !server.Started()) {
      std::fprintf(stderr, "cannot prepare the files in %ls or the page server\n", files.path.c_str());
      return 1;
    }
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring cscript = std::wstring(system) + L"\\cscript.exe";
    const std::wstring autoArgs = L"/AUTO\"" + files.path + L"\" http://127.0.0.1/ bench";
    const std::wstring trivialArgs = L"/URL\"" + trivialFile + L"\" http://127.0.0.1/";
    const std::wstring hostArgs = L"//nologo " + Quoted(script) + L" " + Quoted(hostFile) + L" http://127.0.0.1/";
    const std::wstring url = server.Url(L"/bench-page.html");
    std::wstring createFloorArgs = Quoted(files.target) + L" " + Quoted(files.targetName);
    for (const std::wstring& folder : files.destinations) createFloorArgs += L" " + Quoted(folder);
    const std::string createSettings = files.CreateSettings();
    const std::string titleSettings = "[GENERAL]\r\nGetUrlTitle=1\r\n";

    Wait window, windowAndMemory, ends, create, title, link;
    windowAndMemory.memory = true;
    ends.window = false;
    create.name = files.targetName;
    create.create = true;
    title.name = kPageTitle;
    link.name = files.linkName;
    // A run that is to write `file`: its time; the file is removed again so each run writes anew.
    auto writing = [&](const std::wstring& exe, const std::wstring& args, const std::wstring& file) {
      const double seconds = Run(exe, args, ends).seconds;
      const bool written = Exists(file);
      DeleteFileW(file.c_str());
      return written ? seconds : -1;
    };
    auto creating = [&](const std::wstring& exe, const std::wstring& args) {
      const double seconds = Run(exe, args, create).seconds;
      return files.RemoveCreated() == static_cast<int>(files.destinations.size()) ? seconds : -1;
    };

    std::vector<double> floorWindow, floorPeak, floorLoadWindow, floorLoadPeak, trivialWindow, trivialExit, trivialWrite, hostRun, floorCreate, floorTitle,
        floorLink;
    // The first round warms the system's caches for everything measured and is not counted.
    // Each action's runs come one after another, Pelmora first in even rounds and the floor
    // first in odd ones, so that neither always starts right after the other's end.
    for (int i = -1; i < rounds; ++i) {
      const bool counted = i >= 0;
      auto add = [&](std::vector<double>& v, double value) {
        if (counted) v.push_back(value);
      };
      auto inTurn = [&](const std::function<void(Series&)>& pelmora, const std::function<void()>& floor) {
        std::vector<std::function<void()>> runs;
        for (Series& b : builds) runs.emplace_back([&pelmora, build = &b] { pelmora(*build); });
        runs.push_back(floor);
        if (i % 2 != 0) std::reverse(runs.begin(), runs.end());
        for (const auto& run : runs) run();
      };
      if (measured(L"window")) {
        inTurn(
            [&](Series& b) {
              b.Settings("");
              const Measured m = Run(b.exe, L"", windowAndMemory);
              if (!counted) return;
              b.Add(kWindow, m.seconds);
              b.Add(kPeak, m.peakMegabytes);
            },
            [&] {
              const Measured f = Run(floorExe, L"", windowAndMemory);
              add(floorWindow, f.seconds);
              add(floorPeak, f.peakMegabytes);
              const Measured load = Run(floorExe, L"/LOAD", windowAndMemory);
              add(floorLoadWindow, load.seconds);
              add(floorLoadPeak, load.peakMegabytes);
            });
        add(trivialWindow, Run(trivialExe, L"", window).seconds);
      }
      if (measured(L"auto"))
        inTurn(
            [&](Series& b) {
              const double seconds = writing(b.exe, autoArgs, autoFile);
              if (!counted) return;
              b.Add(kAuto, seconds);
            },
            [&] {
              add(trivialExit, Run(trivialExe, L"/EXIT", ends).seconds);
              add(trivialWrite, writing(trivialExe, trivialArgs, trivialFile));
              add(hostRun, writing(cscript, hostArgs, hostFile));
            });
      if (measured(L"create"))
        inTurn(
            [&](Series& b) {
              b.Settings(createSettings);
              const double seconds = creating(b.exe, Quoted(files.target));
              if (counted) b.Add(kCreate, seconds);
            },
            [&] { add(floorCreate, creating(floorCreateExe, createFloorArgs)); });
      if (measured(L"title"))
        inTurn(
            [&](Series& b) {
              b.Settings(titleSettings);
              const double seconds = Run(b.exe, url, title).seconds;
              if (counted) b.Add(kTitle, seconds);
            },
            [&] { add(floorTitle, Run(floorTitleExe, url, title).seconds); });
      if (measured(L"link"))
        inTurn(
            [&](Series& b) {
              b.Settings("");
              const double seconds = Run(b.exe, Quoted(files.link), link).seconds;
              if (counted) b.Add(kLink, seconds);
            },
            [&] { add(floorLink, Run(floorLinkExe, Quoted(files.link), link).seconds); });
    }
    for (const Series& b : builds) b.Settings("");

    const std::vector<double>* floors[kRows] = {&floorWindow, &floorPeak,    &floorLoadWindow, &floorLoadPeak,
                                                &trivialExit, &trivialWrite, &hostRun,         &floorCreate,
                                                &floorTitle,  &floorLink};
    std::printf("medians of %d interleaved rounds after one warm-up round; a ratio is the median of the\n"
                "rounds' own ratios, the middle 50%% of which lie in the range beside it; ! marks a\n"
                "ratio over its goal\n\n",
                rounds);
    std::printf("%10s %10s  %5s %10s%6s", "this build", "floor", "ratio", "middle 50%", "goal");
    if (builds.size() > 1) std::printf(" | %10s  %5s", "earlier", "ratio");
    std::printf(" | action / floor\n");
    for (int r = 0; r < kRows; ++r) {
      if (floors[r]->empty()) continue;
      const RowText& text = kRowTexts[r];
      const Series& now = builds.front();
      const std::vector<double> ratios = RatiosOfRounds(now.rows[text.build], *floors[r]);
      const double ratio = Median(ratios);
      PrintFigure(Median(now.rows[text.build]), text.unit);
      std::printf(" ");
      PrintFigure(Median(*floors[r]), text.unit);
      PrintRatio(ratio);
      PrintSpread(ratios);
      if (text.goal > 0)
        std::printf(" %s%4.2f", ratio > text.goal ? "!" : " ", text.goal);
      else
        std::printf(" %5s", "-");
      if (builds.size() > 1) {
        std::printf(" | ");
        PrintFigure(Median(builds.back().rows[text.build]), text.unit);
        PrintRatio(RatioOfRounds(builds.back().rows[text.build], *floors[r]));
      }
      std::printf(" | %s\n", text.action);
    }
    if (!floorWindow.empty())
      std::printf("\nfloor dialog vs one-button dialog: %.3f s / %.3f s, ratio %.2f (for the record)\n",
                  Median(floorWindow), Median(trivialWindow), RatioOfRounds(floorWindow, trivialWindow));

    // Runs that did not get where they were to go are left out of the figures above.
    for (const Series& b : builds) {
      for (int r = 0; r < kRows; ++r) {
        if (kRowTexts[r].build != r || !b.failed[r]) continue;
        std::printf("%s: %d of %d runs failed: %s\n", &b == &builds.front() ? "this build" : "earlier build",
                    b.failed[r], rounds, kRowTexts[r].action);
        if (&b == &builds.front()) status = 1;
      }
    }
    for (int r = 0; r < kRows; ++r) {
      const int failed = static_cast<int>(std::count_if(floors[r]->begin(), floors[r]->end(), [](double x) { return x <= 0; }));
      if (failed) std::printf("floor: %d of %d runs failed: %s\n", failed, rounds, kRowTexts[r].action);
    }
  }
  CoUninitialize();
  return status;
}
