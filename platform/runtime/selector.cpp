#include "runtime/selector.h"

#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "runtime/untrusted_pointers.h"

namespace {

struct SelectorTable {
  std::unordered_map<std::string_view, std::unique_ptr<objc_selector>> byName;
  std::vector<SEL> byIndex;
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
  t.byIndex.push_back(result);
  return result;
}

extern "C" const char* sel_getName(SEL sel) { return sel ? sel->name.c_str() : "<null selector>"; }

uint32_t rt::selectorCount() { return uint32_t(table().byName.size()); }

bool rt::isSelectorPointer(const void* p) {
  uint32_t index = 0;
  const std::vector<SEL>& byIndex = table().byIndex;
  return rt::readUntrusted(p, &index, sizeof index) && index < byIndex.size() && byIndex[index] == p;
}
