#include "app/flat_buttons.h"

#include "resource.h"

namespace pelmora {

int SmallIconSize(HWND window) {
  const UINT dpi = window ? GetDpiForWindow(window) : 0;
  return dpi ? GetSystemMetricsForDpi(SM_CXSMICON, dpi) : GetSystemMetrics(SM_CXSMICON);
}

void FlatButtons::Attach(HWND window, int firstId) {
  window_ = window;
  firstId_ = firstId;
  LoadIcons();
}

void FlatButtons::LoadIcons() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  iconSize_ = SmallIconSize(window_);
  for (int i = 0; i < kCount; ++i) {
    const int icon = i < 7 ? IDI_FOLDER : (i == 7 ? IDI_TARGET : (i == 8 ? IDI_COPY : IDI_PASTE));
    icons_[i].reset(hidden_[i] ? nullptr
                               : static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(icon), IMAGE_ICON,
                                                               iconSize_, iconSize_, 0)));
    InvalidateRect(GetDlgItem(window_, firstId_ + i), nullptr, TRUE);
  }
}

void FlatButtons::Hide(int index) {
  hidden_[index] = true;
  icons_[index].reset();
  InvalidateRect(GetDlgItem(window_, firstId_ + index), nullptr, TRUE);
}

bool FlatButtons::Draw(const DRAWITEMSTRUCT& item) const {
  const int index = static_cast<int>(item.CtlID) - firstId_;
  if (index < 0 || index >= kCount) return false;
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
  if (!icons_[index]) return true;
  const int x = (item.rcItem.right - item.rcItem.left - iconSize_) / 2;
  const int y = (item.rcItem.bottom - item.rcItem.top - iconSize_) / 2;
  DrawIconEx(item.hDC, x, y, icons_[index].get(), iconSize_, iconSize_, 0, nullptr, DI_NORMAL);
  return true;
}

}  // namespace pelmora
