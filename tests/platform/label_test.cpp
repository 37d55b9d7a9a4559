#include <gtest/gtest.h>

#include "foundation/values.h"
#include "uikit/font.h"
#include "uikit/label.h"
#include "uikit/text_measurer.h"
#include "view_support.h"

using testing_support::takeEvents;

namespace {

id font(CGFloat size) { return send<id>(objc_getClass("UIFont"), "systemFontOfSize:"_sel, size); }
CGSize intrinsicSize(id label) { return send<CGSize>(label, "intrinsicContentSize"_sel); }

// Labels measured at exactly 0.5 em per character and 1.25 em per line.
class LabelTest : public testing::Test {
 protected:
  void SetUp() override { uikit::setTextMeasurer(std::make_unique<uikit::FixedAdvanceMeasurer>(0.5, 1.25)); }
  void setText(const char* text) { send<void>(label, "setText:"_sel, text ? fnd::string(text) : nil); }
  void setFont(id f) { send<void>(label, "setFont:"_sel, f); }
  Ref<> label = testing_support::makeView(CGRectMake(5, 6, 0, 0), "UILabel");
};

// nil restores the defaults rather than leaving the label without a font or colour.
TEST_F(LabelTest, SizeToFitMeasuresAgainWithEveryFontObjectEvenAnEqualOne) {
  EXPECT_EQ(send<CGSize>(label, "shadowOffset"_sel), CGSizeMake(0, -1));
  setFont(font(30));
  setFont(nil);
  send<void>(label, "setTextColor:"_sel, nil);
  EXPECT_NE(send<id>(label, "textColor"_sel), nil);
  setText("abcdefgh");
  send<void>(label, "sizeToFit"_sel);
  EXPECT_EQ(testing_support::frameOf(label.get()), CGRectMake(5, 6, 68, 21.25));
  for (id f : {font(11), font(11)}) {
    setFont(f);
    EXPECT_EQ(send<id>(label, "font"_sel), f);
    EXPECT_EQ(intrinsicSize(label.get()), CGSizeMake(44, 13.75));
  }
  send<void>(label, "sizeToFit"_sel);
  EXPECT_EQ(testing_support::frameOf(label.get()).size, CGSizeMake(44, 13.75));
  EXPECT_EQ(send<CGSize>(label, "sizeThatFits:"_sel, CGSizeMake(10, 10)), CGSizeMake(44, 13.75));
}

// Lines beyond the limit are not measured.
TEST_F(LabelTest, TextAndAttributedTextShareTheCharactersUpToTheLineLimit) {
  setText("plain");
  EXPECT_EQ(fnd::utf8(send<id>(send<id>(label, "attributedText"_sel), "string"_sel)), "plain");
  send<void>(label, "setAttributedText:"_sel, fnd::attributedString(fnd::string("rich text")));
  EXPECT_EQ(fnd::utf8(send<id>(label, "text"_sel)), "rich text");
  EXPECT_EQ(intrinsicSize(label.get()).width, 76.5);
  setText(nullptr);
  EXPECT_EQ(send<id>(label, "attributedText"_sel), nil);
  EXPECT_EQ(intrinsicSize(label.get()), CGSize{});
  setText("ab\nabcdef\nabcd");
  setFont(font(10));
  for (auto [lines, size] : {std::pair{1L, CGSizeMake(10, 12.5)}, {2L, CGSizeMake(30, 25)}, {0L, CGSizeMake(30, 37.5)}}) {
    send<void>(label, "setNumberOfLines:"_sel, lines);
    EXPECT_EQ(intrinsicSize(label.get()), size) << lines;
  }
}

TEST_F(LabelTest, ChangesThatAlterItsSizeAskTheSuperviewForLayout) {
  Ref<> parent = testing_support::makeRecordingView(1, CGRectMake(0, 0, 100, 100));
  setText("one");
  send<void>(parent, "addSubview:"_sel, label);
  uikit::runLayoutPass();
  takeEvents();
  setText("one");
  send<void>(label, "setTextColor:"_sel, send<id>(objc_getClass("UIColor"), "whiteColor"_sel));
  setFont(font(17));
  uikit::runLayoutPass();
  EXPECT_TRUE(takeEvents().empty());
  setText("two");
  uikit::runLayoutPass();
  EXPECT_EQ(takeEvents(), testing_support::Events{"1:layout"});
}

}  // namespace
