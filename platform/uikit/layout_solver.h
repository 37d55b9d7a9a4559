#pragma once
// Linear equality constraints between rectangles, solved exactly: each item has a left,
// top, width and height; its right, bottom and centre derive from them. Equations are
// taken by priority (required first; equal priorities in the order added). One that
// contradicts those already taken is dropped; a quantity that nothing fixes keeps its
// current value (every size before any position). Pure arithmetic, no views.
#include <vector>

#include "quartz/geometry.h"

namespace uikit {

// The values of NSLayoutAttribute.
enum class LayoutAttribute : long {
  NotAnAttribute = 0,
  Left = 1,
  Right = 2,
  Top = 3,
  Bottom = 4,
  Leading = 5,
  Trailing = 6,
  Width = 7,
  Height = 8,
  CenterX = 9,
  CenterY = 10,
};

inline constexpr float kLayoutPriorityRequired = 1000;

// item1.attribute1 = multiplier × item2.attribute2 + constant; without a second item,
// item1.attribute1 = constant.
struct LayoutEquation {
  int item1 = 0;
  LayoutAttribute attribute1 = LayoutAttribute::NotAnAttribute;
  int item2 = -1;
  LayoutAttribute attribute2 = LayoutAttribute::NotAnAttribute;
  CGFloat multiplier = 1;
  CGFloat constant = 0;
  float priority = kLayoutPriorityRequired;
};

class LayoutSolver {
 public:
  // Adds an item with its current frame and returns its index. A fixed item keeps its
  // frame: equations that would move it are contradictions.
  int addItem(CGRect frame, bool fixed = false);
  // Returns the equation's index.
  size_t addEquation(const LayoutEquation& equation);

  struct Solution {
    std::vector<CGRect> frames;   // by item index
    std::vector<size_t> dropped;  // indexes of contradicting equations, in the order taken
  };
  Solution solve() const;

 private:
  struct Item {
    CGRect frame{};
    bool fixed;
  };
  std::vector<Item> items_;
  std::vector<LayoutEquation> equations_;
};

}  // namespace uikit
