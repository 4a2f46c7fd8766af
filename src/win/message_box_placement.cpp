#include "win/message_box_placement.h"

#include <cmath>

namespace pelmora {

// Rounds halves to even, as the box placement has always done.
static long RoundEven(double v) { return static_cast<long>(std::nearbyint(v)); }

ScreenPoint PlaceMessageBox(const ScreenRect& owner, const ScreenRect& box, long screenWidth,
                            long screenHeight) {
  const long boxWidth = box.right - box.left;
  const long boxHeight = box.bottom - box.top;
  ScreenPoint p;
  p.x = RoundEven(owner.left + (owner.right - owner.left) / 2.0 - boxWidth / 2.0);
  p.y = RoundEven(owner.top + (owner.bottom - owner.top) / 2.0 - boxHeight / 2.0);
  return ClampOntoScreen(p, boxWidth, boxHeight, screenWidth, screenHeight);
}

ScreenPoint ClampOntoScreen(ScreenPoint p, long width, long height, long screenWidth, long screenHeight) {
  if (p.x < 0) p.x = 0;
  if (p.x + width > screenWidth) p.x = screenWidth - width;
  if (p.y < 0) p.y = 0;
  if (p.y + height > screenHeight) p.y = RoundEven((screenHeight - height) * 0.9);
  return p;
}

}  // namespace pelmora
