#pragma once
// CATransaction: nested transactions, each able to disable actions. Outside any explicit
// transaction the implicit one applies; it ends at the display commit. While actions are
// disabled, property changes inside view animation blocks apply without animating.
namespace quartz {

bool actionsDisabled();

// Ends the implicit transaction, as the display commit does.
void endImplicitTransaction();

}  // namespace quartz
