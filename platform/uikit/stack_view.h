#pragma once
// UIStackView. Its arrangement (order along the axis, spacing, alignment across it) is
// stated as constraints just below required, at its own layout pass, so that explicit
// constraints on the arranged views win over it.
#include <UIKit/UIStackView.h>

#include <vector>

#include "uikit/layout_solver.h"
#include "uikit/view.h"

struct UIStackView : UIView {
  std::vector<Ref<UIView>> arranged;
  NSInteger axis = UILayoutConstraintAxisHorizontal;
  NSInteger alignment = UIStackViewAlignmentFill;
  NSInteger distribution = UIStackViewDistributionFill;
  CGFloat spacing = 0;
};

namespace uikit {

UIStackView* asStackView(id view);  // null when `view` is not a stack view

// States the arrangement of `stack` (solver item `stackItem`) over the arranged views
// that take part, given as (view, item) in order. Spacers between them become items of
// their own.
void addStackArrangement(UIStackView* stack, int stackItem,
                         const std::vector<std::pair<UIView*, int>>& arranged,
                         LayoutSolver& solver);

}  // namespace uikit
