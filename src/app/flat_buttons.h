// The ten small flat buttons beside the destinations and the target field: owner-drawn
// buttons that show an icon of the program, sized for the window's DPI.
#pragma once
#include <windows.h>

#include <array>

#include "win/handles.h"

namespace pelmora {

class FlatButtons {
 public:
  static constexpr int kCount = 10;

  // `firstId` is the id of button 0; the others follow it.
  void Attach(HWND window, int firstId);
  // Loads the icons at the small-icon size of the window's DPI (again after a DPI change).
  void LoadIcons();
  // Button 4 (Quick Launch) has no folder on systems without one: it shows nothing.
  void Hide(int index);
  // Paints a button (WM_DRAWITEM); false when the item is not one of them.
  bool Draw(const DRAWITEMSTRUCT& item) const;

 private:
  HWND window_ = nullptr;
  int firstId_ = 0;
  int iconSize_ = 0;
  // Four pictures (folder, target, copy, paste), each loaded once and shown by its buttons.
  std::array<win::IconHandle, 4> icons_;
  std::array<bool, kCount> hidden_{};
};

// The small-icon size for the window's DPI.
int SmallIconSize(HWND window);

}  // namespace pelmora
