#include "win/message_box_placement.h"

#include <cmath>

namespace pelmora {

// Rounds halves to even, as the box placement has always done.
static long RoundEven(double v) { return static_cast<long>(std::nearbyint(v)); }

ScreenPoint PlaceMessageBox(const ScreenRect& owner, const ScreenRect& box, const ScreenRect& area) {
  const long boxWidth = box.right - box.left;
  const long boxHeight = box.bottom - box.top;
  ScreenPoint p;
  p.x = RoundEven(owner.left + (owner.right - owner.left) / 2.0 - boxWidth / 2.0);
  p.y = RoundEven(owner.top + (owner.bottom - owner.top) / 2.0 - boxHeight / 2.0);
  return ClampOntoScreen(p, boxWidth, boxHeight, area);
}

ScreenPoint ClampOntoScreen(ScreenPoint p, long width, long height, const ScreenRect& area) {
  if (p.x < area.left) p.x = area.left;
  if (p.x + width > area.right) p.x = area.right - width;
  if (p.y < area.top) p.y = area.top;
  if (p.y + height > area.bottom) p.y = area.top + RoundEven((area.bottom - area.top - height) * 0.9);
  return p;
}

}  // namespace pelmora
