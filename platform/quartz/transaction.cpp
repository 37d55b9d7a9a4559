#include "quartz/transaction.h"

#include <optional>
#include <vector>

#include "runtime/class_setup.h"
#include "runtime/runtime.h"

namespace quartz {

namespace {

// Innermost last; the first entry is the implicit transaction. An unset value defers to
// the enclosing transaction.
std::vector<std::optional<bool>>& transactions() {
  static auto* stack = new std::vector<std::optional<bool>>(1);
  return *stack;
}

void CATransaction_begin(id, SEL) { transactions().emplace_back(); }

// A commit without a matching begin has nothing to end.
void CATransaction_commit(id, SEL) {
  if (transactions().size() > 1) transactions().pop_back();
}

void CATransaction_setDisableActions(id, SEL, bool disable) { transactions().back() = disable; }

bool CATransaction_disableActions(id, SEL) { return actionsDisabled(); }

}  // namespace

bool actionsDisabled() {
  const auto& stack = transactions();
  for (auto it = stack.rbegin(); it != stack.rend(); ++it)
    if (*it) return **it;
  return false;
}

void endImplicitTransaction() { transactions().front().reset(); }

namespace {

void registerTransactionClass() {
  Class c = rt::defineClass<objc_object>("CATransaction", "NSObject");
  rt::addClassMethod(c, "begin"_sel, CATransaction_begin);
  rt::addClassMethod(c, "commit"_sel, CATransaction_commit);
  rt::addClassMethod(c, "setDisableActions:"_sel, CATransaction_setDisableActions);
  rt::addClassMethod(c, "disableActions"_sel, CATransaction_disableActions);
}

LV_CLASS_SETUP(registerTransactionClass);

}  // namespace

}  // namespace quartz
