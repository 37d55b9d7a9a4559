#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <utility>

#include "render_support.h"

using namespace render_support;

namespace {

// Read back as an image, on a blue window: the picture's pixels and size. A path that cannot
// be written gives the path and the reason.
TEST_F(Scene, PictureWritesAPngThatReadsBackAndStartsAtTheWindowOrigin) {
  window = makeWindow(10, 5);
  send<void>(window, "setFrame:"_sel, CGRectMake(100, 50, 10, 5));
  addView(window.get(), CGRectMake(0, 0, 5, 5), color(1, 0, 0));
  lv::render::Picture picture = draw(renderer, window.get(), 2);
  std::string path = testing::TempDir() + "render_picture_test.png";
  ASSERT_TRUE(picture.writePng(path));
  id image = send<id>(objc_getClass("UIImage"), "imageWithContentsOfFile:"_sel, fnd::string(path));
  std::remove(path.c_str());
  EXPECT_EQ(send<CGSize>(image, "size"_sel), CGSizeMake(20, 10));
  Ref<> blue = makeView(CGRectMake(0, 0, 20, 10), color(0, 0, 1), "UIWindow");
  send<void>(addView(blue.get(), CGRectMake(0, 0, 20, 10), nil, "UIImageView"), "setImage:"_sel, image);
  lv::render::Picture back = draw(renderer, blue.get());
  EXPECT_EQ(back.pixel(9, 9), kRed);
  EXPECT_EQ(back.pixel(10, 0), kWhite);

  const std::pair<std::string, std::string> unwritable[] = {{"/nonexistent-folder/frame.png", "No such file or directory"},
                                                            {testing::TempDir(), "Is a directory"},
                                                            {"/dev/full", "not a regular file"}};
  for (const auto& [where, reason] : unwritable) {
    auto written = picture.writePng(where);
    ASSERT_FALSE(written) << where;
    EXPECT_EQ(written.error().path, where);
    EXPECT_EQ(written.error().message(), "cannot write " + where + ": " + reason);
  }
}

TEST_F(Scene, RendererRefusesWhatItCannotRender) {
  EXPECT_EQ(renderer.renderWindow(nil, 1).error().reason, "nothing to render: not a view");
  EXPECT_FALSE(renderer.renderWindow(color(0, 0, 0), 1));
  for (double scale : {0.0, -2.0, std::nan(""), 1e6}) EXPECT_FALSE(renderer.renderWindow(window.get(), scale)) << scale;
  EXPECT_EQ(renderer.renderWindow(makeWindow(0, 10).get(), 1).error().reason, "the window has no area to render");
}

}  // namespace
