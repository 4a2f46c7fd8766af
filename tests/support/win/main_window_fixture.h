// Opens the real main window for a GUI test and closes it again, leaving no quit message.
#pragma once
#include <ole2.h>

#include <string>

#include "app/main_window.h"

namespace pelmora::test {

class MainWindowSession {
 public:
  // `commandLine` is the argument text the program would have received.
  explicit MainWindowSession(const std::wstring& commandLine = L"");
  ~MainWindowSession();
  MainWindowSession(const MainWindowSession&) = delete;
  MainWindowSession& operator=(const MainWindowSession&) = delete;

  MainWindow& Window() { return *window_; }
  HWND Handle() const { return hwnd_; }
  HWND Control(int id) const { return GetDlgItem(hwnd_, id); }
  bool IsOpen() const { return IsWindow(hwnd_) != FALSE; }
  // Closes the window as the user's close box would (settings are saved).
  void Close();
  // Runs the window's messages as the program's loop does (dialog keys included) until no
  // page title is being fetched any more; false when that took longer than `maxMs`.
  bool WaitWhileFetching(DWORD maxMs = 30000);
  // Runs the window's messages as the program's loop does, once through the queue.
  void PumpLikeTheProgram();
  // Drops `data` on the window as OLE does, releases it, and runs what the drop started.
  void Drop(IDataObject* data);
  // Runs the window's messages until the part of the load that follows the first paint is done;
  // false when that took longer than `maxMs`.
  bool WaitForTheWholeLoad(DWORD maxMs = 5000);

 private:
  MainWindow* window_ = nullptr;
  HWND hwnd_ = nullptr;
};

}  // namespace pelmora::test
