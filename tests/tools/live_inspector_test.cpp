// Where the live inspector puts its caption beside the outlined view.
#include <gtest/gtest.h>

#include "tools/lvsim/core/live_inspector.h"

namespace {

TEST(LiveInspector, TheCaptionStaysOutsideTheViewAboveElseBelowAndInsideTheWindow) {
  const CGSize window{390, 844}, caption{200, 20};
  const struct {
    CGRect view;
    CGPoint expected;
    const char* what;
  } cases[] = {
      {{{50, 300}, {100, 40}}, {50, 276}, "above"},
      {{{50, 10}, {100, 40}}, {50, 54}, "below: no room above"},
      {{{300, 300}, {80, 40}}, {190, 276}, "moved left into the window"},
      {{{0, 0}, {390, 844}}, {0, 824}, "as tall as the window: at its foot"},
  };
  for (const auto& c : cases) {
    CGPoint at = lv::sim::captionOrigin(c.view, caption, window, 4);
    EXPECT_EQ(at.x, c.expected.x) << c.what;
    EXPECT_EQ(at.y, c.expected.y) << c.what;
  }
}

}  // namespace
