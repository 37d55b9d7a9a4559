#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "render_support.h"

using namespace render_support;

namespace {

TEST(Picture, WritesAPngThatReadsBack) {
  rt::AutoreleasePool pool;
  render::Renderer renderer;
  Ref<> window = makeWindow(10, 5);
  addView(window, CGRectMake(0, 0, 5, 5), color(1, 0, 0));
  render::Picture p = draw(renderer, window, 2);
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
  std::string path = "/nonexistent-folder/frame.png";
  auto error = p.writePng(path);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->path, path);
  EXPECT_EQ(error->reason, "No such file or directory");
  EXPECT_EQ(error->message(), "cannot write " + path + ": No such file or directory");

  error = p.writePng(testing::TempDir());
  ASSERT_TRUE(error);
  EXPECT_EQ(error->reason, "Is a directory");

  error = p.writePng("/dev/full");
  ASSERT_TRUE(error) << "a device is not replaced by a file";
  EXPECT_EQ(error->reason, "not a regular file");
}

TEST(Renderer, RefusesWhatItCannotRender) {
  rt::AutoreleasePool pool;
  render::Renderer renderer;
  Ref<> window = makeWindow(10, 10);
  EXPECT_EQ(renderer.renderWindow(nil, 1).error().reason, "nothing to render: not a view");
  EXPECT_FALSE(renderer.renderWindow(color(0, 0, 0), 1));
  EXPECT_FALSE(renderer.renderWindow(window, 0));
  EXPECT_FALSE(renderer.renderWindow(window, -2));
  EXPECT_FALSE(renderer.renderWindow(window, std::nan("")));
  EXPECT_FALSE(renderer.renderWindow(window, 1e6));
  Ref<> empty = makeWindow(0, 10);
  EXPECT_EQ(renderer.renderWindow(empty, 1).error().reason, "the window has no area to render");
}

TEST(Renderer, WindowFrameOriginIsThePictureOrigin) {
  rt::AutoreleasePool pool;
  render::Renderer renderer;
  Ref<> window = makeWindow(20, 20);
  send<void>(window, "setFrame:"_sel, CGRectMake(100, 50, 20, 20));
  addView(window, CGRectMake(0, 0, 10, 10), color(1, 0, 0));
  render::Picture p = draw(renderer, window);
  EXPECT_EQ(p.width(), 20);
  EXPECT_EQ(p.pixel(5, 5), kRed);
  EXPECT_EQ(p.pixel(15, 15), kWhite);
}

}  // namespace
