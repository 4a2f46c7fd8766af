// A batch against single targets, measured within one run on the real main window, rounds
// interleaved after a warm-up:
// - 200 local files handed over at once (as Explorer's Send To does) and created into two
//   destinations, against a single target created into the same two: time per shortcut;
// - meanwhile a second thread asks the window for an answer (WM_NULL) every ~20 ms: the worst
//   wait during the batches is printed (the window is to answer within 100 ms throughout).
//   batch_ratio.exe [ROUNDS (at least 3, 5 unless given)]
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/message_loop.h"
#include "app/overwrite_question.h"
#include "resource.h"
#include "win/message_box.h"
#include "win/system.h"

namespace {

using namespace pelmora;

constexpr int kFiles = 200;
constexpr int kSingleRuns = 9;

double Now() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

// The files, and the two destination folders, under the temporary folder; removed at the end.
struct BenchFolders {
  std::wstring root, files, free, start;
  std::vector<std::wstring> items;
  BenchFolders() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    root = std::wstring(temp) + L"pelmora-batch-bench-" + std::to_wstring(GetCurrentProcessId());
    files = root + L"\\資料 files";
    free = root + L"\\free";
    start = root + L"\\start";
    for (const std::wstring& folder : {root, files, free, start}) CreateDirectoryW(folder.c_str(), nullptr);
    for (int i = 0; i < kFiles; ++i) {
      items.push_back(files + L"\\メモ " + std::to_wstring(i) + L".txt");
      HANDLE file = CreateFileW(items.back().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
      if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }
  }
  ~BenchFolders() {
    Empty(free);
    Empty(start);
    Empty(files);
    for (const std::wstring& folder : {free, start, files, root}) RemoveDirectoryW(folder.c_str());
  }
  // Removes the files of `folder`; returns how many there were.
  static int Empty(const std::wstring& folder) {
    int count = 0;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do {
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
      DeleteFileW((folder + L"\\" + data.cFileName).c_str());
      ++count;
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return count;
  }
};

// Runs what is queued, as the program's loop does, until the window has gone.
void Close(HWND window) {
  SendMessageW(window, WM_CLOSE, 0, 0);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    if (msg.message != WM_QUIT) DispatchProgramMessage(window, msg);
}

// The main window with `commandLine`, Free and StartMenu ticked with the bench's two folders.
HWND OpenWindow(const std::wstring& commandLine, const BenchFolders& folders) {
  const MainWindow* window = MainWindow::Open(GetModuleHandleW(nullptr), SW_SHOWNORMAL, commandLine);
  if (!window) return nullptr;
  HWND hwnd = window->Handle();
  for (DestinationKind kind : {DestinationKind::Free, DestinationKind::StartMenu}) {
    HWND box = GetDlgItem(hwnd, IDC_CHK_WHERE + static_cast<int>(kind));
    if (SendMessageW(box, BM_GETCHECK, 0, 0) != BST_CHECKED) SendMessageW(box, BM_CLICK, 0, 0);
  }
  SetDlgItemTextW(hwnd, IDC_CMB_FREEPATH, folders.free.c_str());
  SetDlgItemTextW(hwnd, IDC_CMB_STARTMENUPATH, folders.start.c_str());
  return hwnd;
}

// One target typed into the form, created again and again: the median time of one 作成.
double SingleCreate(const BenchFolders& folders, int& written) {
  HWND hwnd = OpenWindow(L"", folders);
  if (!hwnd) return 0;
  SetDlgItemTextW(hwnd, IDC_TXT_LNKPATH, folders.items.front().c_str());
  SetDlgItemTextW(hwnd, IDC_TXT_SHORTCUTNAME, L"ひとつ");
  std::vector<double> times;
  for (int i = 0; i < kSingleRuns; ++i) {
    BenchFolders::Empty(folders.free);
    BenchFolders::Empty(folders.start);
    const double start = Now();
    SendDlgItemMessageW(hwnd, IDC_BTN_CREATE, BM_CLICK, 0, 0);  // the whole command runs inside
    times.push_back(Now() - start);
    written += BenchFolders::Empty(folders.free) + BenchFolders::Empty(folders.start);
  }
  Close(hwnd);
  return Median(times);
}

// Asks the window for an answer every ~20 ms and keeps the longest wait.
struct Watch {
  HWND window = nullptr;
  std::atomic<bool> stop{false};
  double worst = 0;
  int asked = 0;
  int slow = 0;  // answers that took longer than 100 ms
};

DWORD WINAPI WatchWindow(void* data) {
  auto* watch = static_cast<Watch*>(data);
  while (!watch->stop) {
    const double start = Now();
    DWORD_PTR result = 0;
    SendMessageTimeoutW(watch->window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
    const double waited = Now() - start;
    watch->worst = std::max(watch->worst, waited);
    ++watch->asked;
    if (waited > 0.1) ++watch->slow;
    Sleep(20);
  }
  return 0;
}

// Every file handed over at once, as Send To does, and created in one batch; its time, the
// files written and the window's worst answer meanwhile.
struct Answers {
  double worst = 0;
  int asked = 0, slow = 0;
};

double BatchCreate(const BenchFolders& folders, int& written, Answers& answers) {
  std::wstring commandLine;
  for (const std::wstring& item : folders.items) commandLine += L"\"" + item + L"\" ";
  HWND hwnd = OpenWindow(commandLine, folders);
  if (!hwnd) return 0;
  HWND create = GetDlgItem(hwnd, IDC_BTN_CREATE);
  const std::wstring idle = WindowText(create);
  Watch watch;
  watch.window = hwnd;
  HANDLE watcher = CreateThread(nullptr, 0, WatchWindow, &watch, 0, nullptr);
  const double start = Now();
  SendMessageW(create, BM_CLICK, 0, 0);
  MSG msg;
  while (WindowText(create) != idle) {
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
      continue;
    }
    if (msg.message != WM_QUIT) DispatchProgramMessage(hwnd, msg);
  }
  const double seconds = Now() - start;
  watch.stop = true;
  if (watcher) {
    // The watcher's last question is answered while this thread waits for it to end.
    while (MsgWaitForMultipleObjects(1, &watcher, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1)
      PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
    CloseHandle(watcher);
  }
  answers.worst = std::max(answers.worst, watch.worst);
  answers.asked += watch.asked;
  answers.slow += watch.slow;
  written += BenchFolders::Empty(folders.free) + BenchFolders::Empty(folders.start);
  Close(hwnd);
  return seconds;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int rounds = argc > 1 ? std::max(3, _wtoi(argv[1])) : 5;
  OleInitialize(nullptr);
  // The settings beside this program: no summary after a batch that made everything.
  const std::wstring settings = ProgramFolder() + ProgramBaseName() + L".ini";
  WritePrivateProfileStringW(L"GENERAL", L"NoMessage", L"1", settings.c_str());
  int boxes = 0;
  SetMessageBoxResponder([&boxes](HWND, const std::wstring&, UINT, const std::wstring&) {
    ++boxes;
    return IDOK;
  });
  SetOverwriteResponder([&boxes](HWND, const std::wstring&) {
    ++boxes;
    return OverwriteAnswer::OverwriteAll;
  });
  {
    const BenchFolders folders;
    int ignored = 0;
    Answers ignoredAnswers, answers;
    SingleCreate(folders, ignored);  // warm-up
    BatchCreate(folders, ignored, ignoredAnswers);
    std::vector<double> single, batch, ratios;
    int singleWritten = 0, batchWritten = 0;
    for (int i = 0; i < rounds; ++i) {
      single.push_back(SingleCreate(folders, singleWritten) / 2);
      batch.push_back(BatchCreate(folders, batchWritten, answers) / (2.0 * kFiles));
      if (single.back() > 0) ratios.push_back(batch.back() / single.back());
    }
    std::printf("batch of %d files into two destinations, %d interleaved rounds\n", kFiles, rounds);
    std::printf("(times are medians; a ratio is the median of the rounds' own ratios)\n");
    std::printf("  per shortcut, batch vs single target: %.2f ms / %.2f ms, ratio %.2f (goal <= 1.2)\n",
                Median(batch) * 1000, Median(single) * 1000, Median(ratios));
    std::printf("  the window's worst answer to WM_NULL during the batches: %.0f ms (goal <= 100 ms); "
                "%d of %d answers took longer\n",
                answers.worst * 1000, answers.slow, answers.asked);
    const int expectedSingle = rounds * kSingleRuns * 2, expectedBatch = rounds * kFiles * 2;
    if (singleWritten != expectedSingle || batchWritten != expectedBatch || boxes)
      std::printf("  written %d of %d single and %d of %d batch shortcuts; %d boxes or questions shown\n", singleWritten,
                  expectedSingle, batchWritten, expectedBatch, boxes);
    DeleteFileW(settings.c_str());
    OleUninitialize();
    return singleWritten == expectedSingle && batchWritten == expectedBatch && !boxes ? 0 : 1;
  }
}
