// A popup menu the user picks one command from, with one seam where a test picks instead.
#pragma once
#include <windows.h>

#include <functional>

namespace pelmora {

// Shows `menu` with its top-left corner at `screenPoint` and returns the command chosen, 0
// when the menu was dismissed.
UINT ChooseFromPopupMenu(HMENU menu, HWND owner, POINT screenPoint);

// Test seam: while set, the responder picks the command instead of a person. A command that
// is disabled or not in the menu counts as no choice, as in the real menu.
using PopupMenuResponder = std::function<UINT(HMENU menu, POINT screenPoint)>;
void SetPopupMenuResponder(PopupMenuResponder responder);

}  // namespace pelmora
