#include "host/hook_calls.h"

#include "host/library.h"
#include "runtime/hook_records.h"

namespace {

const char* functionName(rt::HookFunction function) {
  switch (function) {
    case rt::HookFunction::HookMessage: return "MSHookMessageEx";
    case rt::HookFunction::AddMethod: return "class_addMethod";
    case rt::HookFunction::ReplaceMethod: return "class_replaceMethod";
  }
  return "";
}

std::string outcomeText(const rt::HookRecord& r) {
  const std::string cls = r.className.empty() ? "nil" : r.className;
  switch (r.outcome) {
    case rt::HookOutcome::Installed: return "installed";
    case rt::HookOutcome::Added: return "added";
    case rt::HookOutcome::Replaced: return "replaced";
    case rt::HookOutcome::NoClass: return r.className.empty() ? "nil class" : "no class named " + r.className;
    case rt::HookOutcome::NoSelector: return "nil selector or implementation";
    case rt::HookOutcome::NotAnswered: return cls + " answers no " + r.selector;
    case rt::HookOutcome::AlreadyHas: return cls + " already has " + r.selector;
  }
  return "";
}

bool installs(rt::HookOutcome outcome) {
  using enum rt::HookOutcome;
  return outcome == Installed || outcome == Added || outcome == Replaced;
}

}  // namespace

std::vector<lv::host::HookCall> lv::host::libraryHookCalls() {
  std::vector<HookCall> calls;
  const auto [loadingFrom, loadingTo] = Library::hookRecordsWhileLoading();
  for (size_t i = 0; i < rt::hookRecords().size(); ++i) {
    const rt::HookRecord& r = rt::hookRecords()[i];
    if ((i < loadingFrom || i >= loadingTo) && !Library::contains(r.caller)) continue;
    std::string method = std::string(r.classMethod ? "+[" : "-[") + (r.className.empty() ? "nil" : r.className) +
                         " " + (r.selector.empty() ? "nil" : r.selector) + "]";
    calls.push_back({functionName(r.function), std::move(method), outcomeText(r), installs(r.outcome)});
  }
  return calls;
}
