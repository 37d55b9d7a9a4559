#pragma once
// An autorelease pool for the length of a scope.
#include <objc/runtime.h>

namespace lv {

class AutoreleasePool {
 public:
  AutoreleasePool() : context_(objc_autoreleasePoolPush()) {}
  AutoreleasePool(const AutoreleasePool&) = delete;
  AutoreleasePool& operator=(const AutoreleasePool&) = delete;
  ~AutoreleasePool() { objc_autoreleasePoolPop(context_); }

 private:
  void* context_;
};

}  // namespace lv
