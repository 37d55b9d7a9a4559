#pragma once
// UIStackView. Its arrangement (order along the axis, spacing, alignment across it) is
// stated as constraints just below required, at its own layout pass, so that explicit
// constraints on the arranged views win over it.
#include <vector>

#include "uikit/layout_solver.h"
#include "uikit/view.h"

inline constexpr NSInteger UILayoutConstraintAxisHorizontal = 0;
inline constexpr NSInteger UILayoutConstraintAxisVertical = 1;

inline constexpr NSInteger UIStackViewAlignmentFill = 0;
inline constexpr NSInteger UIStackViewAlignmentLeading = 1;
inline constexpr NSInteger UIStackViewAlignmentFirstBaseline = 2;
inline constexpr NSInteger UIStackViewAlignmentCenter = 3;
inline constexpr NSInteger UIStackViewAlignmentTrailing = 4;
inline constexpr NSInteger UIStackViewAlignmentLastBaseline = 5;

inline constexpr NSInteger UIStackViewDistributionFill = 0;
inline constexpr NSInteger UIStackViewDistributionFillEqually = 1;
inline constexpr NSInteger UIStackViewDistributionFillProportionally = 2;
inline constexpr NSInteger UIStackViewDistributionEqualSpacing = 3;
inline constexpr NSInteger UIStackViewDistributionEqualCentering = 4;

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
