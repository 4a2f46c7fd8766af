// The clipboard's Unicode text.
#pragma once
#include <windows.h>

#include <string>

namespace pelmora {

// True when the clipboard holds text (the system offers any text as Unicode text).
bool ClipboardHasText();
// The clipboard's text up to its first NUL; empty when it holds none or cannot be opened.
std::wstring ClipboardText(HWND owner);
// Empties the clipboard and puts `text` on it as Unicode text. False when that failed.
bool SetClipboardText(HWND owner, const std::wstring& text);

}  // namespace pelmora
