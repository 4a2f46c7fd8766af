// A message-only window that hears of a fetch's end as the main window does: by the message
// the fetch posts, carrying its id.
#pragma once
#include <windows.h>

#include <set>

namespace pelmora::test {

class FetchEnd {
 public:
  static constexpr UINT kMessage = WM_APP + 7;

  FetchEnd()
      : window_(CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {}
  ~FetchEnd() {
    if (window_) DestroyWindow(window_);
  }
  FetchEnd(const FetchEnd&) = delete;
  FetchEnd& operator=(const FetchEnd&) = delete;

  HWND Window() const { return window_; }

  // Waits up to `ms` for the end of fetch `id`; false when it was not posted in that time.
  bool Wait(WPARAM id, DWORD ms = 60000) {
    const ULONGLONG deadline = GetTickCount64() + ms;
    for (;;) {
      MSG msg;
      while (PeekMessageW(&msg, window_, kMessage, kMessage, PM_REMOVE)) ended_.insert(msg.wParam);
      if (ended_.count(id)) return true;
      const ULONGLONG now = GetTickCount64();
      if (now >= deadline) return false;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_POSTMESSAGE);
    }
  }

 private:
  HWND window_;
  std::set<WPARAM> ended_;
};

}  // namespace pelmora::test
