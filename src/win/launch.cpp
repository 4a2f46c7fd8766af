#include "win/launch.h"

#include <windows.h>
#include <shellapi.h>

#include "win/handles.h"
#include "win/system.h"

namespace pelmora {
namespace {
LaunchResponder g_responder;
}

void SetLaunchResponder(LaunchResponder responder) { g_responder = std::move(responder); }

std::wstring ExplorerProgram() {
  const std::wstring windows = GetWindowsFolder();
  return windows.empty() ? std::wstring() : windows + L"explorer.exe";
}

bool LaunchExplorer(const std::wstring& arguments) {
  const std::wstring program = ExplorerProgram();
  if (g_responder) return g_responder({LaunchRequest::Program, arguments, program});
  if (program.empty()) return false;
  // The program named in full: CreateProcessW then never searches for it.
  std::wstring line = L"\"" + program + L"\" " + arguments;  // CreateProcessW may write into it
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  const win::FileHandle thread(process.hThread), owned(process.hProcess);
  return true;
}

void OpenInShell(const std::wstring& file) {
  if (g_responder) {
    g_responder({LaunchRequest::Shell, file, {}});
    return;
  }
  ShellExecuteW(GetDesktopWindow(), L"open", file.c_str(), nullptr, nullptr, SW_SHOW);
}

}  // namespace pelmora
