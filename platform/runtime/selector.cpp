#include "runtime/selector.h"

#include <memory>
#include <string_view>
#include <unordered_map>

namespace {

struct SelectorTable {
  std::unordered_map<std::string_view, std::unique_ptr<objc_selector>> byName;
};

SelectorTable& table() {
  static SelectorTable* t = new SelectorTable;  // lives for the process
  return *t;
}

}  // namespace

extern "C" SEL sel_registerName(const char* name) {
  if (!name) return nullptr;
  SelectorTable& t = table();
  if (auto it = t.byName.find(name); it != t.byName.end()) return it->second.get();
  auto sel = std::make_unique<objc_selector>(objc_selector{uint32_t(t.byName.size()), name});
  SEL result = sel.get();
  t.byName.emplace(std::string_view(sel->name), std::move(sel));
  return result;
}

extern "C" const char* sel_getName(SEL sel) { return sel ? sel->name.c_str() : "<null selector>"; }

uint32_t rt::selectorCount() { return uint32_t(table().byName.size()); }
