#include "support/win/main_window_fixture.h"

#include "app/message_loop.h"
#include "support/win/data_object.h"
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

void MainWindowSession::PumpLikeTheProgram() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;
    DispatchProgramMessage(hwnd_, msg);
  }
}

void MainWindowSession::Drop(IDataObject* data) {
  DropOn(window_->DropTargetObject(), data);
  data->Release();
  PumpLikeTheProgram();
}

bool MainWindowSession::WaitForTheWholeLoad(DWORD maxMs) {
  const ULONGLONG end = GetTickCount64() + maxMs;
  for (;;) {
    PumpLikeTheProgram();
    if (!IsOpen() || window_->LoadFinished()) return true;
    if (GetTickCount64() >= end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
}

bool MainWindowSession::WaitWhileFetching(DWORD maxMs) {
  const ULONGLONG end = GetTickCount64() + maxMs;
  for (;;) {
    PumpLikeTheProgram();
    if (!IsOpen() || !window_->FetchingTitle()) return true;
    if (GetTickCount64() >= end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
}

}  // namespace pelmora::test
