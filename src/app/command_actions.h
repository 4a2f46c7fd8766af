// The two window-less command-line actions. Each is a function that returns what happened (for
// tests and the wrapper) and a wrapper that shows the message, if any, and ends the process.
#pragma once
#include <string>

namespace pelmora {

// /LNK: opens Explorer on the folder of a shortcut's target with the target selected.
// `argument` is the text after "/LNK" and its separator. Returns the message to show, empty
// when Explorer was started.
std::wstring LnkCommand(const std::wstring& argument);

// /AUTO: writes an internet shortcut for a URL and a title into a folder (the desktop unless a
// quoted folder follows the switch), numbering the name when it is taken. `argument` is
// everything after "/AUTO". Touches no window, settings file or URL table.
struct AutoOutcome {
  std::wstring message;  // empty when the shortcut was written
  std::wstring path;     // the file written
};
AutoOutcome AutoCommand(const std::wstring& argument);

// Writes the internet shortcut as folder\name.url, or under the first free name numbered from
// " (2)" up to `lastNumber` when that is taken by a file or a folder. The path written, or empty
// when every name was taken or the file could not be written (nothing is left behind then).
std::wstring WriteNumberedInternetShortcut(const std::wstring& folder, const std::wstring& name,
                                           const std::wstring& url, int lastNumber);

// The wrappers the entry calls: the owner-less message box with the program's title on failure,
// then the end of the process (exit code 0 on success, 1 after a message).
[[noreturn]] void RunLnkCommand(const std::wstring& argument);
[[noreturn]] void RunAutoCommand(const std::wstring& argument);

}  // namespace pelmora
