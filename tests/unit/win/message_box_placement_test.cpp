#include "win/message_box_placement.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(PlaceMessageBox, CentresAndPullsBackOntoTheScreen) {
  struct Case {
    const char* what;
    ScreenRect owner, box;
    long screenW, screenH;
    long x, y;
  } cases[] = {
      {"centred", {100, 100, 500, 400}, {0, 0, 200, 100}, 1024, 768, 200, 200},
      {"halves round to even, down", {0, 0, 301, 201}, {0, 0, 100, 100}, 1024, 768, 100, 50},
      {"halves round to even, up", {0, 0, 303, 203}, {0, 0, 100, 100}, 1024, 768, 102, 52},
      {"half off the left edge", {-300, 100, 100, 400}, {0, 0, 300, 100}, 1024, 768, 0, 200},
      {"past the right edge", {900, 100, 1300, 400}, {0, 0, 300, 100}, 1024, 768, 724, 200},
      {"above the top", {100, -400, 500, -100}, {0, 0, 200, 100}, 1024, 768, 200, 0},
      {"below the bottom: 90 % of the free height", {100, 700, 500, 900}, {0, 0, 200, 100}, 1024, 768, 200, 601},
      {"exactly at the bottom stays", {100, 618, 500, 818}, {0, 0, 200, 100}, 1024, 768, 200, 668},
      {"exactly at the right edge stays", {624, 100, 1224, 400}, {0, 0, 200, 100}, 1024, 768, 824, 200},
  };
  for (const auto& c : cases) {
    const ScreenPoint p = PlaceMessageBox(c.owner, c.box, c.screenW, c.screenH);
    EXPECT_EQ(p.x, c.x) << c.what;
    EXPECT_EQ(p.y, c.y) << c.what;
  }
}

// The window position restored at start-up is pulled back by the same rules: left before right,
// top before bottom, 90 % of the free height rounded with halves to even.
TEST(ClampOntoScreen, EdgesInTheirOrder) {
  struct Case {
    const char* what;
    ScreenPoint p;
    long width, height;
    long x, y;
  } cases[] = {
      {"on screen", {10, 20}, 300, 200, 10, 20},
      {"left of the screen", {-1, 20}, 300, 200, 0, 20},
      {"right edge one past", {725, 20}, 300, 200, 724, 20},
      {"right edge exactly", {724, 20}, 300, 200, 724, 20},
      {"wider than the screen: the right edge wins", {-50, 20}, 1200, 200, -176, 20},
      {"above the screen", {10, -1}, 300, 200, 10, 0},
      {"bottom one past: 90 % of 568", {10, 569}, 300, 200, 10, 511},
      {"bottom exactly", {10, 568}, 300, 200, 10, 568},
      {"90 % is 598.5: halves to even", {10, 700}, 300, 103, 10, 598},
      {"90 % is 589.5: halves to even", {10, 700}, 300, 113, 10, 590},
      {"taller than the screen", {10, -100}, 300, 1000, 10, -209},
  };
  for (const auto& c : cases) {
    const ScreenPoint p = ClampOntoScreen(c.p, c.width, c.height, 1024, 768);
    EXPECT_EQ(p.x, c.x) << c.what;
    EXPECT_EQ(p.y, c.y) << c.what;
  }
}

}  // namespace
}  // namespace pelmora
