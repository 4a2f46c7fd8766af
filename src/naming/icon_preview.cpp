#include "naming/icon_preview.h"

#include <shellapi.h>

#include <vector>

#include "text/text_rules.h"
#include "win/registry.h"
#include "win/system.h"
#include "naming/icon_location.h"

namespace pelmora {
namespace {

// A handle value of 0 or 1 means "no icon" and is never drawn.
bool Usable(HICON icon) { return reinterpret_cast<UINT_PTR>(icon) > 1; }

// The registered location, or SHELL32.DLL of the system folder with the fallback index.
IconLocation RegisteredOrShell32(const std::wstring& registered, const std::wstring& systemFolder, int fallback) {
  IconLocation location = ParseIconLocation(registered);
  if (TrimSpaces(location.file).empty()) location = {systemFolder + L"SHELL32.DLL", fallback};
  return location;
}

HICON Extract(const IconLocation& location) {
  const HICON icon = ExtractIconW(GetModuleHandleW(nullptr), location.file.c_str(), static_cast<UINT>(location.index));
  return Usable(icon) ? icon : nullptr;
}

}  // namespace

void IconPreview::Attach(HWND picture, std::function<void(const std::wstring&)> setTooltip) {
  picture_ = picture;
  setTooltip_ = std::move(setTooltip);
}

void IconPreview::LoadPreviewIcons(const std::wstring& systemFolder) {
  // They are read when something is first shown: an empty preview needs neither.
  systemFolder_ = systemFolder;
  iconsLoaded_ = false;
}

void IconPreview::EnsurePreviewIcons() {
  if (iconsLoaded_) return;
  iconsLoaded_ = true;
  overlay_.reset(Extract(RegisteredOrShell32(
      ReadRegValue(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons", L"29"),
      systemFolder_, 29)));
  internetShortcut_.reset(Extract(RegisteredOrShell32(
      ReadRegValue(HKEY_CLASSES_ROOT, L"InternetShortcut\\DefaultIcon", L""), systemFolder_, 0)));
}

void IconPreview::ReleaseShown() {
  shown_ = nullptr;
  ownedShown_.reset();
}

void IconPreview::Show(HICON icon, bool owned) {
  EnsurePreviewIcons();
  ReleaseShown();
  shown_ = Usable(icon) ? icon : nullptr;
  if (owned) ownedShown_.reset(shown_);
  drawn_ = true;
  if (picture_) InvalidateRect(picture_, nullptr, TRUE);
}

void IconPreview::Clear() {
  ReleaseShown();
  drawn_ = false;
  if (setTooltip_) setTooltip_(L"");
  if (picture_) InvalidateRect(picture_, nullptr, TRUE);
}

int IconPreview::SetIconSource(const std::wstring& path) {
  source_.clear();
  Clear();
  const int count = IconCount(path);
  if (count > 0) {
    source_ = path;
    if (setTooltip_) setTooltip_(path);
  }
  return count;
}

void IconPreview::DrawIconFromSource(int index) {
  HICON icon = Extract({source_, index});
  if (Usable(icon)) {
    Show(icon, true);
  } else {
    EnsurePreviewIcons();
    drawn_ = true;  // the arrow still goes over the empty box
    if (picture_) InvalidateRect(picture_, nullptr, TRUE);
  }
}

void IconPreview::DrawAssociatedIcon(const std::wstring& path) {
  if (path.empty()) return;
  std::vector<wchar_t> buffer(path.begin(), path.end());
  buffer.resize(std::max<size_t>(buffer.size() + 1, MAX_PATH), L'\0');
  WORD index = 0;
  Show(ExtractAssociatedIconW(GetModuleHandleW(nullptr), buffer.data(), &index), true);
}

void IconPreview::DrawBitmapTypeIcon() {
  IconLocation location;
  const std::wstring type = ReadRegValue(HKEY_CLASSES_ROOT, L".bmp", L"");
  if (!type.empty()) location = ParseIconLocation(ReadRegValue(HKEY_CLASSES_ROOT, type + L"\\DefaultIcon", L""));
  if (TrimSpaces(location.file).empty()) location = {systemFolder_ + L"SHELL32.DLL", 0};
  Show(Extract(location), true);
}

void IconPreview::GetInetShortcutIconImage() {
  EnsurePreviewIcons();
  Show(internetShortcut_.get(), false);
}

bool IconPreview::ArrowShown() const { return drawn_ && overlay_ && !arrowHidden_; }

void IconPreview::SetArrowHidden(bool hidden) {
  arrowHidden_ = hidden;
  if (picture_) InvalidateRect(picture_, nullptr, TRUE);
}

void IconPreview::Paint(HDC dc, const RECT& area) const {
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  // An icon of the size the picture's monitor shows icons at.
  const UINT dpi = picture_ ? GetDpiForWindow(picture_) : 0;
  const int size = dpi ? GetSystemMetricsForDpi(SM_CXICON, dpi) : GetSystemMetrics(SM_CXICON);
  if (shown_) DrawIconEx(dc, area.left, area.top, shown_, size, size, 0, nullptr, DI_NORMAL);
  if (ArrowShown()) DrawIconEx(dc, area.left, area.top, overlay_.get(), size, size, 0, nullptr, DI_NORMAL);
}

}  // namespace pelmora
