// Where a message box goes: centred on the window activated last, pulled back into the work area
// of the monitor concerned (its taskbar left out).
#pragma once

namespace pelmora {

struct ScreenRect {
  long left = 0, top = 0, right = 0, bottom = 0;
};
struct ScreenPoint {
  long x = 0, y = 0;
};

// Pulls a window of the given size at `p` back into `area`: left edge not before the area's,
// right edge not past it (in that order); top edge not above the area's; a window that would
// reach below the area sits at 90 % of the free height below the area's top.
ScreenPoint ClampOntoScreen(ScreenPoint p, long width, long height, const ScreenRect& area);

// Centre of `owner`, then pulled back into `area` as ClampOntoScreen does.
ScreenPoint PlaceMessageBox(const ScreenRect& owner, const ScreenRect& box, const ScreenRect& area);

}  // namespace pelmora
