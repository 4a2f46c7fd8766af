// Starting Explorer and opening a URL in the browser: the one seam through which the program
// starts anything, so that a test can see exactly what would have been started. Programs are
// started by their full path only: a portable program may sit in Downloads beside anything, and
// the search path looks in the program's own folder and the current folder first.
#pragma once
#include <functional>
#include <string>

namespace pelmora {

// Starts Explorer from the Windows folder with these arguments, in a normal, focused window.
// False when nothing started.
bool LaunchExplorer(const std::wstring& arguments);
// Explorer's full path: the Windows folder's explorer.exe (empty when the folder is unknown).
std::wstring ExplorerProgram();

// Opens `file` (a URL) with the shell's "open" verb, owned by the desktop window; whether it
// opened is not known.
void OpenInShell(const std::wstring& file);

// Test seam: while set, the two operations hand their request to the responder instead of
// starting anything. For a program its answer is whether the program started.
struct LaunchRequest {
  enum Kind { Program, Shell } kind;
  std::wstring text;     // the program's arguments, or the file the shell opens
  std::wstring program;  // the full path of the program started
};
using LaunchResponder = std::function<bool(const LaunchRequest& request)>;
void SetLaunchResponder(LaunchResponder responder);

}  // namespace pelmora
