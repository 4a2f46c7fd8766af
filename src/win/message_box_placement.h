// Where a message box goes: centred on the window activated last, pulled back onto the screen.
#pragma once

namespace pelmora {

struct ScreenRect {
  long left = 0, top = 0, right = 0, bottom = 0;
};
struct ScreenPoint {
  long x = 0, y = 0;
};

// Pulls a window of the given size at `p` back onto the screen: left edge not below 0, right
// edge not past the screen (in that order); top edge not below 0; a window that would reach
// below the screen sits at 90 % of the free height.
ScreenPoint ClampOntoScreen(ScreenPoint p, long width, long height, long screenWidth, long screenHeight);

// Centre of `owner`, then: left edge not below 0, right edge not past the screen; top edge not
// below 0; a box that would reach below the screen sits at 90 % of the free height.
ScreenPoint PlaceMessageBox(const ScreenRect& owner, const ScreenRect& box, long screenWidth,
                            long screenHeight);

}  // namespace pelmora
