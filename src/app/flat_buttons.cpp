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
  for (int i = 0; i < kCount; ++i) InvalidateRect(GetDlgItem(window_, firstId_ + i), nullptr, TRUE);
}

void FlatButtons::Hide(int index) {
  hidden_[index] = true;
  InvalidateRect(GetDlgItem(window_, firstId_ + index), nullptr, TRUE);
}

bool FlatButtons::Draw(const DRAWITEMSTRUCT& item) const {
  const int index = static_cast<int>(item.CtlID) - firstId_;
  if (index < 0 || index >= kCount) return false;
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
  const win::IconHandle& icon = icons_[PictureOf(index)];
  if (hidden_[index] || !icon) return true;
  const int x = (item.rcItem.right - item.rcItem.left - iconSize_) / 2;
  const int y = (item.rcItem.bottom - item.rcItem.top - iconSize_) / 2;
  DrawIconEx(item.hDC, x, y, icon.get(), iconSize_, iconSize_, 0, nullptr, DI_NORMAL);
  return true;
}

}  // namespace pelmora
