#pragma once
// A strong reference: holds one count of its object through objc_retain/objc_release.
// Handing the object out takes an explicit get(); adopt() takes over a count the caller
// already owns (what alloc/init returns).
#include <objc/runtime.h>

#include <utility>

namespace lv {

class Strong {
 public:
  Strong() = default;
  explicit Strong(id object) : object_(objc_retain(object)) {}
  Strong(const Strong& other) : object_(objc_retain(other.object_)) {}
  Strong(Strong&& other) noexcept : object_(std::exchange(other.object_, nil)) {}
  Strong& operator=(Strong other) noexcept {
    std::swap(object_, other.object_);
    return *this;
  }
  ~Strong() { objc_release(object_); }

  [[nodiscard]] static Strong adopt(id owned) {
    Strong strong;
    strong.object_ = owned;
    return strong;
  }

  id get() const { return object_; }
  explicit operator bool() const { return object_ != nil; }

 private:
  id object_ = nil;
};

// What a send takes for a Strong: the object it holds.
inline id unwrap(const Strong& strong) { return strong.get(); }
template <class T>
T unwrap(T value) {
  return value;
}

}  // namespace lv
