#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "render_support.h"

using namespace render_support;

namespace {

TEST_F(Scene, PictureWritesAPngThatReadsBackAndStartsAtTheWindowOrigin) {
  window = makeWindow(10, 5);
  send<void>(window, "setFrame:"_sel, CGRectMake(100, 50, 10, 5));
  addView(window, CGRectMake(0, 0, 5, 5), color(1, 0, 0));
  render::Picture p = draw(renderer, window, 2);
  EXPECT_EQ(p.pixel(5, 5), kRed);
  EXPECT_EQ(p.pixel(15, 5), kWhite);
  std::string path = testing::TempDir() + "render_picture_test.png";
  ASSERT_FALSE(p.writePng(path));
  cairo_surface_t* back = cairo_image_surface_create_from_png(path.c_str());
  ASSERT_EQ(cairo_surface_status(back), CAIRO_STATUS_SUCCESS);
  EXPECT_EQ(cairo_image_surface_get_width(back), 20);
  EXPECT_EQ(cairo_image_surface_get_height(back), 10);
  cairo_surface_destroy(back);
  std::remove(path.c_str());
}

TEST(Picture, UnwritablePathGivesThePathAndTheReason) {
  render::Picture p(2, 2, 1);
  EXPECT_EQ(p.writePng("/nonexistent-folder/frame.png")->message(),
            "cannot write /nonexistent-folder/frame.png: No such file or directory");
  const struct {
    std::string path, reason;
  } cases[] = {{testing::TempDir(), "Is a directory"}, {"/dev/full", "not a regular file"}};
  for (const auto& c : cases) {
    auto error = p.writePng(c.path);
    ASSERT_TRUE(error) << c.path;
    EXPECT_EQ(error->path, c.path);
    EXPECT_EQ(error->reason, c.reason);
  }
}

TEST_F(Scene, RendererRefusesWhatItCannotRender) {
  EXPECT_EQ(renderer.renderWindow(nil, 1).error().reason, "nothing to render: not a view");
  EXPECT_FALSE(renderer.renderWindow(color(0, 0, 0), 1));
  for (double scale : {0.0, -2.0, std::nan(""), 1e6}) EXPECT_FALSE(renderer.renderWindow(window, scale)) << scale;
  EXPECT_EQ(renderer.renderWindow(makeWindow(0, 10), 1).error().reason, "the window has no area to render");
}

}  // namespace
