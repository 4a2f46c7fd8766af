// Small system operations used throughout the program.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace pelmora {

enum class PathKind { Missing = 0, Folder = 1, File = 2 };

// The Windows and System folders, each with a trailing backslash; empty when unknown.
std::wstring GetWindowsFolder();
std::wstring GetSystemFolder();
// Missing also when the path cannot be examined; hidden and system entries count.
PathKind GetPathKind(const std::wstring& path);
// How many icons a file holds (a program, a DLL, an .ico); 0 for none, or when it cannot be read.
int IconCount(const std::wstring& file);
// A folder as typed into a field: its blanks trimmed, when it exists; else empty.
std::wstring ExistingFolder(const std::wstring& typed);
// The full path with "\" separators, "." and ".." resolved and short (8.3) names made long
// where the entries exist; the text unchanged when the system cannot make it full.
std::wstring NormalisedFullPath(const std::wstring& path);
// The text with its environment references (%SystemRoot%...) expanded; unchanged when it has
// none or they cannot be expanded.
std::wstring ExpandEnvironment(const std::wstring& text);
// Creates the folder and every missing parent.
bool EnsureFolderExists(const std::wstring& folder);
// Focuses the field, or selects its whole text when it already has the focus.
void FocusField(HWND control);
// The system's icon chooser. On OK updates the path and index and returns true.
bool ChooseIcon(HWND owner, std::wstring& iconPath, int& iconIndex);

// Test seam for the icon chooser: the responder stands in for the person choosing.
using IconChooserResponder = std::function<bool(std::wstring& iconPath, int& iconIndex)>;
void SetIconChooserResponder(IconChooserResponder responder);

// The running program's full path, its folder (with a trailing backslash) and its base name
// without extension.
std::wstring ProgramPath();
std::wstring ProgramFolder();
std::wstring ProgramBaseName();

// The work area (the screen less its taskbar) of the monitor that holds most of `r`, else of the
// monitor nearest to it.
RECT WorkAreaNearest(const RECT& r);

// The whole text of a window or control.
std::wstring WindowText(HWND window);

// The hourglass pointer while it lives; the arrow again on every way out.
class WaitCursor {
 public:
  WaitCursor() : previous_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
  ~WaitCursor() { SetCursor(previous_ ? previous_ : LoadCursorW(nullptr, IDC_ARROW)); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  HCURSOR previous_;
};

}  // namespace pelmora
