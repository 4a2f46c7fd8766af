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
      {"odd halves round to even", {0, 0, 301, 201}, {0, 0, 100, 100}, 1024, 768, 100, 50},
      {"half off the left edge", {-300, 100, 100, 400}, {0, 0, 300, 100}, 1024, 768, 0, 200},
      {"past the right edge", {900, 100, 1300, 400}, {0, 0, 300, 100}, 1024, 768, 724, 200},
      {"above the top", {100, -400, 500, -100}, {0, 0, 200, 100}, 1024, 768, 200, 0},
      {"below the bottom: 90 % of the free height", {100, 700, 500, 900}, {0, 0, 200, 100}, 1024, 768, 200, 601},
      {"exactly at the bottom stays", {100, 618, 500, 818}, {0, 0, 200, 100}, 1024, 768, 200, 668},
  };
  for (const auto& c : cases) {
    const ScreenPoint p = PlaceMessageBox(c.owner, c.box, c.screenW, c.screenH);
    EXPECT_EQ(p.x, c.x) << c.what;
    EXPECT_EQ(p.y, c.y) << c.what;
  }
}

}  // namespace
}  // namespace pelmora
