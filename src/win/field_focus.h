// Focus behaviours of a window's fields and buttons.
#pragma once
#include <windows.h>

namespace pelmora {

// The edit control (or the edit part of a combo box) selects its whole text when the focus comes
// to it from another control of its window, by keyboard or by the program, so that typing
// replaces it. Not when a mouse press brings the focus (the caret goes where the user clicked),
// and not when the window itself is activated again (the user's selection stays).
void SelectAllOnFocus(HWND field);

// Remembers, each time `control` receives the focus, which control of the same window had it
// before: a help button gives the focus back to it.
void RememberFocusBefore(HWND control);
// That control (a direct child of the window), or null.
HWND FocusBefore(HWND control);

}  // namespace pelmora
