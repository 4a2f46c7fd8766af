// Drives the real windows of the program the way a user would, for GUI tests.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <utility>

namespace pelmora::test {

// A mouse click on a button, check box or radio button (it toggles and notifies its parent).
void Click(HWND button);
// Replaces a field's text as typing would; the field notifies its parent of the change.
void Type(HWND field, const std::wstring& text);
std::wstring TextOf(HWND window);
bool IsChecked(HWND button);
bool IsEnabled(HWND window);

// Picks item `index` of a drop-down list as a user does: opens the list, moves to the item and
// presses Enter. The list's notifications then reach its dialog.
void Pick(HWND comboBox, int index);
// The selection of a text field as start and end (equal: the caret with nothing selected).
std::pair<unsigned, unsigned> SelectionOf(HWND field);

// The tooltip text a dialog gave its control `id`; empty when none, "(no tooltips)" when the
// dialog has no tooltip window.
std::wstring ToolTipOf(HWND dialog, int id);

// The text of the help popup on show, which then goes as a key closes it; empty when none shows.
std::wstring TakeHelpPopup();

// Runs `action`, which shows a real modal window titled `caption` (a dialog); `onWindow` is
// called with it once it is up and closes it. A window still open 10 s later fails the test and
// is closed, so that a failed assertion never leaves the test waiting. False when the window never
// came up.
bool WithModalWindow(const std::wstring& caption, const std::function<void()>& action,
                     const std::function<void(HWND window)>& onWindow);

// Runs `action`, which shows a real modal box; `onBox` is called with the box window once it is
// up (found among the thread's visible windows by its caption) and closes it with IDOK.
void WithRealBox(const std::wstring& caption, const std::function<void()>& action,
                 const std::function<void(HWND box)>& onBox);

}  // namespace pelmora::test
