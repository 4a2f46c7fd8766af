// The ten small flat tool buttons beside the destinations and the target field: owner-drawn
// buttons that show an icon of the program, sized for the window's DPI. They look flat until
// the pointer rests on one that may be used, which then shows a raised frame, pushed while the
// left button is held. A left click (press and release on the button) sends the window the
// button's BN_CLICKED, as the keyboard's Space does; a press that leaves the button does nothing.
// The right button is left to the window's context help.
#pragma once
#include <windows.h>

#include <array>
#include <functional>

#include "app/tool_button_hover.h"
#include "win/handles.h"

namespace pelmora {

class FlatButtons {
 public:
  static constexpr int kCount = 10;
  // Whether button `index` may be used now (it stays flat and does nothing otherwise).
  using UsableTest = std::function<bool(int index)>;

  FlatButtons() = default;
  FlatButtons(const FlatButtons&) = delete;
  FlatButtons& operator=(const FlatButtons&) = delete;

  // `firstId` is the id of button 0; the others follow it.
  void Attach(HWND window, int firstId, UsableTest usable);
  // From now on the buttons follow the pointer and the left button (once the window is shown:
  // that needs the common controls library).
  void FollowPointer();
  // Loads the icons at the small-icon size of the window's DPI (again after a DPI change).
  void LoadIcons();
  // Button 4 (Quick Launch) has no folder on systems without one: it shows nothing.
  void Hide(int index);
  // Paints a button (WM_DRAWITEM); false when the item is not one of them.
  bool Draw(const DRAWITEMSTRUCT& item) const;
  // False for a hidden or disabled button, else what the window's test says.
  bool Usable(int index) const;

 private:
  static LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR index,
                                     DWORD_PTR self);
  LRESULT OnButtonMessage(HWND button, int index, UINT message, WPARAM wParam, LPARAM lParam);
  HWND Button(int index) const { return GetDlgItem(window_, firstId_ + index); }
  void Redraw(int index) const;

  HWND window_ = nullptr;
  int firstId_ = 0;
  int iconSize_ = 0;
  UsableTest usable_;
  ToolButtonHover hover_;
  // Four pictures (folder, target, copy, paste), each loaded once and shown by its buttons.
  std::array<win::IconHandle, 4> icons_;
  std::array<bool, kCount> hidden_{};
};

// The small-icon size for the window's DPI.
int SmallIconSize(HWND window);

}  // namespace pelmora
