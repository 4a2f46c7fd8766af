#include <gtest/gtest.h>

#include <string>

#include "app/tool_button_hover.h"
#include "app/version_text.h"

namespace pelmora {
namespace {

TEST(VersionText, MinorWithTwoDigitsRevisionOnlyWhenThere) {
  const struct {
    unsigned major, minor, revision;
    const wchar_t* text;
  } cases[] = {
      {2, 9, 0, L"2.09"},    {2, 9, 3, L"2.09.3"}, {1, 0, 0, L"1.00"},
      {2, 10, 0, L"2.10"},   {0, 123, 45, L"0.123.45"},
  };
  for (const auto& c : cases) EXPECT_EQ(VersionText(c.major, c.minor, c.revision), c.text) << c.text;
}

// The pointer's and the left button's moves over the row, as a script: "o3" over button 3 while
// it may be used, "x3" over it while it may not, "d3" press, "u3" release, "l3" left. The
// result lists the buttons whose click completed, then the look of the row at the end.
std::string Play(const std::string& script) {
  ToolButtonHover hover;
  std::string clicks;
  for (std::size_t i = 0; i + 1 < script.size(); i += 3) {
    const int button = script[i + 1] - '0';
    switch (script[i]) {
      case 'o': hover.PointerOver(button, true); break;
      case 'x': hover.PointerOver(button, false); break;
      case 'd': hover.Press(button); break;
      case 'u':
        if (hover.Release(button)) clicks += std::to_string(button);
        break;
      case 'l': hover.PointerLeft(button); break;
      default: ADD_FAILURE() << script;
    }
  }
  const char* looks[] = {"flat", "raised", "pushed"};
  const int lit = hover.Lit();
  return clicks + "|" + (lit < 0 ? "flat" : std::to_string(lit) + looks[static_cast<int>(hover.LookOf(lit))]);
}

TEST(ToolButtonHover, ClickIsAPressAndAReleaseOnTheRaisedButton) {
  const std::pair<const char*, const char*> cases[] = {
      {"o0 d0 u0 d0 u0", "00|0raised"},  // two clicks on one visit
      {"o0 d0 o0 u0", "0|0raised"},      // moves on the pushed button keep it pushed
      {"o0 d0 l0 o0 u0", "|0raised"},    // pressed, moved off and back: no click
      {"o0 u0", "|0raised"},             // a release without the press
      {"x7 d7 u7", "|flat"},             // a button that may not be used stays flat
      {"x7 o7 d7 u7", "7|7raised"},      // ... until it may
      {"o1 o2 d2 u2", "|1raised"},       // the row has one lit button
      {"o1 l2 d1 u1", "1|1raised"},      // leaving another button changes nothing
      {"o1 l1 o2 d2 u2", "2|2raised"},
  };
  for (const auto& [script, result] : cases) EXPECT_EQ(Play(script), result) << script;
}

}  // namespace
}  // namespace pelmora
