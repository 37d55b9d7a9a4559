#pragma once
// What each call that changes a class's methods from outside did: MSHookMessageEx,
// class_addMethod and class_replaceMethod record, in call order, the return address of
// their caller (the caller's caller when the call was a tail call), the class and
// selector, and the outcome, so that a tool can tell which of a library's hooks took no
// effect. A nil class is named by the last class lookup that found
// nothing (a misspelt name passed straight on). Main thread only.
#include <string>
#include <vector>

#include <objc/objc.h>

namespace rt {

enum class HookFunction { HookMessage, AddMethod, ReplaceMethod };

enum class HookOutcome {
  Installed,    // MSHookMessageEx replaced the method
  Added,        // the class got a method of its own
  Replaced,     // class_replaceMethod replaced the class's own method
  NoClass,      // the class was nil
  NoSelector,   // the selector or the implementation was nil
  NotAnswered,  // MSHookMessageEx: the class answers no such selector
  AlreadyHas,   // class_addMethod: the class itself has the method
};

struct HookRecord {
  const void* caller;
  HookFunction function;
  HookOutcome outcome;
  std::string className;  // empty: a nil class that no failed lookup names
  bool classMethod;
  std::string selector;
};

void recordHook(const void* caller, HookFunction function, HookOutcome outcome, Class cls, SEL sel);
const std::vector<HookRecord>& hookRecords();

// Called by the class lookups a library calls (objc_getClass and its kin) with a name they
// did not find; the runtime's own checks of a name do not call it.
void noteMissingClass(const char* name);

}  // namespace rt
