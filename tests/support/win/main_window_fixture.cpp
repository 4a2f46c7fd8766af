#include "support/win/main_window_fixture.h"

#include "support/win/test_env.h"

namespace pelmora::test {

MainWindowSession::MainWindowSession(const std::wstring& commandLine) {
  InitWindowsOnce();
  window_ = MainWindow::Open(GetModuleHandleW(nullptr), SW_SHOWNORMAL, commandLine);
  hwnd_ = window_ ? window_->Handle() : nullptr;
  Pump();
}

void MainWindowSession::Close() {
  if (IsOpen()) SendMessageW(hwnd_, WM_CLOSE, 0, 0);
  // Unloading ends the program's message loop; a test keeps running on the same thread.
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
  Pump();
}

MainWindowSession::~MainWindowSession() { Close(); }

}  // namespace pelmora::test
