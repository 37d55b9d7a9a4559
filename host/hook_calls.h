#pragma once
// The calls the loaded library made to change the host's methods (MSHookMessageEx,
// class_addMethod, class_replaceMethod), in call order, each with what it did: a misspelt
// class or selector shows here as a hook that installed nothing.
#include <string>
#include <vector>

namespace lv::host {

struct HookCall {
  std::string function;   // MSHookMessageEx, class_addMethod or class_replaceMethod
  std::string method;     // "-[Class selector]", "+[…]" for a metaclass; class "nil" when no lookup names it
  std::string outcome;    // installed, added, replaced, or why nothing was: "no class named X", …
  bool installed;
};

// Empty before a library is loaded, and for a device without one.
std::vector<HookCall> libraryHookCalls();

}  // namespace lv::host
