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

// A controller's traits are its view's, also when a subclass keeps the view in a member
// of its own, as the host's do.
TEST(ViewController, TraitsAreThoseOfItsViewOrASubclassesOwnView) {
  static Ref<> own;
  Class cls = testing_support::makeSubclass("UIViewController", "OwnViewController");
  class_addMethod(cls, "view"_sel, +[](id, SEL) { return own.get(); }, "@@:");
  Ref<> window = makeView(CGRectMake(0, 0, 844, 390), "UIWindow");
  own = makeView(CGRectZero);
  Ref<> controller = rt::create("UIViewController"), subclassed = rt::create(cls);
  send<void>(controller, "setView:"_sel, own);
  send<void>(window, "addSubview:"_sel, own);
  uikit::setVerticalSizeClass(window, UIUserInterfaceSizeClassCompact);
  for (id c : {controller.get(), subclassed.get()}) EXPECT_EQ(sizeClassOf(c), UIUserInterfaceSizeClassCompact);
  own = nullptr;
}

}  // namespace
