#include <gtest/gtest.h>

#include "uikit/view.h"
#include "view_support.h"

using testing_support::makeView;

namespace {

NSInteger sizeClassOf(id controller) {
  return send<NSInteger>(send<id>(controller, "traitCollection"_sel), "verticalSizeClass"_sel);
}

// A controller makes its view when first asked and keeps it. Its traits are its view's, also
// when a subclass keeps the view in a member of its own, as the host's do.
TEST(ViewController, ViewIsMadeOnFirstRequestAndGivesTheTraits) {
  Ref<> controller = rt::create("UIViewController");
  EXPECT_FALSE(send<bool>(controller, "isViewLoaded"_sel));
  id made = send<id>(controller, "view"_sel);
  EXPECT_TRUE(rt::isKindOfClass(made, objc_getClass("UIView")));
  EXPECT_TRUE(send<bool>(controller, "isViewLoaded"_sel));
  EXPECT_EQ(send<id>(controller, "view"_sel), made);
  EXPECT_EQ(sizeClassOf(controller), UIUserInterfaceSizeClassUnspecified);

  static Ref<> own;
  Class cls = testing_support::makeSubclass("UIViewController", "OwnViewController");
  class_addMethod(cls, "view"_sel, +[](id, SEL) { return own.get(); }, "@@:");
  Ref<> window = makeView(CGRectMake(0, 0, 844, 390), "UIWindow"), subclassed = rt::create(cls);
  own = testing_support::addChild(window, CGRectZero);
  send<void>(controller, "setView:"_sel, own);
  uikit::setVerticalSizeClass(window, UIUserInterfaceSizeClassCompact);
  for (id c : {controller.get(), subclassed.get()}) EXPECT_EQ(sizeClassOf(c), UIUserInterfaceSizeClassCompact);
  own = nullptr;
}

}  // namespace
