#pragma once
// Reference-counted objects. Ownership follows the device's manual rules: `alloc`, `new`,
// `copy` and `init…` hand out an owned reference (+1); every other method returns a
// borrowed one, autoreleased when it is freshly made. Everything runs on the main thread
// (the loader thread during the initialisers), so counts are plain integers.
#include <cstdint>
#include <utility>

#include "runtime/types.h"

namespace rt {
struct AssociationTable;
// The next object's serial: objects are numbered in the order they are made.
uint64_t nextObjectSerial();
}

struct objc_object {
  Class isa = nullptr;
  uint32_t refcount = 1;
  rt::AssociationTable* associations = nullptr;
  // The object's identity for `hash`, so that hash order does not depend on where
  // memory lands and runs repeat exactly.
  uint64_t serial = rt::nextObjectSerial();

  objc_object() = default;
  objc_object(const objc_object&) = delete;
  objc_object& operator=(const objc_object&) = delete;
  virtual ~objc_object();
};

namespace rt {

inline constexpr uint32_t kImmortal = UINT32_MAX;

// An object whose count has reached 0 is deallocating. As on the device, retains and
// releases leave it alone from then on: a retain and release inside its dealloc (a
// replaced method holding it for a moment) must not free it a second time.
inline bool countsReferences(id obj) { return obj->refcount != kImmortal && obj->refcount != 0; }

// Sends `dealloc` through the runtime; the root implementation frees the object.
void deallocate(id obj);

inline id retain(id obj) {
  if (obj && countsReferences(obj)) ++obj->refcount;
  return obj;
}

inline void release(id obj) {
  if (!obj || !countsReferences(obj)) return;
  if (--obj->refcount == 0) deallocate(obj);
}

// Hands `obj` to the innermost autorelease pool; it is released when that pool drains.
id autorelease(id obj);

// Objects allocated and not yet freed, for leak checks in tests and benchmarks.
long liveObjectCount();
void noteAllocation();

// A scope that collects autoreleased objects and releases them when it ends. The run
// loop drains one per turn; code outside the run loop opens its own.
class AutoreleasePool {
 public:
  AutoreleasePool();
  ~AutoreleasePool();
  AutoreleasePool(const AutoreleasePool&) = delete;
  AutoreleasePool& operator=(const AutoreleasePool&) = delete;

 private:
  size_t mark_;
};

// A strong reference. `Ref<T>::adopt` takes over an owned (+1) reference; constructing
// from a raw pointer retains it.
template <class T = objc_object>
class Ref {
 public:
  Ref() = default;
  Ref(std::nullptr_t) {}
  Ref(T* obj) : ptr_(obj) { retain(obj); }
  Ref(const Ref& other) : ptr_(other.ptr_) { retain(ptr_); }
  Ref(Ref&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
  template <class U>
  Ref(const Ref<U>& other) : ptr_(other.get()) { retain(ptr_); }
  ~Ref() { release(ptr_); }

  static Ref adopt(T* obj) {
    Ref r;
    r.ptr_ = obj;
    return r;
  }

  Ref& operator=(const Ref& other) {
    reset(other.ptr_);
    return *this;
  }
  Ref& operator=(Ref&& other) noexcept {
    if (this != &other) {
      T* old = std::exchange(ptr_, std::exchange(other.ptr_, nullptr));
      release(old);
    }
    return *this;
  }
  Ref& operator=(T* obj) {
    reset(obj);
    return *this;
  }

  // Retains the new object before releasing the old one, so that assigning an object
  // to the reference that already holds it is safe.
  void reset(T* obj = nullptr) {
    retain(obj);
    T* old = std::exchange(ptr_, obj);
    release(old);
  }

  // Gives up the reference without releasing it (+1 for the caller).
  T* leak() { return std::exchange(ptr_, nullptr); }

  T* get() const { return ptr_; }
  T* operator->() const { return ptr_; }
  T& operator*() const { return *ptr_; }
  operator T*() const { return ptr_; }
  explicit operator bool() const { return ptr_ != nullptr; }

 private:
  T* ptr_ = nullptr;
};

template <class T>
Ref<T> adopt(T* obj) {
  return Ref<T>::adopt(obj);
}

}  // namespace rt

using rt::Ref;
