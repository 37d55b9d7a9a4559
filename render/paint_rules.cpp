#include "render/paint_rules.h"

void lv::render::PaintRules::add(const std::string& className, PaintRule rule) {
  byName_[className] = std::move(rule);
  resolved_.clear();
}

const lv::render::PaintRule* lv::render::PaintRules::find(Class cls) const {
  if (!cls) return nullptr;
  auto known = resolved_.find(cls);
  if (known != resolved_.end()) return known->second;
  const PaintRule* rule = nullptr;
  for (Class c = cls; c && !rule; c = class_getSuperclass(c)) {
    auto it = byName_.find(class_getName(c));
    if (it != byName_.end()) rule = &it->second;
  }
  resolved_.emplace(cls, rule);
  return rule;
}
