#include <gtest/gtest.h>

#include "foundation/values.h"
#include "uikit/stack_view.h"
#include "uikit/text_measurer.h"
#include "constraint_support.h"
#include "view_support.h"

using namespace testing_support;

namespace {

Ref<> label(const char* text) {
  Ref<> l = rt::create(objc_getClass("UILabel"));
  send<void>(l, "setText:"_sel, fnd::string(text));
  return l;
}

Ref<> stackWith(CGRect frame, NSInteger axis, NSInteger alignment, NSInteger distribution,
                std::vector<Ref<>> views) {
  Ref<> stack = rt::create(objc_getClass("UIStackView"), "initWithArrangedSubviews:"_sel,
                           fnd::array(std::move(views)));
  send<void>(stack, "setFrame:"_sel, frame);
  send<void>(stack, "setAxis:"_sel, axis);
  send<void>(stack, "setAlignment:"_sel, alignment);
  send<void>(stack, "setDistribution:"_sel, distribution);
  return stack;
}

// The labels' widths are what their texts measure, at every layout pass.
TEST(UIStackView, VerticalCentredEqualSpacingPlacesTwoLabels) {
  uikit::setTextMeasurer(std::make_unique<uikit::FixedAdvanceMeasurer>(0.5, 1.25));
  Ref<> header = makeView(CGRectMake(0, 0, 320, 498));
  Ref<> title = label("Title"), artist = label("Artist name");
  Ref<> stack = stackWith(CGRectZero, UILayoutConstraintAxisVertical, UIStackViewAlignmentCenter,
                          UIStackViewDistributionEqualSpacing, {title});
  send<void>(header, "addSubview:"_sel, stack);
  send<void>(stack, "setTranslatesAutoresizingMaskIntoConstraints:"_sel, false);
  tie(stack.get(), "topAnchor"_sel, header.get(), "topAnchor"_sel, 315);
  tie(stack.get(), "leftAnchor"_sel, header.get(), "leftAnchor"_sel, 87.5);
  fix(stack.get(), "widthAnchor"_sel, 225);
  fix(stack.get(), "heightAnchor"_sel, 80);

  send<void>(stack, "addArrangedSubview:"_sel, artist);
  for (id l : {title.get(), artist.get()}) fix(l, "heightAnchor"_sel, 30);
  EXPECT_FALSE(send<bool>(artist, "translatesAutoresizingMaskIntoConstraints"_sel));
  uikit::runLayoutPass();
  EXPECT_EQ(frameOf(stack.get()), CGRectMake(87.5, 315, 225, 80));
  EXPECT_EQ(frameOf(title.get()), CGRectMake(91.25, 0, 42.5, 30));
  EXPECT_EQ(frameOf(artist.get()), CGRectMake(65.75, 50, 93.5, 30));
  send<void>(title, "setText:"_sel, fnd::string("A title"));  // measured again at the next pass
  uikit::runLayoutPass();
  EXPECT_EQ(frameOf(title.get()), CGRectMake(82.75, 0, 59.5, 30));
}

TEST(UIStackView, OnlyShownSubviewsThatStayInTheStackAreArranged) {
  Ref<> a = makeView(CGRectZero), b = makeView(CGRectZero), c = makeView(CGRectZero);
  Ref<> stack = stackWith(CGRectMake(0, 0, 90, 30), UILayoutConstraintAxisHorizontal,
                          UIStackViewAlignmentFill, UIStackViewDistributionFillEqually, {a, b, c});
  send<void>(stack, "setSpacing:"_sel, 10.0);
  send<void>(b, "setHidden:"_sel, true);
  uikit::runLayoutPass();
  EXPECT_EQ(frameOf(a.get()), CGRectMake(0, 0, 40, 30));
  EXPECT_EQ(frameOf(c.get()), CGRectMake(50, 0, 40, 30));
  send<void>(c, "removeFromSuperview"_sel);
  send<void>(stack, "addArrangedSubview:"_sel, a);  // moves it to the end
  EXPECT_EQ(fnd::arrayItems(send<id>(stack, "arrangedSubviews"_sel)), (std::vector<Ref<>>{b, a}));
  EXPECT_TRUE(fnd::arrayItems(nil).empty());
  send<void>(b, "setHidden:"_sel, false);
  uikit::runLayoutPass();
  EXPECT_EQ(frameOf(b.get()), CGRectMake(0, 0, 40, 30));
  EXPECT_EQ(frameOf(a.get()), CGRectMake(50, 0, 40, 30));
}

}  // namespace
