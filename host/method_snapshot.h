#pragma once
// The implementations every class had at one moment, to tell afterwards what changed
// (taken just before the library is loaded).
#include <map>
#include <utility>

#include "runtime/runtime.h"

namespace lv::host {

class MethodSnapshot {
 public:
  static MethodSnapshot take();

  // What a send of `sel` to an instance of `cls` ran then; null when nothing answered it
  // or `cls` did not exist yet.
  IMP implementation(Class cls, SEL sel) const;

 private:
  std::map<Class, std::map<SEL, IMP>> methods_;
};

}  // namespace lv::host
