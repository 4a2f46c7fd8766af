#include "win/message_box_placement.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

// The primary screen of 1024 x 768 with its taskbar left out, and a second screen to its right
// whose taskbar stands at its top.
constexpr ScreenRect kPrimary{0, 0, 1024, 768};
constexpr ScreenRect kBesideTaskbar{0, 0, 1024, 728};
constexpr ScreenRect kSecond{1024, 40, 2304, 1024};

TEST(PlaceMessageBox, CentresAndPullsBackIntoTheWorkArea) {
  struct Case {
    const char* what;
    ScreenRect owner, box, area;
    long x, y;
  } cases[] = {
      {"centred", {100, 100, 500, 400}, {0, 0, 200, 100}, kPrimary, 200, 200},
      {"halves round to even, down", {0, 0, 301, 201}, {0, 0, 100, 100}, kPrimary, 100, 50},
      {"halves round to even, up", {0, 0, 303, 203}, {0, 0, 100, 100}, kPrimary, 102, 52},
      {"half off the left edge", {-300, 100, 100, 400}, {0, 0, 300, 100}, kPrimary, 0, 200},
      {"past the right edge", {900, 100, 1300, 400}, {0, 0, 300, 100}, kPrimary, 724, 200},
      {"above the top", {100, -400, 500, -100}, {0, 0, 200, 100}, kPrimary, 200, 0},
      {"below the bottom: 90 % of the free height", {100, 700, 500, 900}, {0, 0, 200, 100}, kPrimary, 200, 601},
      {"exactly at the bottom stays", {100, 618, 500, 818}, {0, 0, 200, 100}, kPrimary, 200, 668},
      {"exactly at the right edge stays", {624, 100, 1224, 400}, {0, 0, 200, 100}, kPrimary, 824, 200},
      {"over the taskbar: 90 % of the height above it", {100, 600, 500, 900}, {0, 0, 200, 100}, kBesideTaskbar, 200,
       565},
      {"on the second screen it stays there", {1400, 300, 1800, 600}, {0, 0, 200, 100}, kSecond, 1500, 400},
      {"off the second screen's left edge: its left edge", {900, 300, 1100, 600}, {0, 0, 300, 100}, kSecond, 1024,
       400},
      {"under the second screen's top taskbar", {1400, -100, 1800, 100}, {0, 0, 200, 100}, kSecond, 1500, 40},
      {"below the second screen: 90 % below its top", {1400, 1000, 1800, 1200}, {0, 0, 200, 100}, kSecond, 1500,
       836},
  };
  for (const auto& c : cases) {
    const ScreenPoint p = PlaceMessageBox(c.owner, c.box, c.area);
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
    ScreenRect area;
    long x, y;
  } cases[] = {
      {"on screen", {10, 20}, 300, 200, kPrimary, 10, 20},
      {"left of the screen", {-1, 20}, 300, 200, kPrimary, 0, 20},
      {"right edge one past", {725, 20}, 300, 200, kPrimary, 724, 20},
      {"right edge exactly", {724, 20}, 300, 200, kPrimary, 724, 20},
      {"wider than the screen: the right edge wins", {-50, 20}, 1200, 200, kPrimary, -176, 20},
      {"above the screen", {10, -1}, 300, 200, kPrimary, 10, 0},
      {"bottom one past: 90 % of 568", {10, 569}, 300, 200, kPrimary, 10, 511},
      {"bottom exactly", {10, 568}, 300, 200, kPrimary, 10, 568},
      {"90 % is 598.5: halves to even", {10, 700}, 300, 103, kPrimary, 10, 598},
      {"90 % is 589.5: halves to even", {10, 700}, 300, 113, kPrimary, 10, 590},
      {"taller than the screen", {10, -100}, 300, 1000, kPrimary, 10, -209},
      {"on the second screen it stays", {1500, 300}, 300, 200, kSecond, 1500, 300},
      {"past the second screen's right edge", {2200, 300}, 300, 200, kSecond, 2004, 300},
      {"above the second screen's work area", {1500, 0}, 300, 200, kSecond, 1500, 40},
      {"over the taskbar", {10, 600}, 300, 200, kBesideTaskbar, 10, 475},
  };
  for (const auto& c : cases) {
    const ScreenPoint p = ClampOntoScreen(c.p, c.width, c.height, c.area);
    EXPECT_EQ(p.x, c.x) << c.what;
    EXPECT_EQ(p.y, c.y) << c.what;
  }
}

}  // namespace
}  // namespace pelmora
