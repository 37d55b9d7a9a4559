#include <dlfcn.h>
#include <gtest/gtest.h>

#include "foundation/values.h"
#include "quartz/geometry.h"
#include "uikit/color.h"

namespace {

using uikit::RGBA;

// Green 0x80 as the colour helpers compute it, at single precision.
const double kGreen80 = double(128.0f / 255.0f);
const RGBA kOrange{1, kGreen80, 0, 1};
const RGBA kClear{0, 0, 0, 0};

class HexColor : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(dlopen(LV_LIBRARY_PATH, RTLD_NOW), nullptr) << dlerror();
  }

  static RGBA fromString(std::string_view text) { return fromString(fnd::string(text)); }
  static RGBA fromString(id text) {
    return uikit::rgba(send<id>(objc_getClass("UIColor"), "pf_colorWithHexString:"_sel, text));
  }
  static RGBA fromNumber(long hex) {
    return uikit::rgba(send<id>(objc_getClass("UIColor"), "pf_colorWithHex:"_sel, hex));
  }

  rt::AutoreleasePool pool_;
};

// Six digits after an optional "#", "0x" or "0X#", in either case, with space around; any
// other length is clear. A group of two reads the digits it starts with ("F " reads F,
// "GG" nothing, " 8" skips the space). Lengths count after upper case: the ligature ﬀ is
// the two digits FF, ß the two letters SS.
TEST_F(HexColor, TextsGiveTheirColourOrTheClearColour) {
  const struct {
    const char* text;
    RGBA want;
  } cases[] = {
      {"#FF8000", kOrange}, {"FF8000", kOrange}, {"0xff8000", kOrange}, {"0X#ff8000", kOrange}, {" #FF8000", kOrange},
      {"FF8000\n", kOrange}, {"\t 0xff8000 \r\n", kOrange}, {"#FFF", kClear}, {"FFFF", kClear}, {"#FF800080", kClear},
      {"#FF800", kClear}, {"", kClear}, {"      ", kClear}, {"#0XFF8000", kClear}, {"0X0XFF8000", kClear},
      {"FF80001", kClear}, {"F 8000", {double(15.0f / 255.0f), kGreen80, 0, 1}}, {"GGHHZZ", {0, 0, 0, 1}},
      {"#0X0X0X", {0, 0, 0, 1}}, {"FF 8FF", {1, double(8.0f / 255.0f), 1, 1}}, {"\xC3\xA9\xC3\xA9" "FF00", {0, 1, 0, 1}},
      {"#\uFB008000", kOrange}, {"\u00DF" "FF80", {0, 1, kGreen80, 1}},
  };
  for (const auto& c : cases) EXPECT_EQ(fromString(c.text), c.want) << c.text;
  EXPECT_EQ(fromString(nil), kClear);
  Class colors = objc_getClass("UIColor");
  EXPECT_EQ(uikit::rgba(send<id>(colors, "pf_colorWithHexString:alpha:"_sel, fnd::string("#FF8000"), 0.3)),
            (RGBA{1, kGreen80, 0, 0.3}));
  EXPECT_EQ(uikit::rgba(send<id>(colors, "pf_colorWithHexString:alpha:"_sel, fnd::string("#FFF"), 0.3)), kClear);
}

TEST_F(HexColor, NumbersIgnoreBitsAbove23) {
  for (auto [hex, want] : {std::pair{0xFF8000L, kOrange}, {0x1FF8000L, kOrange}, {-1L, RGBA{1, 1, 1, 1}}, {0L, RGBA{0, 0, 0, 1}}})
    EXPECT_EQ(fromNumber(hex), want) << hex;
  id translucent = send<id>(objc_getClass("UIColor"), "pf_colorWithHex:alpha:"_sel, 0xFF8000L, 0.3f);
  EXPECT_EQ(uikit::rgba(translucent), (RGBA{1, kGreen80, 0, double(0.3f)}));
}

// A diagonal gradient as large as the view's bounds at the call, from one colour to the other.
TEST_F(HexColor, GradientCoversTheViewDiagonallyAndIsLeftToTheCaller) {
  Ref<> view = rt::create(objc_getClass("UIView"), "initWithFrame:"_sel, CGRectMake(20, 30, 100, 50));
  SEL gradient = "pf_setGradualChangingColor:fromColor:toColor:"_sel;
  id layer = send<id>(objc_getClass("UIColor"), gradient, view.get(), fnd::string("#FF8000"), fnd::string("#FFF"));
  ASSERT_NE(layer, nil);
  EXPECT_STREQ(class_getName(layer->isa), "CAGradientLayer");
  EXPECT_EQ(send<CGRect>(layer, "frame"_sel), CGRectMake(0, 0, 100, 50));
  const std::vector<Ref<>>& colors = fnd::arrayItems(send<id>(layer, "colors"_sel));
  ASSERT_EQ(colors.size(), 2u);
  EXPECT_EQ(std::pair(uikit::rgba(colors[0].get()), uikit::rgba(colors[1].get())), std::pair(kOrange, kClear));
  EXPECT_EQ(send<CGPoint>(layer, "endPoint"_sel), CGPointMake(1, 1));
  EXPECT_EQ(send<id>(layer, "superlayer"_sel), nil);

  send<void>(view.get(), "setBounds:"_sel, CGRectMake(5, 5, 10, 10));
  EXPECT_EQ(send<CGRect>(layer, "frame"_sel), CGRectMake(0, 0, 100, 50));
  id second = send<id>(objc_getClass("UIColor"), gradient, view.get(), nil, fnd::string("0x000000"));
  EXPECT_EQ(send<CGRect>(second, "frame"_sel), CGRectMake(5, 5, 10, 10));
  EXPECT_EQ(uikit::rgba(fnd::arrayItems(send<id>(second, "colors"_sel))[1].get()), (RGBA{0, 0, 0, 1}));
}

}  // namespace
