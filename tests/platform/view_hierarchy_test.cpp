#include <gtest/gtest.h>

#include <algorithm>

#include "foundation/values.h"
#include "substrate/substrate.h"
#include "uikit/view.h"
#include "view_support.h"

using namespace testing_support;

namespace {

std::vector<long> tagsOfSubviews(id view) {
  std::vector<long> tags;
  for (const Ref<>& sub : fnd::arrayItems(send<id>(view, "subviews"_sel))) tags.push_back(send<long>(sub, "tag"_sel));
  return tags;
}

void add(id parent, id child) { send<void>(parent, "addSubview:"_sel, child); }

// Of a view or a view controller.
NSInteger sizeClassOf(id item) { return send<NSInteger>(send<id>(item, "traitCollection"_sel), "verticalSizeClass"_sel); }

TEST(ViewHierarchy, InsertionOrderAndMoves) {
  Ref<> a = makeRecordingView(100), b = makeRecordingView(200);
  Ref<> v1 = makeRecordingView(1), v2 = makeRecordingView(2), v3 = makeRecordingView(3),
        v4 = makeRecordingView(4), v5 = makeRecordingView(5);
  add(a.get(), v1.get());
  add(a.get(), v2.get());
  send<void>(a, "insertSubview:atIndex:"_sel, v3, 0L);
  send<void>(a, "insertSubview:aboveSubview:"_sel, v4, v3.get());
  send<void>(a, "insertSubview:atIndex:"_sel, v5, 3L);
  EXPECT_EQ(tagsOfSubviews(a.get()), (std::vector<long>{3, 4, 1, 5, 2}));
  EXPECT_EQ(send<id>(v1, "superview"_sel), a.get());

  // Re-inserting into the same superview reorders; adding elsewhere moves.
  send<void>(a, "insertSubview:atIndex:"_sel, v2, 0L);
  add(a.get(), v3.get());
  EXPECT_EQ(tagsOfSubviews(a.get()), (std::vector<long>{2, 4, 1, 5, 3}));
  add(b.get(), v1.get());
  EXPECT_EQ(tagsOfSubviews(a.get()), (std::vector<long>{2, 4, 5, 3}));
  EXPECT_EQ(send<id>(v1, "superview"_sel), b.get());
  send<void>(v4, "removeFromSuperview"_sel);
  EXPECT_EQ(send<id>(v4, "superview"_sel), nil);
  EXPECT_EQ(tagsOfSubviews(a.get()), (std::vector<long>{2, 5, 3}));
  EXPECT_DEATH(add(v3.get(), a.get()), "cannot be added to itself");
}

// Moving inside the same window is not a window change.
TEST(ViewHierarchy, WindowCallbacksOnEnteringAndLeaving) {
  Ref<> window = makeView(CGRectMake(0, 0, 100, 100), "UIWindow");
  Ref<> parent = makeRecordingView(1), child = makeRecordingView(2);
  add(parent.get(), child.get());
  EXPECT_EQ(takeEvents(), Events{"2:superview"});
  add(window.get(), parent.get());
  EXPECT_EQ(takeEvents(), (Events{"1:willEnter", "2:willEnter", "1:inWindow", "2:inWindow", "1:superview"}));
  EXPECT_EQ(send<id>(child, "window"_sel), window.get());
  EXPECT_EQ(send<id>(window, "window"_sel), window.get());
  Ref<> other = addChild(window.get(), {});
  add(other.get(), child.get());
  EXPECT_EQ(takeEvents(), Events{"2:superview"});
  send<void>(other, "removeFromSuperview"_sel);
  EXPECT_EQ(takeEvents(), (Events{"2:willLeave", "2:noWindow"}));
  EXPECT_EQ(send<id>(child, "window"_sel), nil);
}

TEST(ViewHierarchy, NoViewOutlivesItsLastOwnerAndAFreedWindowLetsItsViewsGo) {
  long before = rt::liveObjectCount();
  Ref<> child = makeRecordingView(7);
  {
    rt::AutoreleasePool pool;
    Ref<> root = makeView(CGRectMake(0, 0, 10, 10), "UIWindow");
    for (const char* cls : {"UIImageView", "UIScrollView", "UIImageView"}) {
      Ref<> v = addChild(root.get(), CGRectMake(0, 0, 5, 5), cls);
      addChild(v.get(), {});
      send<void>(send<id>(v, "layer"_sel), "setMask:"_sel, send<id>(objc_getClass("CAGradientLayer"), "layer"_sel));
    }
    send<id>(root, "traitCollection"_sel);
    add(root.get(), child.get());
    takeEvents();
  }
  EXPECT_EQ(takeEvents(), (Events{"7:willLeave", "7:noWindow", "7:superview"}));
  EXPECT_EQ(send<id>(child, "superview"_sel), nil);
  child = nullptr;
  EXPECT_EQ(rt::liveObjectCount(), before);
}

void (*g_removeFromSuperview)(id, SEL) = nullptr;

// As a replacement in the library would: the superview is held for the length of the call,
// also while the superview itself is being freed.
TEST(ViewHierarchy, AHookHoldingASuperviewBeingFreedDoesNotFreeItAgain) {
  Class holding = makeSubclass("UIView", "HoldingView");
  MSHookMessageEx(holding, "removeFromSuperview"_sel, +[](id self, SEL sel) {
    Ref<> superview = Ref<>::retain(send<id>(self, "superview"_sel));
    g_removeFromSuperview(self, sel);
  }, &g_removeFromSuperview);
  long before = rt::liveObjectCount();
  addChild(makeView({}).get(), {}, holding);
  EXPECT_EQ(rt::liveObjectCount(), before);
}

TEST(ViewHierarchy, SizeClassIsInheritedAndChangesAreTold) {
  Ref<> window = makeView(CGRectMake(0, 0, 100, 100), "UIWindow");
  uikit::setVerticalSizeClass(window.get(), UIUserInterfaceSizeClassRegular);
  Ref<> parent = makeRecordingView(1), child = makeRecordingView(2);
  add(parent.get(), child.get());
  EXPECT_EQ(sizeClassOf(child.get()), 0);
  takeEvents();
  add(window.get(), parent.get());
  EXPECT_EQ(sizeClassOf(child.get()), 2);
  Events told = takeEvents();
  EXPECT_NE(std::find(told.begin(), told.end(), "2:traits"), told.end());
  uikit::setVerticalSizeClass(parent.get(), UIUserInterfaceSizeClassRegular);
  uikit::setVerticalSizeClass(window.get(), UIUserInterfaceSizeClassCompact);
  EXPECT_TRUE(takeEvents().empty());
  EXPECT_EQ(sizeClassOf(child.get()), 2);
  uikit::setVerticalSizeClass(parent.get(), std::nullopt);
  EXPECT_EQ(takeEvents(), (Events{"1:traits", "2:traits"}));
  EXPECT_EQ(sizeClassOf(child.get()), 1);
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
  EXPECT_EQ(sizeClassOf(controller.get()), UIUserInterfaceSizeClassUnspecified);

  static Ref<> own;
  Class cls = makeSubclass("UIViewController", "OwnViewController");
  class_addMethod(cls, "view"_sel, +[](id, SEL) { return own.get(); }, "@@:");
  Ref<> window = makeView(CGRectMake(0, 0, 844, 390), "UIWindow"), subclassed = rt::create(cls);
  own = addChild(window.get(), CGRectZero);
  send<void>(controller, "setView:"_sel, own);
  uikit::setVerticalSizeClass(window.get(), UIUserInterfaceSizeClassCompact);
  for (id c : {controller.get(), subclassed.get()}) EXPECT_EQ(sizeClassOf(c), UIUserInterfaceSizeClassCompact);
  own = nullptr;
}

}  // namespace
