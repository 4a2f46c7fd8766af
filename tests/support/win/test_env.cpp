#include "support/win/test_env.h"

#include <utility>

#include <shellapi.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "win/message_box.h"
#include "win/system.h"

namespace pelmora::test {

bool RunningUnderWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

std::wstring SettingsFile() { return ProgramFolder() + ProgramBaseName() + L".ini"; }

TempFolder::TempFolder(const std::wstring& hint) {
  static std::atomic<unsigned> counter{0};
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  // Names only collide by accident; any other failure (a missing temporary folder) is final.
  for (int attempt = 0;; ++attempt) {
    path_ = std::wstring(temp) + L"pelmora-" + hint + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(counter++);
    if (CreateDirectoryW(path_.c_str(), nullptr)) break;
    if (GetLastError() != ERROR_ALREADY_EXISTS || attempt > 100) {
      fprintf(stderr, "cannot create a temporary folder under %ls\n", temp);
      abort();
    }
  }
}

TempFolder::~TempFolder() { RemoveTree(path_); }

void RemoveTree(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring name = data.cFileName;
        if (name != L"." && name != L"..") RemoveTree(path + L"\\" + name);
      } while (FindNextFileW(find, &data));
      FindClose(find);
    }
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_DIRECTORY);
    RemoveDirectoryW(path.c_str());
  } else {
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path.c_str());
  }
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == bytes.size();
}

std::string ReadFileBytes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

bool FileExists(const std::wstring& path) {
  const DWORD a = GetFileAttributesW(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

ScriptedMessageBoxes::ScriptedMessageBoxes(std::deque<int> answers) : answers_(std::move(answers)) {
  SetMessageBoxResponder([this](HWND owner, const std::wstring& text, UINT style, const std::wstring& title) {
    asks_.push_back({text, style, title, owner});
    if (whileAsking_) std::exchange(whileAsking_, nullptr)();
    if (!answers_.empty()) {
      const int answer = answers_.front();
      answers_.pop_front();
      return answer;
    }
    return (style & 0x0F) == MB_OK ? IDOK : IDCANCEL;
  });
}

ScriptedMessageBoxes::~ScriptedMessageBoxes() { SetMessageBoxResponder({}); }

RecordedLaunches::RecordedLaunches(bool commandLinesStart) {
  SetLaunchResponder([this, commandLinesStart](const LaunchRequest& request) {
    requests_.push_back(request);
    return request.kind == LaunchRequest::Shell || commandLinesStart;
  });
}

RecordedLaunches::~RecordedLaunches() { SetLaunchResponder({}); }

PrivateTempFolder::PrivateTempFolder(const std::wstring& hint) : folder_(hint) {
  for (const wchar_t* name : {L"TMP", L"TEMP"}) {
    std::wstring value(32768, L'\0');
    const DWORD n = GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size()));
    saved_.emplace_back(name, n ? std::optional<std::wstring>(value.substr(0, n)) : std::nullopt);
    SetEnvironmentVariableW(name, folder_.Path().c_str());
  }
}

PrivateTempFolder::~PrivateTempFolder() {
  for (const auto& [name, value] : saved_) SetEnvironmentVariableW(name.c_str(), value ? value->c_str() : nullptr);
}

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace pelmora::test

#include <commctrl.h>
#include <ole2.h>

namespace pelmora::test {
void InitWindowsOnce() {
  static bool done = false;
  if (done) return;
  done = true;
  OleInitialize(nullptr);
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_LINK_CLASS};
  InitCommonControlsEx(&controls);
}
}  // namespace pelmora::test
