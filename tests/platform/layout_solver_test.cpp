#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

#include "uikit/layout_solver.h"

namespace {

using uikit::LayoutEquation;
using uikit::LayoutSolver;
using A = uikit::LayoutAttribute;

LayoutEquation eq(int item1, A a1, int item2, A a2, CGFloat constant = 0, CGFloat multiplier = 1) {
  return {item1, a1, item2, a2, multiplier, constant, uikit::kLayoutPriorityRequired};
}

LayoutEquation eq(int item, A a, CGFloat constant, float priority = uikit::kLayoutPriorityRequired) {
  return {item, a, -1, A::NotAnAttribute, 1, constant, priority};
}

// Adds the equations in order; returns the index of each.
std::vector<size_t> add(LayoutSolver& s, std::initializer_list<LayoutEquation> equations) {
  std::vector<size_t> indices;
  for (const LayoutEquation& e : equations) indices.push_back(s.addEquation(e));
  return indices;
}

TEST(LayoutSolver, DerivedAttributesAndMultipliersChainAcrossItems) {
  LayoutSolver s;
  int box = s.addItem(CGRectMake(10, 20, 400, 300), true);
  int a = s.addItem(CGRectZero), b = s.addItem(CGRectZero), c = s.addItem(CGRectZero);
  add(s, {// a: the box's right half, 10 short of its bottom
          eq(a, A::Left, box, A::CenterX), eq(a, A::Right, box, A::Right), eq(a, A::Top, box, A::Top),
          eq(a, A::Bottom, box, A::Bottom, -10),
          // b: half a's width plus 4, centred in a, 20 tall, on a's bottom
          eq(b, A::Width, a, A::Width, 4, 0.5), eq(b, A::CenterX, a, A::CenterX), eq(b, A::Height, 20),
          eq(b, A::Bottom, a, A::Bottom),
          // c: after b, sized through its centre and leading edge, twice b's height
          eq(c, A::Leading, b, A::Trailing, 5), eq(c, A::CenterX, b, A::Trailing, 15),
          eq(c, A::CenterY, b, A::CenterY), eq(c, A::Height, b, A::Height, 0, 2)});
  auto sol = s.solve();
  EXPECT_TRUE(sol.dropped.empty());
  EXPECT_EQ(sol.frames[a], CGRectMake(210, 20, 200, 290));
  EXPECT_EQ(sol.frames[b], CGRectMake(258, 290, 104, 20));
  EXPECT_EQ(sol.frames[c], CGRectMake(367, 280, 20, 40));
}

// Higher priorities win, then the order added; what nothing fixes keeps its value, sizes first.
TEST(LayoutSolver, PrioritiesDecideAndWhatNothingFixesKeepsItsValue) {
  LayoutSolver s;
  int view = s.addItem(CGRectZero);
  auto i = add(s, {eq(view, A::Width, 80, 250), eq(view, A::Width, 70, 750), eq(view, A::Width, 60),
                   eq(view, A::Left, 7, 500), eq(view, A::Right, 70, 999), eq(view, A::Top, 1, 500),
                   eq(view, A::Top, 2, 500)});
  auto sol = s.solve();
  EXPECT_EQ(sol.dropped, (std::vector<size_t>{i[1], i[3], i[6], i[0]}));
  EXPECT_EQ(sol.frames[view], CGRectMake(10, 1, 60, 0));

  LayoutSolver kept;
  int moved = kept.addItem(CGRectMake(10, 20, 50, 60)), free = kept.addItem(CGRectMake(1.5, 2.5, 3.5, 4.5));
  add(kept, {eq(moved, A::Right, 100),                         // moves, keeps its width
             eq(moved, A::CenterY, moved, A::Height, 0, 2)});  // top = 1.5 × height
  auto rest = kept.solve();
  EXPECT_TRUE(rest.dropped.empty());
  EXPECT_EQ(rest.frames[moved], CGRectMake(50, 90, 50, 60));
  EXPECT_EQ(rest.frames[free], CGRectMake(1.5, 2.5, 3.5, 4.5));

  // Two views, one tied to the other's centre and one to the box's bottom: both move,
  // whichever was added first.
  for (bool aFirst : {true, false}) {
    LayoutSolver t;
    int box = t.addItem(CGRectMake(0, 0, 414, 667), true);
    int a = aFirst ? t.addItem(CGRectMake(0, 0, 100, 50)) : -1;
    int b = t.addItem(CGRectMake(0, 100, 100, 30));
    if (!aFirst) a = t.addItem(CGRectMake(0, 0, 100, 50));
    add(t, {eq(b, A::CenterY, a, A::CenterY), eq(b, A::Bottom, box, A::Bottom, -11)});
    auto tied = t.solve();
    EXPECT_EQ(tied.frames[a], CGRectMake(0, 616, 100, 50)) << aFirst;
    EXPECT_EQ(tied.frames[b], CGRectMake(0, 626, 100, 30)) << aFirst;
  }
}

TEST(LayoutSolver, FixedItemsDoNotMoveAndMalformedEquationsAreDropped) {
  LayoutSolver s;
  int box = s.addItem(CGRectMake(0, 0, 100, 100), true);
  int view = s.addItem(CGRectZero), still = s.addItem(CGRectMake(1, 1, 1, 1));
  auto i = add(s, {eq(box, A::Width, view, A::Width), eq(view, A::Width, 40), eq(box, A::Left, 5),
                   eq(still, A::Left, 7, A::Left), eq(still, A::NotAnAttribute, 3),
                   eq(still, A::Top, std::nan(""))});
  auto sol = s.solve();
  EXPECT_EQ(sol.dropped, (std::vector<size_t>{i[1], i[2], i[3], i[4], i[5]}));
  EXPECT_EQ(sol.frames[view].size.width, 100);
  EXPECT_EQ(sol.frames[box], CGRectMake(0, 0, 100, 100));
  EXPECT_EQ(sol.frames[still], CGRectMake(1, 1, 1, 1));
}

}  // namespace
