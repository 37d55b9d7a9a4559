#include <gtest/gtest.h>

#include "uikit/view.h"
#include "view_support.h"

using namespace testing_support;

namespace {

// A size change asks for layout, a move does not; layoutIfNeeded starts at the highest
// flagged ancestor.
TEST(ViewLayout, PassLaysOutFlaggedViewsTopDownOnceAndResizedOnesInTheSamePass) {
  Ref<> root = makeRecordingView(1, CGRectMake(0, 0, 100, 100)), mid = makeRecordingView(2),
        leaf = makeRecordingView(3);
  send<void>(root, "addSubview:"_sel, mid);
  send<void>(mid, "addSubview:"_sel, leaf);
  uikit::runLayoutPass();
  takeEvents();
  send<void>(leaf, "setNeedsLayout"_sel);
  send<void>(root, "setNeedsLayout"_sel);
  send<void>(leaf, "setNeedsLayout"_sel);
  uikit::runLayoutPass();
  EXPECT_EQ(takeEvents(), (Events{"1:layout", "3:layout"}));
  uikit::runLayoutPass();
  EXPECT_TRUE(takeEvents().empty());
  send<void>(mid, "setFrame:"_sel, CGRectMake(0, 0, 20, 20));
  send<void>(leaf, "setCenter:"_sel, CGPointMake(4, 4));
  send<void>(leaf, "layoutIfNeeded"_sel);
  EXPECT_EQ(takeEvents(), Events{"2:layout"});
  send<void>(root, "setNeedsLayout"_sel);
  send<void>(leaf, "layoutIfNeeded"_sel);
  EXPECT_EQ(takeEvents(), Events{"1:layout"});

  // A view resized by its superview's layout is laid out in the same pass.
  static Ref<> child;
  Class cls = makeSubclass("UIView", "ResizingView");
  class_addMethod(cls, "layoutSubviews"_sel, +[](id self, SEL) {
    record(self, "layout");
    send<void>(child, "setFrame:"_sel, send<CGRect>(self, "bounds"_sel));
  }, "v@:");
  Ref<> parent = makeView(CGRectMake(0, 0, 50, 50), cls);
  child = makeRecordingView(2);
  send<void>(parent, "addSubview:"_sel, child);
  takeEvents();
  uikit::runLayoutPass();
  EXPECT_EQ(takeEvents(), (Events{"0:layout", "2:layout"}));
  child = nullptr;
}

}  // namespace
