#include "host/method_snapshot.h"

lv::host::MethodSnapshot lv::host::MethodSnapshot::take() {
  MethodSnapshot snapshot;
  for (Class cls : rt::allClasses()) {
    auto& own = snapshot.methods_[cls];
    for (const auto& [sel, method] : cls->methods) own[sel] = method->imp;
  }
  return snapshot;
}

IMP lv::host::MethodSnapshot::implementation(Class cls, SEL sel) const {
  for (Class c = cls; c; c = c->superclass) {
    auto owned = methods_.find(c);
    if (owned == methods_.end()) return nullptr;
    if (auto it = owned->second.find(sel); it != owned->second.end()) return it->second;
  }
  return nullptr;
}
