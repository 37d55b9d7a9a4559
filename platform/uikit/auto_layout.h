#pragma once
// The Auto Layout step of a view's layout pass: it solves the constraints of the view's
// direct subviews that do not translate their autoresizing masks, in the view's bounds
// coordinates, and writes their bounds and centres where the solution differs. Views
// further down are laid out at their own superview's pass; views outside the subtree
// are taken where they are. Contradicting required constraints are reported once, as a
// diagnostic.
#include "runtime/runtime.h"

namespace uikit {

void layoutConstrainedSubviews(id view);

}  // namespace uikit
