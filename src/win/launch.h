// Starting Explorer and opening a URL in the browser: the one seam through which the program
// starts anything, so that a test can see exactly what would have been started.
#pragma once
#include <functional>
#include <string>

namespace pelmora {

// Starts a program by its command line in a normal, focused window. False when nothing started.
bool LaunchCommandLine(const std::wstring& commandLine);

// Opens `file` (a URL) with the shell's "open" verb, owned by the desktop window; whether it
// opened is not known.
void OpenInShell(const std::wstring& file);

// Test seam: while set, the two operations hand their request to the responder instead of
// starting anything. For a command line its answer is whether the program started.
struct LaunchRequest {
  enum Kind { CommandLine, Shell } kind;
  std::wstring text;
};
using LaunchResponder = std::function<bool(const LaunchRequest& request)>;
void SetLaunchResponder(LaunchResponder responder);

}  // namespace pelmora
