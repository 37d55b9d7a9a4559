// The live window's status line, measured against the width of every window it can have.
#include <gtest/gtest.h>

#include "tools/lvsim/core/live_status.h"

namespace {

// Each part once at its longest: a long-running session with an app launched.
const lv::sim::LiveStatus kShort{}, kLong{.paused = true, .track = 4, .launched = "com.example.stream",
                                          .unlocks = 123456, .haptics = 123456, .seconds = 359999,
                                          .recording = {}};

TEST(LiveStatus, FitsEveryWindowWholeAndInOneLineWhereThereIsRoom) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
  cairo_t* cr = cairo_create(surface);
  // The widths in points of the profiles' lock screens, portrait and landscape, and the
  // window's scales from a small display to the device's.
  for (double points : {375.0, 390.0, 667.0, 810.0, 844.0, 1080.0})
    for (double scale : {0.5, 1.04, 2.0, 3.0})
      for (const lv::sim::LiveStatus* status : {&kShort, &kLong}) {
        lv::render::LayoutPtr layout = lv::sim::statusLayout(cr, lv::sim::statusParts(*status), scale, points * scale);
        std::string at = std::to_string(points) + " points at " + std::to_string(scale);
        EXPECT_FALSE(pango_layout_is_ellipsized(layout.get())) << at;
        EXPECT_LE(lv::render::layoutWidth(layout.get()), (points - 16) * scale) << at;
        EXPECT_LE(lv::render::layoutHeight(layout.get()), lv::sim::kStatusHeight * scale) << at;
        if (points >= 667) {
          EXPECT_EQ(pango_layout_get_line_count(layout.get()), 1) << at;
        }
      }
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
}

}  // namespace
