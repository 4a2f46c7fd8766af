// The icon preview of the main window: the icon the shortcut will carry, with the shell's
// shortcut arrow over it unless the user turned that off.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "win/handles.h"

namespace pelmora {

class IconPreview {
 public:
  IconPreview() = default;
  IconPreview(const IconPreview&) = delete;
  IconPreview& operator=(const IconPreview&) = delete;

  // `picture` is the preview control; `setTooltip` sets its tooltip.
  void Attach(HWND picture, std::function<void(const std::wstring&)> setTooltip);
  // The arrow overlay and the internet-shortcut icon, kept until the window closes; read from
  // the system when first needed.
  void LoadPreviewIcons(const std::wstring& systemFolder);

  // Clears the tooltip and the picture; when `path` holds icons it becomes the source that
  // DrawIconFromSource draws from, and the tooltip. Returns the number of icons in it.
  int SetIconSource(const std::wstring& path);
  void DrawIconFromSource(int index);
  // The user's choice not to see the shortcut arrow; the picture is redrawn.
  void SetArrowHidden(bool hidden);
  void DrawAssociatedIcon(const std::wstring& path);
  void DrawBitmapTypeIcon();
  void GetInetShortcutIconImage();
  // Empties the picture (and its tooltip).
  void Clear();

  // Paints the preview (owner-drawn control).
  void Paint(HDC dc, const RECT& area) const;
 private:
  bool ArrowShown() const;
  void EnsurePreviewIcons();
  void Show(HICON icon, bool owned);
  void ReleaseShown();

  HWND picture_ = nullptr;
  std::function<void(const std::wstring&)> setTooltip_;
  std::wstring systemFolder_;
  std::wstring source_;  // the file the icons are drawn from
  bool arrowHidden_ = false;
  bool iconsLoaded_ = false;
  win::IconHandle overlay_;
  win::IconHandle internetShortcut_;
  HICON shown_ = nullptr;        // what is drawn: owned below, or one of the two above
  win::IconHandle ownedShown_;
  bool drawn_ = false;  // a drawing ran since the last clear (the arrow goes over it)
};

}  // namespace pelmora
