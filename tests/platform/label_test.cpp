#include <gtest/gtest.h>

#include "foundation/values.h"
#include "uikit/font.h"
#include "uikit/label.h"
#include "uikit/text_measurer.h"
#include "view_support.h"

using testing_support::events;
using testing_support::makeRecordingView;
using testing_support::makeView;

namespace {

id font(CGFloat size, CGFloat weight = UIFontWeightRegular) {
  return send<id>(objc_getClass("UIFont"), "systemFontOfSize:weight:"_sel, size, weight);
}

Ref<> makeLabel(const char* text) {
  Ref<> label = makeView(CGRectMake(5, 6, 0, 0), "UILabel");
  send<void>(label, "setText:"_sel, fnd::string(text));
  return label;
}

TEST(UILabel, DefaultsTheMarqueeReadsComeBackWhenNilIsSet) {
  rt::AutoreleasePool pool;
  Ref<> label = rt::create(objc_getClass("UILabel"));
  id f = send<id>(label, "font"_sel);
  EXPECT_TRUE(send<bool>(f, "isEqual:"_sel, font(17)));
  EXPECT_EQ(send<CGSize>(label, "shadowOffset"_sel), CGSizeMake(0, -1));
  // nil restores the defaults rather than leaving the label without a font or colour.
  send<void>(label, "setFont:"_sel, nil);
  send<void>(label, "setTextColor:"_sel, nil);
  EXPECT_TRUE(send<bool>(send<id>(label, "font"_sel), "isEqual:"_sel, font(17)));
  EXPECT_NE(send<id>(label, "textColor"_sel), nil);
}

TEST(UILabel, SizeToFitGivesTheMeasuredWidthAndLineHeight) {
  rt::AutoreleasePool pool;
  Ref<> label = makeLabel("Midnight City");
  id medium = font(17, UIFontWeightMedium);
  send<void>(label, "setFont:"_sel, medium);
  send<void>(label, "sizeToFit"_sel);
  uikit::FontFace face = uikit::fontFace(medium);
  CGRect frame = send<CGRect>(label, "frame"_sel);
  EXPECT_EQ(frame.origin, CGPointMake(5, 6));
  EXPECT_EQ(frame.size.width, uikit::measureText(face, "Midnight City").width);
  EXPECT_EQ(frame.size.height, send<CGFloat>(medium, "lineHeight"_sel));
  EXPECT_EQ(send<CGSize>(label, "intrinsicContentSize"_sel), frame.size);
  EXPECT_EQ(send<CGSize>(label, "sizeThatFits:"_sel, CGSizeMake(10, 10)), frame.size);
}

TEST(UILabel, EqualTextWithAnotherFontObjectMeasuresAgain) {
  rt::AutoreleasePool pool;
  uikit::setTextMeasurer(std::make_unique<uikit::FixedAdvanceMeasurer>(0.5, 1.25));
  Ref<> label = makeLabel("abcdefgh");
  send<void>(label, "sizeToFit"_sel);
  EXPECT_EQ(send<CGRect>(label, "frame"_sel).size, CGSizeMake(68, 21.25));

  id small = font(11);
  send<void>(label, "setFont:"_sel, small);
  send<void>(label, "sizeToFit"_sel);
  EXPECT_EQ(send<id>(label, "font"_sel), small);
  EXPECT_EQ(send<CGRect>(label, "frame"_sel).size, CGSizeMake(44, 13.75));

  id equal = font(11);
  send<void>(label, "setFont:"_sel, equal);
  EXPECT_EQ(send<id>(label, "font"_sel), equal);
  EXPECT_EQ(send<CGSize>(label, "intrinsicContentSize"_sel), CGSizeMake(44, 13.75));
}

TEST(UILabel, TextAndAttributedTextShareTheCharactersUpToTheLineLimit) {
  rt::AutoreleasePool pool;
  uikit::setTextMeasurer(std::make_unique<uikit::FixedAdvanceMeasurer>(0.5, 1.25));
  Ref<> label = makeLabel("plain");
  id attributed = send<id>(label, "attributedText"_sel);
  EXPECT_EQ(fnd::utf8(send<id>(attributed, "string"_sel)), "plain");

  id rich = fnd::attributedString(fnd::string("rich text"));
  send<void>(label, "setAttributedText:"_sel, rich);
  EXPECT_EQ(fnd::utf8(send<id>(label, "text"_sel)), "rich text");
  EXPECT_EQ(send<CGSize>(label, "intrinsicContentSize"_sel).width, 76.5);

  send<void>(label, "setText:"_sel, nil);
  EXPECT_EQ(send<id>(label, "attributedText"_sel), nil);
  EXPECT_EQ(send<CGSize>(label, "intrinsicContentSize"_sel), CGSize{});

  // Lines beyond the limit are not measured.
  send<void>(label, "setText:"_sel, fnd::string("ab\nabcdef\nabcd"));
  send<void>(label, "setFont:"_sel, font(10));
  EXPECT_EQ(send<CGSize>(label, "intrinsicContentSize"_sel), CGSizeMake(10, 12.5));
  send<void>(label, "setNumberOfLines:"_sel, 2L);
  EXPECT_EQ(send<CGSize>(label, "intrinsicContentSize"_sel), CGSizeMake(30, 25));
  send<void>(label, "setNumberOfLines:"_sel, 0L);
  EXPECT_EQ(send<CGSize>(label, "intrinsicContentSize"_sel), CGSizeMake(30, 37.5));
}

TEST(UILabel, ChangesThatAlterItsSizeAskTheSuperviewForLayout) {
  rt::AutoreleasePool pool;
  Ref<> parent = makeRecordingView(1, CGRectMake(0, 0, 100, 100));
  Ref<> label = makeLabel("one");
  send<void>(parent, "addSubview:"_sel, label);
  uikit::runLayoutPass();
  events().clear();

  send<void>(label, "setText:"_sel, fnd::string("one"));
  send<void>(label, "setTextColor:"_sel, send<id>(objc_getClass("UIColor"), "whiteColor"_sel));
  send<void>(label, "setFont:"_sel, font(17));
  uikit::runLayoutPass();
  EXPECT_TRUE(events().empty());

  send<void>(label, "setText:"_sel, fnd::string("two"));
  uikit::runLayoutPass();
  EXPECT_EQ(events(), std::vector<std::string>{"1:layout"});
}

}  // namespace
