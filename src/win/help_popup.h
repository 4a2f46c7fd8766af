// The help popup: a small window with a control's help text, shown where the user asked for
// help. It goes with the next click or key anywhere in the program, or when the program loses
// the focus. One at a time: a new one replaces the last.
#pragma once
#include <windows.h>

#include <string>

namespace pelmora {

inline constexpr wchar_t kHelpPopupClass[] = L"PelmoraHelpPopup";

// Shows `text` near the screen point `at` (the popup's top-left corner, moved to stay on the
// monitor), in the font of `owner`, which owns the popup.
void ShowHelpPopup(HWND owner, const std::wstring& text, POINT at);
// The popup on show, or null.
HWND HelpPopup();
void CloseHelpPopup();

}  // namespace pelmora
