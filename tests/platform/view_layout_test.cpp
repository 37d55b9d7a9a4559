#include <gtest/gtest.h>

#include "uikit/view.h"
#include "view_support.h"

using testing_support::events;
using testing_support::makeRecordingView;
using testing_support::makeView;

namespace {

TEST(ViewLayout, PassLaysOutFlaggedViewsTopDownOnce) {
  Ref<> root = makeRecordingView(1, CGRectMake(0, 0, 100, 100));
  Ref<> mid = makeRecordingView(2);
  Ref<> leaf = makeRecordingView(3);
  send<void>(root, "addSubview:"_sel, mid);
  send<void>(mid, "addSubview:"_sel, leaf);
  uikit::runLayoutPass();
  events().clear();

  send<void>(leaf, "setNeedsLayout"_sel);
  send<void>(root, "setNeedsLayout"_sel);
  send<void>(leaf, "setNeedsLayout"_sel);
  uikit::runLayoutPass();
  EXPECT_EQ(events(), (std::vector<std::string>{"1:layout", "3:layout"}));
  events().clear();
  uikit::runLayoutPass();
  EXPECT_TRUE(events().empty());

  // A size change asks for layout; a move does not.
  send<void>(mid, "setFrame:"_sel, CGRectMake(0, 0, 20, 20));
  send<void>(leaf, "setCenter:"_sel, CGPointMake(4, 4));
  send<void>(leaf, "layoutIfNeeded"_sel);
  EXPECT_EQ(events(), (std::vector<std::string>{"2:layout"}));

  // layoutIfNeeded starts at the highest flagged ancestor.
  events().clear();
  send<void>(root, "setNeedsLayout"_sel);
  send<void>(leaf, "layoutIfNeeded"_sel);
  EXPECT_EQ(events(), (std::vector<std::string>{"1:layout"}));
}

TEST(ViewLayout, ViewsResizedByTheirSuperviewsLayoutAreLaidOutInTheSamePass) {
  static Ref<> child;
  Class cls = testing_support::makeSubclass("UIView", "ResizingView");
  class_addMethod(cls, "layoutSubviews"_sel, +[](id self, SEL) {
    testing_support::record(self, "layout");
    send<void>(child, "setFrame:"_sel, send<CGRect>(self, "bounds"_sel));
  }, "v@:");
  Ref<> parent = makeView(CGRectMake(0, 0, 50, 50), cls);
  child = makeRecordingView(2);
  send<void>(parent, "addSubview:"_sel, child);
  events().clear();
  uikit::runLayoutPass();
  EXPECT_EQ(events(), (std::vector<std::string>{"0:layout", "2:layout"}));
  child = nullptr;
}

}  // namespace
