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

TEST_F(HexColor, SixDigitTextsWithPrefixesCaseAndSurroundingSpace) {
  EXPECT_FLOAT_EQ(float(kGreen80), 0.5019608f);
  for (const char* text : {"#FF8000", "FF8000", "0xff8000", "0X#ff8000", " #FF8000", "FF8000\n",
                           "\t 0xff8000 \r\n"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(fromString(text), kOrange);
  }
}

TEST_F(HexColor, NumbersIgnoreBitsAbove23) {
  EXPECT_EQ(fromNumber(0xFF8000), kOrange);
  EXPECT_EQ(fromNumber(0x1FF8000), kOrange);
  EXPECT_EQ(fromNumber(-1), (RGBA{1, 1, 1, 1}));
  EXPECT_EQ(fromNumber(0), (RGBA{0, 0, 0, 1}));
  id translucent = send<id>(objc_getClass("UIColor"), "pf_colorWithHex:alpha:"_sel, 0xFF8000L, 0.3f);
  EXPECT_EQ(uikit::rgba(translucent), (RGBA{1, kGreen80, 0, double(0.3f)}));
}

TEST_F(HexColor, TextsThatAreNotSixDigitsGiveTheClearColour) {
  for (const char* text : {"#FFF", "FFFF", "#FF800080", "#FF800", "", "      ", "#0XFF8000",
                           "0X0XFF8000", "FF80001"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(fromString(text), kClear);
  }
  EXPECT_EQ(fromString(nil), kClear);
}

TEST_F(HexColor, GroupsReadTheDigitsTheyStartWith) {
  // "F " reads F; "GG" reads nothing and gives zero; "0X" reads its 0; " 8" skips the space.
  EXPECT_EQ(fromString("F 8000"), (RGBA{double(15.0f / 255.0f), kGreen80, 0, 1}));
  EXPECT_EQ(fromString("GGHHZZ"), (RGBA{0, 0, 0, 1}));
  EXPECT_EQ(fromString("#0X0X0X"), (RGBA{0, 0, 0, 1}));
  EXPECT_EQ(fromString("FF 8FF"), (RGBA{1, double(8.0f / 255.0f), 1, 1}));
  EXPECT_EQ(fromString("\xC3\xA9\xC3\xA9" "FF00"), (RGBA{0, 1, 0, 1}));
}

TEST_F(HexColor, AlphaIsPassedThrough) {
  id color = send<id>(objc_getClass("UIColor"), "pf_colorWithHexString:alpha:"_sel,
                      fnd::string("#FF8000"), 0.3);
  EXPECT_EQ(uikit::rgba(color), (RGBA{1, kGreen80, 0, 0.3}));
  EXPECT_EQ(uikit::rgba(send<id>(objc_getClass("UIColor"), "pf_colorWithHexString:alpha:"_sel,
                                 fnd::string("#FFF"), 0.3)),
            kClear);
}

TEST_F(HexColor, GradientCoversTheViewDiagonallyAndIsLeftToTheCaller) {
  Ref<> view = rt::create(objc_getClass("UIView"), "initWithFrame:"_sel, CGRectMake(20, 30, 100, 50));
  id layer = send<id>(objc_getClass("UIColor"), "pf_setGradualChangingColor:fromColor:toColor:"_sel,
                      view.get(), fnd::string("#FF8000"), fnd::string("#FFF"));
  ASSERT_NE(layer, nil);
  EXPECT_STREQ(class_getName(layer->isa), "CAGradientLayer");
  EXPECT_EQ(send<CGRect>(layer, "frame"_sel), CGRectMake(0, 0, 100, 50));

  const std::vector<id>& colors = fnd::arrayItems(send<id>(layer, "colors"_sel));
  ASSERT_EQ(colors.size(), 2u);
  EXPECT_STREQ(class_getName(colors[0]->isa), "CGColor");
  EXPECT_EQ(uikit::rgba(colors[0]), kOrange);
  EXPECT_EQ(uikit::rgba(colors[1]), kClear);
  const std::vector<id>& locations = fnd::arrayItems(send<id>(layer, "locations"_sel));
  ASSERT_EQ(locations.size(), 2u);
  EXPECT_EQ(send<double>(locations[0], "doubleValue"_sel), 0);
  EXPECT_EQ(send<double>(locations[1], "doubleValue"_sel), 1);
  EXPECT_EQ(send<CGPoint>(layer, "startPoint"_sel), CGPointMake(0, 0));
  EXPECT_EQ(send<CGPoint>(layer, "endPoint"_sel), CGPointMake(1, 1));

  EXPECT_EQ(send<id>(layer, "superlayer"_sel), nil);
  send<void>(view.get(), "setBounds:"_sel, CGRectMake(5, 5, 10, 10));
  EXPECT_EQ(send<CGRect>(layer, "frame"_sel), CGRectMake(0, 0, 100, 50));
  id second = send<id>(objc_getClass("UIColor"), "pf_setGradualChangingColor:fromColor:toColor:"_sel,
                       view.get(), nil, fnd::string("0x000000"));
  EXPECT_EQ(send<CGRect>(second, "frame"_sel), CGRectMake(5, 5, 10, 10));
  EXPECT_EQ(uikit::rgba(fnd::arrayItems(send<id>(second, "colors"_sel))[1]), (RGBA{0, 0, 0, 1}));
}

}  // namespace
