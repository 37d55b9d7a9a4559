#include <gtest/gtest.h>

#include <cmath>

#include "uikit/layout_solver.h"

namespace {

using uikit::LayoutEquation;
using uikit::LayoutSolver;
using A = uikit::LayoutAttribute;

LayoutEquation eq(int item1, A a1, int item2, A a2, CGFloat constant = 0, CGFloat multiplier = 1,
                  float priority = uikit::kLayoutPriorityRequired) {
  return {item1, a1, item2, a2, multiplier, constant, priority};
}

LayoutEquation eq(int item, A a, CGFloat constant, float priority = uikit::kLayoutPriorityRequired) {
  return {item, a, -1, A::NotAnAttribute, 1, constant, priority};
}

TEST(LayoutSolver, DerivedAttributesAndMultipliersChainAcrossItems) {
  LayoutSolver s;
  int box = s.addItem(CGRectMake(10, 20, 400, 300), true);
  int a = s.addItem(CGRectZero);
  int b = s.addItem(CGRectZero);
  int c = s.addItem(CGRectZero);
  // a: the box's right half, 10 short of its bottom
  s.addEquation(eq(a, A::Left, box, A::CenterX));
  s.addEquation(eq(a, A::Right, box, A::Right));
  s.addEquation(eq(a, A::Top, box, A::Top));
  s.addEquation(eq(a, A::Bottom, box, A::Bottom, -10));
  // b: half a's width plus 4, centred in a, 20 tall, on a's bottom
  s.addEquation(eq(b, A::Width, a, A::Width, 4, 0.5));
  s.addEquation(eq(b, A::CenterX, a, A::CenterX));
  s.addEquation(eq(b, A::Height, 20));
  s.addEquation(eq(b, A::Bottom, a, A::Bottom));
  // c: after b, sized through its centre and leading edge, twice b's height
  s.addEquation(eq(c, A::Leading, b, A::Trailing, 5));
  s.addEquation(eq(c, A::CenterX, b, A::Trailing, 15));
  s.addEquation(eq(c, A::CenterY, b, A::CenterY));
  s.addEquation(eq(c, A::Height, b, A::Height, 0, 2));
  auto sol = s.solve();
  EXPECT_TRUE(sol.dropped.empty());
  EXPECT_EQ(sol.frames[a], CGRectMake(210, 20, 200, 290));
  EXPECT_EQ(sol.frames[b], CGRectMake(258, 290, 104, 20));
  EXPECT_EQ(sol.frames[c], CGRectMake(367, 280, 20, 40));
}

TEST(LayoutSolver, HigherPrioritiesWinThenTheOrderAdded) {
  LayoutSolver s;
  int view = s.addItem(CGRectZero);
  size_t weak = s.addEquation(eq(view, A::Width, 80, 250));
  size_t medium = s.addEquation(eq(view, A::Width, 70, 750));
  s.addEquation(eq(view, A::Width, 60));
  size_t lower = s.addEquation(eq(view, A::Left, 7, 500));
  s.addEquation(eq(view, A::Right, 70, 999));
  s.addEquation(eq(view, A::Top, 1, 500));
  size_t second = s.addEquation(eq(view, A::Top, 2, 500));  // equal priority: first added wins
  auto sol = s.solve();
  EXPECT_EQ(sol.dropped, (std::vector<size_t>{medium, lower, second, weak}));
  EXPECT_EQ(sol.frames[view].size.width, 60);
  EXPECT_EQ(sol.frames[view].origin.x, 10);
  EXPECT_EQ(sol.frames[view].origin.y, 1);
}

TEST(LayoutSolver, WhatNothingFixesKeepsItsValueSizeFirst) {
  LayoutSolver s;
  int view = s.addItem(CGRectMake(10, 20, 50, 60));
  s.addEquation(eq(view, A::Right, 100));                      // moves, keeps its width
  s.addEquation(eq(view, A::CenterY, view, A::Height, 0, 2));  // top = 1.5 × height
  auto sol = s.solve();
  EXPECT_TRUE(sol.dropped.empty());
  EXPECT_EQ(sol.frames[view], CGRectMake(50, 90, 50, 60));

  // Two views, one tied to the other's centre and one to the box's bottom: both move,
  // whichever was added first.
  for (bool aFirst : {true, false}) {
    LayoutSolver t;
    int box = t.addItem(CGRectMake(0, 0, 414, 667), true);
    int a = aFirst ? t.addItem(CGRectMake(0, 0, 100, 50)) : -1;
    int b = t.addItem(CGRectMake(0, 100, 100, 30));
    if (!aFirst) a = t.addItem(CGRectMake(0, 0, 100, 50));
    t.addEquation(eq(b, A::CenterY, a, A::CenterY));
    t.addEquation(eq(b, A::Bottom, box, A::Bottom, -11));
    auto tied = t.solve();
    EXPECT_EQ(tied.frames[a], CGRectMake(0, 616, 100, 50)) << aFirst;
    EXPECT_EQ(tied.frames[b], CGRectMake(0, 626, 100, 30)) << aFirst;
  }

  LayoutSolver untouched;
  int free = untouched.addItem(CGRectMake(1.5, 2.5, 3.5, 4.5));
  EXPECT_EQ(untouched.solve().frames[free], CGRectMake(1.5, 2.5, 3.5, 4.5));
}

TEST(LayoutSolver, FixedItemsDoNotMoveAndMalformedEquationsAreDropped) {
  LayoutSolver s;
  int box = s.addItem(CGRectMake(0, 0, 100, 100), true);
  int view = s.addItem(CGRectZero);
  s.addEquation(eq(box, A::Width, view, A::Width));
  size_t bad = s.addEquation(eq(view, A::Width, 40));
  size_t moveBox = s.addEquation(eq(box, A::Left, 5));
  auto sol = s.solve();
  EXPECT_EQ(sol.dropped, (std::vector<size_t>{bad, moveBox}));
  EXPECT_EQ(sol.frames[view].size.width, 100);
  EXPECT_EQ(sol.frames[box], CGRectMake(0, 0, 100, 100));

  LayoutSolver m;
  int still = m.addItem(CGRectMake(1, 1, 1, 1));
  size_t noItem = m.addEquation(eq(still, A::Left, 7, A::Left));
  size_t noAttribute = m.addEquation(eq(still, A::NotAnAttribute, 3));
  size_t nan = m.addEquation(eq(still, A::Top, std::nan("")));
  auto malformed = m.solve();
  EXPECT_EQ(malformed.dropped, (std::vector<size_t>{noItem, noAttribute, nan}));
  EXPECT_EQ(malformed.frames[still], CGRectMake(1, 1, 1, 1));
}

}  // namespace
