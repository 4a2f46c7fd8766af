// The What's This mode of a window: the pointer becomes the help pointer and the next click
// picks the control whose help the user wants. Any key (Esc among them), another mouse button
// or losing the mouse leaves the mode without picking anything. One window at a time.
#pragma once
#include <windows.h>

#include <functional>

namespace pelmora {

// `onPick` gets the screen point of the left click that ends the mode; it runs after the mode
// is over. A window already in the mode stays in it.
void BeginHelpMode(HWND window, std::function<void(POINT screenPoint)> onPick);
// The window in the mode, or null.
HWND HelpModeWindow();
void EndHelpMode();

}  // namespace pelmora
