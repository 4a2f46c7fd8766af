// Opens the real main window for a GUI test and closes it again, leaving no quit message. The
// test sees the window as a user and the system do: its controls, its tooltips, its painting.
#pragma once
#include <ole2.h>

#include <functional>
#include <string>
#include <vector>

#include "shortcut/destinations.h"

namespace pelmora::test {

class MainWindowSession {
 public:
  // `commandLine` is the argument text the program would have received.
  explicit MainWindowSession(const std::wstring& commandLine = L"");
  ~MainWindowSession();
  MainWindowSession(const MainWindowSession&) = delete;
  MainWindowSession& operator=(const MainWindowSession&) = delete;

  HWND Handle() const { return hwnd_; }
  HWND Control(int id) const { return GetDlgItem(hwnd_, id); }
  bool IsOpen() const { return IsWindow(hwnd_) != FALSE; }
  // Closes the window as the user's close box would (settings are saved).
  void Close();
  // Runs the window's messages as the program's loop does (dialog keys included) until the name
  // field no longer says that a page title is on its way; false when that took longer than `maxMs`.
  bool WaitWhileFetching(DWORD maxMs = 30000);
  // A page title is on its way: the name field says so.
  bool FetchingTitle() const;
  // Runs the window's messages as the program's loop does, once through the queue.
  void PumpLikeTheProgram();
  // Runs the window's messages one at a time, as the program's loop does, until `done` (checked
  // before each) or the window has gone; false when that took longer than `maxMs`.
  bool RunUntil(const std::function<bool()>& done, DWORD maxMs = 30000);
  // Drops `data` on the window as OLE's drag loop does, releases it, and runs what the drop started.
  void Drop(IDataObject* data);
  // The drop target the window registered (null before the whole load, or when none).
  IDropTarget* DropTarget();
  // Runs the part of the load that follows the first paint now, as the window's timer would.
  void FinishTheLoad();
  // Ticks or clears a box with a click, unless it is so already.
  void SetBox(int id, bool checked);
  // Gives the shortcut `file`'s icon `index` with the icon button, as a user does.
  void ChooseIcon(const std::wstring& file, int index);
  // Creates the shortcut into `folder` only (as the free destination), the summary answered;
  // the path written (the name field's name), empty when nothing was.
  std::wstring CreateInto(const std::wstring& folder);
  // What the window's tooltip says for a control (after the whole load); empty when none.
  std::wstring ToolTipOf(int id);
  // The destination folders of this system, as the window finds them.
  SpecialFolders Folders() const;
  // An owner-drawn control as the window paints it (its pixels, row by row) in `itemState`.
  std::vector<COLORREF> Painted(int id, UINT itemState = 0) const;
  // The icon preview as the window paints it.
  std::vector<COLORREF> PreviewPicture() const;
  // The preview paints something over its background (an icon, an arrow).
  bool PreviewShowsIcon() const;

 private:
  HWND hwnd_ = nullptr;
};

}  // namespace pelmora::test
