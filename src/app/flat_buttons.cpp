#include "app/flat_buttons.h"

#include <commctrl.h>

#include "resource.h"

namespace pelmora {

int SmallIconSize(HWND window) {
  const UINT dpi = window ? GetDpiForWindow(window) : 0;
  return dpi ? GetSystemMetricsForDpi(SM_CXSMICON, dpi) : GetSystemMetrics(SM_CXSMICON);
}

void FlatButtons::Attach(HWND window, int firstId, UsableTest usable) {
  window_ = window;
  firstId_ = firstId;
  usable_ = std::move(usable);
  LoadIcons();
}

void FlatButtons::FollowPointer() {
  for (int i = 0; i < kCount; ++i)
    SetWindowSubclass(Button(i), ButtonProc, static_cast<UINT_PTR>(i), reinterpret_cast<DWORD_PTR>(this));
}

namespace {

constexpr int kPictures[] = {IDI_FOLDER, IDI_TARGET, IDI_COPY, IDI_PASTE};

// Buttons 0 to 6 open folders; 7 opens the target, 8 copies it, 9 pastes one.
int PictureOf(int button) { return button < 7 ? 0 : button - 6; }

}  // namespace

void FlatButtons::LoadIcons() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  iconSize_ = SmallIconSize(window_);
  for (std::size_t i = 0; i < icons_.size(); ++i)
    icons_[i].reset(static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(kPictures[i]), IMAGE_ICON, iconSize_, iconSize_, 0)));
  for (int i = 0; i < kCount; ++i) InvalidateRect(Button(i), nullptr, TRUE);
}

void FlatButtons::Hide(int index) {
  hidden_[index] = true;
  hover_.PointerLeft(index);
  InvalidateRect(Button(index), nullptr, TRUE);
}

bool FlatButtons::Usable(int index) const {
  return index >= 0 && index < kCount && !hidden_[index] && IsWindowEnabled(Button(index)) &&
         (!usable_ || usable_(index));
}

void FlatButtons::Redraw(int index) const {
  HWND button = Button(index);
  InvalidateRect(button, nullptr, FALSE);
  UpdateWindow(button);
}

bool FlatButtons::Draw(const DRAWITEMSTRUCT& item) const {
  const int index = static_cast<int>(item.CtlID) - firstId_;
  if (index < 0 || index >= kCount) return false;
  RECT face = item.rcItem;
  FillRect(item.hDC, &face, GetSysColorBrush(COLOR_BTNFACE));
  const win::IconHandle& icon = icons_[PictureOf(index)];
  if (hidden_[index]) return true;
  // Space held on a focused button pushes it as a press of the mouse does.
  const ToolButtonLook look = (item.itemState & ODS_SELECTED) ? ToolButtonLook::Pushed : hover_.LookOf(index);
  if (look != ToolButtonLook::Flat)
    DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (look == ToolButtonLook::Pushed ? DFCS_PUSHED : 0));
  if (icon) {
    const int shift = look == ToolButtonLook::Pushed ? 1 : 0;
    const int x = (item.rcItem.right - item.rcItem.left - iconSize_) / 2 + shift;
    const int y = (item.rcItem.bottom - item.rcItem.top - iconSize_) / 2 + shift;
    DrawIconEx(item.hDC, x, y, icon.get(), iconSize_, iconSize_, 0, nullptr, DI_NORMAL);
  }
  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -2, -2);
    DrawFocusRect(item.hDC, &focus);
  }
  return true;
}

LRESULT CALLBACK FlatButtons::ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR index,
                                         DWORD_PTR self) {
  try {
    return reinterpret_cast<FlatButtons*>(self)->OnButtonMessage(button, static_cast<int>(index), message, wParam,
                                                                  lParam);
  } catch (...) {
    // Nothing may unwind into the system's dispatcher.
    return DefSubclassProc(button, message, wParam, lParam);
  }
}

LRESULT FlatButtons::OnButtonMessage(HWND button, int index, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
      if (hover_.PointerOver(index, Usable(index))) {
        // The system says when the pointer leaves the button.
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, button, 0};
        TrackMouseEvent(&track);
        Redraw(index);
      }
      break;
    case WM_MOUSELEAVE:
      if (hover_.PointerLeft(index)) Redraw(index);
      break;
    // The left button is the row's own: the button neither takes the focus nor the mouse, so a
    // press that leaves the button is over once it has left.
    case WM_LBUTTONDOWN:
      if (hover_.Press(index)) Redraw(index);
      return 0;
    case WM_LBUTTONDBLCLK:  // a double click is one click
      return 0;
    case WM_LBUTTONUP:
      if (hover_.Release(index)) {
        Redraw(index);
        SendMessageW(window_, WM_COMMAND, MAKEWPARAM(firstId_ + index, BN_CLICKED), reinterpret_cast<LPARAM>(button));
      }
      return 0;
    case WM_NCDESTROY:
      RemoveWindowSubclass(button, ButtonProc, static_cast<UINT_PTR>(index));
      break;
    default:
      break;
  }
  return DefSubclassProc(button, message, wParam, lParam);
}

}  // namespace pelmora
