// The program's message box: centred on the window that owns it.
#pragma once
#include <windows.h>
// The program's own MessageBox below takes the name; the system's is called as MessageBoxW.
#undef MessageBox

#include <functional>
#include <string>

namespace pelmora {

inline constexpr wchar_t kAppTitle[] = L"ペルモラ";

// Shows `text` with the Windows style flags, modal to `owner` and centred on it, and returns the
// button pressed (IDOK, IDCANCEL, IDYES, IDNO). An empty title means the program's title.
int MessageBox(HWND owner, const std::wstring& text, UINT style, const std::wstring& title = {});

// The plain system message box with no owner and the program's title, for the window-less
// command-line actions (nothing to centre on). The test responder answers it too.
int ShowPlainMessage(const std::wstring& text, UINT style);

// The one place a test answers in place of a person: while set, MessageBox and ShowPlainMessage
// ask the responder instead of showing a box. Pass an empty function to show real boxes again.
using MessageBoxResponder =
    std::function<int(HWND owner, const std::wstring& text, UINT style, const std::wstring& title)>;
void SetMessageBoxResponder(MessageBoxResponder responder);

}  // namespace pelmora
