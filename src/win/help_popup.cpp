#include "win/help_popup.h"

#include <commctrl.h>

#include "win/handles.h"

namespace pelmora {
namespace {

HWND g_popup = nullptr;
HWND g_tipsHeldFor = nullptr;  // the window whose tooltips wait while the popup is up
constexpr int kMaxWidth = 320;  // at 96 dpi, like a tooltip with a paragraph of text
constexpr int kMargin = 6;

int Scaled(HWND window, int pixels) {
  const UINT dpi = GetDpiForWindow(window);
  return MulDiv(pixels, dpi ? static_cast<int>(dpi) : 96, 96);
}

HFONT PopupFont(HWND popup) { return reinterpret_cast<HFONT>(GetWindowLongPtrW(popup, GWLP_USERDATA)); }

// The text's rectangle at the popup's width.
RECT TextRect(HWND popup, HDC dc, const std::wstring& text, int width) {
  RECT r{0, 0, width, 0};
  const HGDIOBJ old = SelectObject(dc, PopupFont(popup));
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, old);
  return r;
}

void Paint(HWND popup) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(popup, &ps);
  RECT client{};
  GetClientRect(popup, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_INFOBK));
  const int margin = Scaled(popup, kMargin);
  RECT text{client.left + margin, client.top + margin, client.right - margin, client.bottom - margin};
  const HGDIOBJ old = SelectObject(dc, PopupFont(popup));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
  const int length = GetWindowTextLengthW(popup);
  std::wstring buffer(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(popup, buffer.data(), length + 1);
  DrawTextW(dc, buffer.c_str(), length, &text, DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, old);
  EndPaint(popup, &ps);
}

// A tooltip popping up over the help popup would hide its first line: the owner's tooltips are
// taken down and kept quiet while the popup is up.
void HoldToolTips(HWND owner, bool hold) {
  struct Request {
    HWND owner;
    bool hold;
  } request{owner, hold};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM parameter) -> BOOL {
        const auto& r = *reinterpret_cast<const Request*>(parameter);
        wchar_t name[32] = {};
        if (GetWindow(window, GW_OWNER) != r.owner || !GetClassNameW(window, name, 32) ||
            lstrcmpiW(name, TOOLTIPS_CLASSW) != 0)
          return TRUE;
        if (r.hold) SendMessageW(window, TTM_POP, 0, 0);
        SendMessageW(window, TTM_ACTIVATE, r.hold ? FALSE : TRUE, 0);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&request));
}

LRESULT CALLBACK PopupProc(HWND popup, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint(popup);
      return 0;
    case WM_GETDLGCODE:
      // Every key reaches the popup (and closes it), Tab and Esc included.
      return DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_CANCELMODE:
      CloseHelpPopup();
      return 0;
    // Another window took the focus or the mouse: the popup goes once that change is through.
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) PostMessageW(popup, WM_CLOSE, 0, 0);
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != popup) PostMessageW(popup, WM_CLOSE, 0, 0);
      return 0;
    case WM_NCDESTROY:
      if (g_popup == popup) g_popup = nullptr;
      if (g_tipsHeldFor && !g_popup) {
        HoldToolTips(g_tipsHeldFor, false);
        g_tipsHeldFor = nullptr;
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(popup, message, wParam, lParam);
}

void RegisterPopupClass() {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_SAVEBITS | CS_DROPSHADOW;
    wc.lpfnWndProc = PopupProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kHelpPopupClass;
    return RegisterClassExW(&wc) != 0;
  }();
  (void)registered;
}

}  // namespace

HWND HelpPopup() { return g_popup; }

void CloseHelpPopup() {
  HWND popup = g_popup;
  g_popup = nullptr;  // closing may call back here (capture and activation go)
  if (popup && IsWindow(popup)) DestroyWindow(popup);
}

void ShowHelpPopup(HWND owner, const std::wstring& text, POINT at) {
  CloseHelpPopup();
  if (text.empty()) return;
  RegisterPopupClass();
  HWND top = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
  HWND popup = CreateWindowExW(WS_EX_TOOLWINDOW, kHelpPopupClass, text.c_str(), WS_POPUP | WS_BORDER, at.x, at.y,
                               0, 0, top, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!popup) return;
  g_popup = popup;
  HFONT font = top ? reinterpret_cast<HFONT>(SendMessageW(top, WM_GETFONT, 0, 0)) : nullptr;
  SetWindowLongPtrW(popup, GWLP_USERDATA,
                    reinterpret_cast<LONG_PTR>(font ? font : GetStockObject(DEFAULT_GUI_FONT)));

  // Wrapped at the popup's width, then placed to stay on the monitor the point is on.
  const int margin = Scaled(popup, kMargin);
  RECT textRect{};
  if (const win::WindowDC dc(popup); dc)
    textRect = TextRect(popup, dc.get(), text, Scaled(popup, kMaxWidth) - 2 * margin);
  RECT frame{0, 0, textRect.right + 2 * margin, textRect.bottom + 2 * margin};
  AdjustWindowRectEx(&frame, WS_POPUP | WS_BORDER, FALSE, WS_EX_TOOLWINDOW);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& area = monitor.rcWork;
  int x = at.x, y = at.y;
  if (x + width > area.right) x = area.right - width;
  if (y + height > area.bottom) y = at.y - height - Scaled(popup, 4);  // above the point instead
  if (x < area.left) x = area.left;
  if (y < area.top) y = area.top;
  if (top) {
    HoldToolTips(top, true);
    g_tipsHeldFor = top;
  }
  // Shown active, so that a key closes it; any click in the program comes here too.
  SetWindowPos(popup, HWND_TOP, x, y, width, height, SWP_SHOWWINDOW);
  SetFocus(popup);
  SetCapture(popup);
}

}  // namespace pelmora
