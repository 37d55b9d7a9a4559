#include <gtest/gtest.h>

#include <optional>

#include "uikit/layout_constraint.h"
#include "uikit/view.h"
#include "constraint_support.h"
#include "view_support.h"

using namespace testing_support;

namespace {

id anchor(id view, SEL which) { return send<id>(view, which); }

// view.a == multiplier × other.b (+ constant), active, through either of the two selectors.
void scale(id view, SEL a, id other, SEL b, CGFloat multiplier, std::optional<CGFloat> constant = {}) {
  id from = anchor(view, a), to = anchor(other, b);
  activate(constant ? send<id>(from, "constraintEqualToAnchor:multiplier:constant:"_sel, to, multiplier, *constant)
                    : send<id>(from, "constraintEqualToAnchor:multiplier:"_sel, to, multiplier));
}

Ref<> constrainedChild(id parent, const char* cls = "UIView") {
  Ref<> child = addChild(parent, CGRectZero, cls);
  send<void>(child, "setTranslatesAutoresizingMaskIntoConstraints:"_sel, false);
  return child;
}

// Nothing changed: nothing is written. A move alone writes the centre only.
TEST(AutoLayout, EdgesAndSizesPlaceAViewInItsSuperviewAtItsLayoutPass) {
  Ref<> header = makeView(CGRectMake(40, 60, 320, 498));
  Ref<> stack = constrainedChild(header.get(), class_getName(geometryRecorderClass()));
  tie(stack.get(), "topAnchor"_sel, header.get(), "topAnchor"_sel, 315);
  tie(stack.get(), "leftAnchor"_sel, header.get(), "leftAnchor"_sel, 87.5);
  fix(stack.get(), "widthAnchor"_sel, 225);
  fix(stack.get(), "heightAnchor"_sel, 60);
  EXPECT_EQ(frameOf(stack.get()), CGRectZero);
  for (auto [moved, written] : {std::pair{false, Events{"setBounds:", "setCenter:"}}, {false, Events{}},
                                {true, Events{"setCenter:"}}}) {
    if (moved) send<void>(stack, "setCenter:"_sel, CGPointMake(0, 0));
    takeEvents();
    send<void>(header, "setNeedsLayout"_sel);
    uikit::runLayoutPass();
    EXPECT_EQ(takeEvents(), written);
    EXPECT_EQ(frameOf(stack.get()), CGRectMake(87.5, 315, 225, 60));
  }
}

TEST(AutoLayout, AChainAcrossNestedViewsResolves) {
  Ref<> outer = makeView(CGRectMake(0, 0, 400, 400));
  Ref<> a = constrainedChild(outer.get()), b = constrainedChild(a.get()), c = constrainedChild(b.get());
  tie(a.get(), "leftAnchor"_sel, outer.get(), "leftAnchor"_sel, 10);
  tie(a.get(), "topAnchor"_sel, outer.get(), "topAnchor"_sel, 20);
  scale(a.get(), "widthAnchor"_sel, outer.get(), "widthAnchor"_sel, 0.5);
  fix(a.get(), "heightAnchor"_sel, 100);
  tie(b.get(), "rightAnchor"_sel, a.get(), "rightAnchor"_sel, -5);
  tie(b.get(), "centerYAnchor"_sel, a.get(), "centerYAnchor"_sel);
  fix(b.get(), "widthAnchor"_sel, 50);
  tie(b.get(), "heightAnchor"_sel, a.get(), "heightAnchor"_sel, -40);
  // c is tied to a view outside its superview's subtree, taken where it stands.
  tie(c.get(), "leftAnchor"_sel, outer.get(), "leftAnchor"_sel, 200);
  tie(c.get(), "topAnchor"_sel, b.get(), "topAnchor"_sel);
  scale(c.get(), "widthAnchor"_sel, outer.get(), "widthAnchor"_sel, 0.1, 0.0);
  fix(c.get(), "heightAnchor"_sel, 10);
  uikit::runLayoutPass();
  EXPECT_EQ(frameOf(a.get()), CGRectMake(10, 20, 200, 100));
  EXPECT_EQ(frameOf(b.get()), CGRectMake(145, 20, 50, 60));
  EXPECT_EQ(frameOf(c.get()), CGRectMake(45, 0, 40, 10));
}

TEST(AutoLayout, ActivatingAnEqualConstraintDoesNotPileUp) {
  Ref<> parent = makeView(CGRectMake(0, 0, 300, 300));
  Ref<> view = constrainedChild(parent.get()), other = constrainedChild(parent.get());
  auto first = Ref<>::retain(tie(view.get(), "heightAnchor"_sel, other.get(), "heightAnchor"_sel));
  std::vector<Ref<>> again;
  for (int i = 0; i < 50; ++i) again.push_back(Ref<>::retain(tie(view.get(), "heightAnchor"_sel, other.get(), "heightAnchor"_sel)));
  EXPECT_EQ(uikit::activeConstraints(view.get()).size(), 1u);
  EXPECT_TRUE(send<bool>(again.back(), "isActive"_sel));

  // The relation lasts while its first statement is active; a changed copy states its own.
  send<void>(again.front(), "setActive:"_sel, false);
  EXPECT_TRUE(send<bool>(first, "isActive"_sel));
  send<void>(again.back(), "setConstant:"_sel, 4.0);
  EXPECT_EQ(uikit::activeConstraints(view.get()).size(), 2u);
  send<void>(first, "setActive:"_sel, false);
  EXPECT_FALSE(send<bool>(again[1], "isActive"_sel));
  EXPECT_TRUE(send<bool>(again.back(), "isActive"_sel));
  EXPECT_EQ(uikit::activeConstraints(view.get()).size(), 1u);
}

// A lower priority gives way quietly; a required contradiction is dropped and reported once.
TEST(AutoLayout, ConflictsGiveWayAndAChangedConstantMovesTheViewAtTheNextPass) {
  Ref<> parent = makeView(CGRectMake(0, 0, 300, 300));
  Ref<> view = constrainedChild(parent.get());
  send<void>(tie(view.get(), "leftAnchor"_sel, parent.get(), "leftAnchor"_sel, 99), "setPriority:"_sel, 250.0f);
  id top = tie(view.get(), "topAnchor"_sel, parent.get(), "topAnchor"_sel, 10);
  tie(view.get(), "leadingAnchor"_sel, parent.get(), "leadingAnchor"_sel, 20);
  tie(view.get(), "trailingAnchor"_sel, parent.get(), "trailingAnchor"_sel, -20);
  fix(view.get(), "heightAnchor"_sel, 30);
  tie(view.get(), "rightAnchor"_sel, parent.get(), "rightAnchor"_sel);
  CapturedDiagnostics diagnostics;
  uikit::runLayoutPass();
  send<void>(parent, "setNeedsLayout"_sel);
  uikit::runLayoutPass();
  std::string p = uikit::describeItem(parent.get()), v = uikit::describeItem(view.get());
  EXPECT_EQ(diagnostics.text, "Auto Layout: unable to satisfy the constraints in " + p +
                                  "; breaking " + v + ".right == " + p + ".right + 0 @1000\n");
  EXPECT_EQ(frameOf(view.get()), CGRectMake(20, 10, 260, 30));
  send<void>(top, "setConstant:"_sel, 40.0);
  uikit::runLayoutPass();
  EXPECT_EQ(frameOf(view.get()), CGRectMake(20, 40, 260, 30));
  send<void>(top, "setActive:"_sel, false);
  send<void>(view, "setCenter:"_sel, CGPointMake(150, 100));
  send<void>(parent, "setNeedsLayout"_sel);
  uikit::runLayoutPass();
  EXPECT_EQ(frameOf(view.get()), CGRectMake(20, 85, 260, 30));  // the free top stays
}

TEST(AutoLayout, ConstraintsForgetViewsThatGoAndLeakNothing) {
  long before = rt::liveObjectCount();
  {
    rt::AutoreleasePool pool;
    Ref<> parent = makeView(CGRectMake(0, 0, 300, 300));
    Ref<> kept, twin;
    {
      Ref<> view = constrainedChild(parent.get());
      kept = Ref<>::retain(tie(view.get(), "widthAnchor"_sel, parent.get(), "widthAnchor"_sel));
      {
        // A statement held only by its twin, after it was deactivated.
        rt::AutoreleasePool inner;
        twin = Ref<>::retain(send<id>(anchor(view.get(), "heightAnchor"_sel), "constraintEqualToConstant:"_sel, 3.0));
        id height = fix(view.get(), "heightAnchor"_sel, 3);
        send<void>(twin, "setActive:"_sel, true);
        send<void>(height, "setActive:"_sel, false);
      }
      send<void>(view, "removeFromSuperview"_sel);
    }
    EXPECT_FALSE(send<bool>(twin, "isActive"_sel));
    EXPECT_FALSE(send<bool>(kept, "isActive"_sel));
    EXPECT_EQ(send<id>(kept, "firstItem"_sel), nil);
    EXPECT_EQ(send<id>(kept, "secondItem"_sel), parent.get());
    send<void>(kept, "setActive:"_sel, true);
    EXPECT_FALSE(send<bool>(kept, "isActive"_sel));
    EXPECT_TRUE(uikit::activeConstraints(parent.get()).empty());
  }
  EXPECT_EQ(rt::liveObjectCount(), before);
}

TEST(AutoLayout, AnchorsThatCannotBeTiedGiveNoConstraint) {
  Ref<> view = makeView(CGRectZero);
  CapturedDiagnostics diagnostics;
  EXPECT_EQ(send<id>(anchor(view.get(), "topAnchor"_sel), "constraintEqualToAnchor:"_sel, nil), nil);
  EXPECT_EQ(send<id>(anchor(view.get(), "topAnchor"_sel), "constraintEqualToAnchor:"_sel,
                     anchor(view.get(), "leftAnchor"_sel)),
            nil);
  EXPECT_EQ(send<id>(anchor(view.get(), "leadingAnchor"_sel), "constraintEqualToAnchor:constant:"_sel,
                     anchor(view.get(), "rightAnchor"_sel), 1.0),
            nil);
  EXPECT_NE(diagnostics.text.find("different axes"), std::string::npos) << diagnostics.text;
  EXPECT_NE(diagnostics.text.find("leading and trailing"), std::string::npos) << diagnostics.text;
}

}  // namespace
