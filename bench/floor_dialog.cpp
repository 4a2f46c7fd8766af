// The floor: Pelmora's own main-window dialog shown by a dialog procedure that does nothing.
// Whatever the main window costs beyond this is Pelmora's.
// With /LOAD it also makes the platform calls of Pelmora's own load, for the record: before the
// first paint the window's and the tool buttons' icons and the system folders of the
// destinations (two combos show one, two decide whether a box can be ticked); 200 ms after it
// the common controls, a tooltip for every control, OLE and a drop target. What the window
// costs beyond that is Pelmora's own logic.
#include <windows.h>

#include <commctrl.h>
#include <ole2.h>
#include <shlobj.h>

#include "floor_window.h"

namespace {

constexpr UINT_PTR kAfterShowTimer = 1;
HICON g_toolIcons[4];

// Takes no drop: it is there to be registered.
class NoDrop : public IDropTarget {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = (iid == IID_IUnknown || iid == IID_IDropTarget) ? this : nullptr;
    return *out ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) override { return None(effect); }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override { return None(effect); }
  HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject*, DWORD, POINTL, DWORD* effect) override { return None(effect); }

 private:
  static HRESULT None(DWORD* effect) {
    *effect = DROPEFFECT_NONE;
    return S_OK;
  }
};
NoDrop g_noDrop;

std::wstring Folder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  return SUCCEEDED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)) ? path : L"";
}

HICON Icon(HINSTANCE instance, int id, int size) {
  return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
}

void BeforeFirstPaint(HWND hwnd) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  SendMessageW(hwnd, WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(Icon(instance, IDI_APP, GetSystemMetrics(SM_CXICON))));
  SendMessageW(hwnd, WM_SETICON, ICON_SMALL,
               reinterpret_cast<LPARAM>(Icon(instance, IDI_APP, GetSystemMetrics(SM_CXSMICON))));
  for (int i = 0; i < 4; ++i) g_toolIcons[i] = Icon(instance, IDI_FOLDER + i, GetSystemMetrics(SM_CXSMICON));
  GetFileAttributesW(Folder(CSIDL_COMMON_STARTMENU).c_str());
  for (int csidl : {CSIDL_COMMON_DESKTOPDIRECTORY, CSIDL_COMMON_PROGRAMS, CSIDL_COMMON_STARTUP, CSIDL_STARTMENU,
                    CSIDL_STARTUP, CSIDL_SENDTO, CSIDL_DESKTOP})
    Folder(csidl);
  GetFileAttributesW((Folder(CSIDL_APPDATA) + L"\\Microsoft\\Internet Explorer\\Quick Launch").c_str());
  SetDlgItemTextW(hwnd, IDC_CMB_STARTMENUPATH, Folder(CSIDL_PROGRAMS).c_str());
  SetDlgItemTextW(hwnd, IDC_CMB_FAVORITESPATH, Folder(CSIDL_FAVORITES).c_str());
}

BOOL CALLBACK AddTip(HWND control, LPARAM tips) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<wchar_t*>(L"tip");
  SendMessageW(reinterpret_cast<HWND>(tips), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  return TRUE;
}

void AfterFirstPaint(HWND hwnd) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_LINK_CLASS};
  InitCommonControlsEx(&controls);
  HWND tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd, nullptr, nullptr, nullptr);
  EnumChildWindows(hwnd, AddTip, reinterpret_cast<LPARAM>(tips));
  if (SUCCEEDED(OleInitialize(nullptr))) RegisterDragDrop(hwnd, &g_noDrop);
}

INT_PTR CALLBACK LoadProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      BeforeFirstPaint(hwnd);
      SetTimer(hwnd, kAfterShowTimer, 200, nullptr);
      return TRUE;
    case WM_TIMER:
      KillTimer(hwnd, kAfterShowTimer);
      AfterFirstPaint(hwnd);
      return TRUE;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      const int button = static_cast<int>(item.CtlID) - IDC_PIC_FLATBUTTON;
      if (button < 0 || button >= 10) break;
      DrawIconEx(item.hDC, 0, 0, g_toolIcons[button < 7 ? 0 : (button - 6) % 4], 0, 0, 0, nullptr, DI_NORMAL);
      return TRUE;
    }
    case WM_CLOSE:
      RevokeDragDrop(hwnd);
      break;
  }
  return bench::FloorProc(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR args, int show) {
  const bool load = args && lstrcmpiW(args, L"/LOAD") == 0;
  HWND hwnd = load ? CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_MAIN), nullptr, LoadProc, 0)
                   : bench::CreateFloorDialog(instance);
  if (!hwnd) return 1;
  ShowWindow(hwnd, show);
  const int code = bench::RunDialogLoop(hwnd);
  if (load) OleUninitialize();
  return code;
}
