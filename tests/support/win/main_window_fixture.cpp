#include "support/win/main_window_fixture.h"

#include <commctrl.h>

#include "app/main_window.h"
#include "app/main_window_controls.h"
#include "app/message_loop.h"
#include "naming/derive_name.h"
#include "shortcut/destination_folders.h"
#include "support/win/data_object.h"
#include "support/win/gui_driver.h"
#include "support/win/test_env.h"
#include "win/handles.h"
#include "win/system.h"

namespace pelmora::test {

MainWindowSession::MainWindowSession(const std::wstring& commandLine) {
  InitWindowsOnce();
  const MainWindow* window = MainWindow::Open(GetModuleHandleW(nullptr), SW_SHOWNORMAL, commandLine);
  hwnd_ = window ? window->Handle() : nullptr;
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

bool MainWindowSession::RunUntil(const std::function<bool()>& done, DWORD maxMs) {
  const ULONGLONG end = GetTickCount64() + maxMs;
  MSG msg;
  while (IsOpen() && !done()) {
    if (GetTickCount64() >= end) return false;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
      continue;
    }
    if (msg.message != WM_QUIT) DispatchProgramMessage(hwnd_, msg);
  }
  return true;
}

IDropTarget* MainWindowSession::DropTarget() {
  FinishTheLoad();
  // Where RegisterDragDrop keeps the target for the system's drag loop.
  return static_cast<IDropTarget*>(GetPropW(hwnd_, L"OleDropTargetInterface"));
}

void MainWindowSession::Drop(IDataObject* data) {
  DropOn(DropTarget(), data);
  data->Release();
  PumpLikeTheProgram();
}

void MainWindowSession::FinishTheLoad() {
  if (IsOpen()) SendMessageW(hwnd_, WM_TIMER, kAfterShowTimer, 0);
}

bool MainWindowSession::FetchingTitle() const { return IsOpen() && TextOf(Control(IDC_TXT_SHORTCUTNAME)) == kFetchingTitleText; }

bool MainWindowSession::WaitWhileFetching(DWORD maxMs) {
  const ULONGLONG end = GetTickCount64() + maxMs;
  for (;;) {
    PumpLikeTheProgram();
    if (!FetchingTitle()) return true;
    if (GetTickCount64() >= end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
}

void MainWindowSession::SetBox(int id, bool checked) {
  if (IsChecked(Control(id)) != checked) Click(Control(id));
}

void MainWindowSession::ChooseIcon(const std::wstring& file, int index) {
  SetIconChooserResponder([&](std::wstring& path, int& chosen) {
    path = file;
    chosen = index;
    return true;
  });
  Click(Control(IDC_BTN_BROWS + 3));
  SetIconChooserResponder({});
}

std::wstring MainWindowSession::CreateInto(const std::wstring& folder) {
  Click(Control(IDC_BTN_CLEAR + 1));
  SetBox(IDC_CHK_WHERE + static_cast<int>(DestinationKind::Free), true);
  Type(Control(IDC_CMB_FREEPATH), folder);
  const bool internet = TextOf(Control(IDC_TXT_LNKPATH)).find(L"://") != std::wstring::npos;
  const std::wstring path = folder + L"\\" + TextOf(Control(IDC_TXT_SHORTCUTNAME)) + (internet ? L".url" : L".lnk");
  const ScriptedMessageBoxes boxes;
  Click(Control(IDC_BTN_CREATE));
  return FileExists(path) ? path : std::wstring();
}

std::wstring MainWindowSession::ToolTipOf(int id) {
  FinishTheLoad();
  return test::ToolTipOf(hwnd_, id);
}

SpecialFolders MainWindowSession::Folders() const { return PrepareSpecialFolders(hwnd_); }

std::vector<COLORREF> MainWindowSession::PreviewPicture() const { return Painted(IDC_PIC_ICON); }

std::vector<COLORREF> MainWindowSession::Painted(int id, UINT itemState) const {
  HWND picture = Control(id);
  RECT area{};
  GetClientRect(picture, &area);
  const int width = area.right, height = area.bottom;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(dc, bitmap);
  // The window paints an owner-drawn control into whatever DC the item names.
  wchar_t className[32] = {};
  GetClassNameW(picture, className, 32);
  DRAWITEMSTRUCT item{};
  item.CtlType = lstrcmpiW(className, L"Button") == 0 ? ODT_BUTTON : ODT_STATIC;
  item.CtlID = static_cast<UINT>(id);
  item.itemAction = ODA_DRAWENTIRE;
  item.itemState = itemState;
  item.hwndItem = picture;
  item.hDC = dc;
  item.rcItem = area;
  SendMessageW(hwnd_, WM_DRAWITEM, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&item));
  std::vector<COLORREF> pixels;
  pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(dc, x, y));
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return pixels;
}

bool MainWindowSession::PreviewShowsIcon() const {
  const COLORREF background = GetSysColor(COLOR_BTNFACE);
  for (COLORREF pixel : PreviewPicture())
    if (pixel != background) return true;
  return false;
}

}  // namespace pelmora::test
