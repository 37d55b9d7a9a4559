#include "runtime/hook_records.h"

#include "runtime/class.h"

namespace {

std::vector<rt::HookRecord>& records() {
  static auto* all = new std::vector<rt::HookRecord>;  // lives for the process
  return *all;
}

std::string& missingClass() {
  static auto* name = new std::string;
  return *name;
}

}  // namespace

void rt::recordHook(const void* caller, HookFunction function, HookOutcome outcome, Class cls, SEL sel) {
  records().push_back({caller, function, outcome, cls ? cls->name : missingClass(), cls && cls->isMetaclass,
                       sel ? sel_getName(sel) : ""});
}

const std::vector<rt::HookRecord>& rt::hookRecords() { return records(); }

void rt::noteMissingClass(const char* name) { missingClass() = name; }
