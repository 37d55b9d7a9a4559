#include <gtest/gtest.h>

#include "uikit/view.h"
#include "view_support.h"

using testing_support::makeView;

namespace {

NSInteger sizeClassOf(id controller) {
  return send<NSInteger>(send<id>(controller, "traitCollection"_sel), "verticalSizeClass"_sel);
}

TEST(ViewController, ViewIsMadeOnFirstRequestAndKept) {
  Ref<> controller = rt::create("UIViewController");
  EXPECT_FALSE(send<bool>(controller, "isViewLoaded"_sel));
  id view = send<id>(controller, "view"_sel);
  ASSERT_NE(view, nil);
  EXPECT_TRUE(rt::isKindOfClass(view, objc_getClass("UIView")));
  EXPECT_TRUE(send<bool>(controller, "isViewLoaded"_sel));
  EXPECT_EQ(send<id>(controller, "view"_sel), view);
  EXPECT_EQ(sizeClassOf(controller), UIUserInterfaceSizeClassUnspecified);
}

TEST(ViewController, TraitsAreThoseOfItsView) {
  Ref<> controller = rt::create("UIViewController");
  Ref<> window = makeView(CGRectMake(0, 0, 844, 390), "UIWindow");
  Ref<> view = makeView(CGRectZero);
  send<void>(controller, "setView:"_sel, view);
  send<void>(window, "addSubview:"_sel, view);
  uikit::setVerticalSizeClass(window, UIUserInterfaceSizeClassCompact);
  EXPECT_EQ(sizeClassOf(controller), UIUserInterfaceSizeClassCompact);
}

// A controller that keeps its view in a member of its own, as the host's do.
TEST(ViewController, TraitsFollowASubclassesOwnView) {
  static Ref<> own;
  Class cls = testing_support::makeSubclass("UIViewController", "OwnViewController");
  class_addMethod(cls, "view"_sel, +[](id, SEL) { return own.get(); }, "@@:");
  own = makeView(CGRectZero);
  uikit::setVerticalSizeClass(own, UIUserInterfaceSizeClassCompact);
  Ref<> controller = rt::create(cls);
  EXPECT_EQ(sizeClassOf(controller), UIUserInterfaceSizeClassCompact);
  own = nullptr;
}

}  // namespace
