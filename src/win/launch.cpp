#include "win/launch.h"

#include <windows.h>
#include <shellapi.h>

#include "win/handles.h"

namespace pelmora {
namespace {
LaunchResponder g_responder;
}

void SetLaunchResponder(LaunchResponder responder) { g_responder = std::move(responder); }

bool LaunchCommandLine(const std::wstring& commandLine) {
  if (g_responder) return g_responder({LaunchRequest::CommandLine, commandLine});
  std::wstring line = commandLine;  // CreateProcessW may write into its command line
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  const win::FileHandle thread(process.hThread), owned(process.hProcess);
  return true;
}

void OpenInShell(const std::wstring& file) {
  if (g_responder) {
    g_responder({LaunchRequest::Shell, file});
    return;
  }
  ShellExecuteW(GetDesktopWindow(), L"open", file.c_str(), nullptr, nullptr, SW_SHOW);
}

}  // namespace pelmora
