#pragma once
// Reference-counted objects. Ownership follows the device's manual rules: `alloc`, `new`,
// `copy` and `init…` hand out an owned reference (+1); every other method returns a
// borrowed one, autoreleased when it is freshly made. Everything runs on the main thread
// (the loader thread during the initialisers), so counts are plain integers.
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>
#include <vector>

#include "runtime/types.h"

namespace rt {

struct AssociationTable;

// What the runtime keeps for an object it allocated, just before the object, so that the
// object itself begins with `isa` as on the device. Objects the runtime did not allocate
// (compiler-made constants, class objects) have no prefix; their class says so.
struct alignas(16) ObjectPrefix {
  AssociationTable* associations = nullptr;
  // The object's identity for `hash`, so that hash order does not depend on where
  // memory lands and runs repeat exactly.
  uint64_t serial = 0;
  uint32_t refcount = 1;
};

// How a class's instances are kept: with a prefix and a count, not at all (constants,
// stack and global blocks, class objects), or as heap blocks counted in their flags.
enum class InstanceMemory : uint8_t { Counted, Uncounted, HeapBlock };

// The leading fields of every class, at fixed offsets: objc_msgSend's assembly reads the
// method cache here, and retain and release read how instances are kept. The cache is a
// table indexed by selector index; any change of any method table empties every cache
// (size 0), so the fast paths check only the index against the size.
struct ClassHead : objc_object {
  Class superclass = nullptr;
  // Owned; an entry not yet looked up holds rt::g_unlookedMethod, whose null signature no
  // typed send expects, so a typed hit needs no test of its own for it.
  const objc_method** cacheSlots = nullptr;
  uint32_t cacheSize = 0;
  InstanceMemory memory = InstanceMemory::Counted;
  bool isMetaclass = false;
};

inline const ClassHead* head(Class cls) { return reinterpret_cast<const ClassHead*>(cls); }

inline ObjectPrefix* prefixOf(id obj) { return reinterpret_cast<ObjectPrefix*>(obj) - 1; }

inline bool isCounted(id obj) { return head(obj->isa)->memory == InstanceMemory::Counted; }

// The next object's serial: objects are numbered in the order they are made.
uint64_t nextObjectSerial();

// An object's creation serial; 0 for objects the runtime did not allocate.
inline uint64_t serialOf(id obj) { return isCounted(obj) ? prefixOf(obj)->serial : 0; }

inline constexpr uint32_t kImmortal = UINT32_MAX;

// An object whose count has reached 0 is deallocating. As on the device, retains and
// releases leave it alone from then on: a retain and release inside its dealloc (a
// replaced method holding it for a moment) must not free it a second time.
inline bool countsReferences(id obj) {
  if (!isCounted(obj)) return false;
  uint32_t count = prefixOf(obj)->refcount;
  return count != kImmortal && count != 0;
}

// The count of a counted object, for tests; 0 for one that is not counted.
inline uint32_t retainCount(id obj) { return isCounted(obj) ? prefixOf(obj)->refcount : 0; }

// Makes a counted object live for the process (shared singletons).
inline void makeImmortal(id obj) { prefixOf(obj)->refcount = kImmortal; }

// Sends `dealloc` through the runtime; the root implementation frees the object.
void deallocate(id obj);

// Heap blocks keep their count in their flags (the block runtime's own).
id retainHeapBlock(id block);
void releaseHeapBlock(id block);

inline id retain(id obj) {
  if (!obj) return obj;
  switch (head(obj->isa)->memory) {
    case InstanceMemory::Counted:
      if (countsReferences(obj)) ++prefixOf(obj)->refcount;
      return obj;
    case InstanceMemory::HeapBlock: return retainHeapBlock(obj);
    case InstanceMemory::Uncounted: return obj;
  }
  return obj;
}

inline void release(id obj) {
  if (!obj) return;
  switch (head(obj->isa)->memory) {
    case InstanceMemory::Counted:
      if (countsReferences(obj) && --prefixOf(obj)->refcount == 0) deallocate(obj);
      return;
    case InstanceMemory::HeapBlock: return releaseHeapBlock(obj);
    case InstanceMemory::Uncounted: return;
  }
}

// Hands `obj` to the innermost autorelease pool; it is released when that pool drains.
id autorelease(id obj);

// Objects allocated and not yet freed, for leak checks in tests and benchmarks.
long liveObjectCount();
void noteAllocation();
void noteDeallocation();

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

// A strong reference, as the device's manual rules would have it: a Ref owns one count
// of its object and releases it when it goes. It never converts to a raw pointer by
// itself; `get()` lends the object (+0) for as long as the Ref holds it. A raw pointer
// becomes a Ref in one of two plain ways:
//   Ref<T>::retain(p)  the caller keeps its own reference; the Ref retains p (+0 in).
//   Ref<T>::adopt(p)   the caller hands its owned reference over (+1 in, as from alloc,
//                      new, copy or init…); the Ref does not retain it again.
// A Ref is one pointer: moving it moves the pointer and touches no count.
template <class T = objc_object>
class Ref {
 public:
  using element_type = T;

  Ref() = default;
  Ref(std::nullptr_t) {}
  Ref(const Ref& other) : ptr_(other.ptr_) { rt::retain(ptr_); }
  Ref(Ref&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
  template <class U>
  Ref(const Ref<U>& other) : ptr_(other.get()) { rt::retain(ptr_); }
  template <class U>
  Ref(Ref<U>&& other) noexcept : ptr_(other.leak()) {}
  ~Ref() { rt::release(ptr_); }

  [[nodiscard]] static Ref retain(T* obj) {
    rt::retain(obj);
    return adopt(obj);
  }
  [[nodiscard]] static Ref adopt(T* obj) {
    Ref r;
    r.ptr_ = obj;
    return r;
  }

  Ref& operator=(const Ref& other) {
    rt::retain(other.ptr_);
    rt::release(std::exchange(ptr_, other.ptr_));
    return *this;
  }
  // Releases the old object after taking the new one, so that the release (which may
  // run dealloc) never sees this reference half changed.
  Ref& operator=(Ref&& other) noexcept {
    if (this != &other) rt::release(std::exchange(ptr_, std::exchange(other.ptr_, nullptr)));
    return *this;
  }

  void reset() { rt::release(std::exchange(ptr_, nullptr)); }

  // Gives up the reference without releasing it: the caller owns it (+1) from here.
  [[nodiscard]] T* leak() { return std::exchange(ptr_, nullptr); }

  T* get() const { return ptr_; }
  T* operator->() const { return ptr_; }
  T& operator*() const { return *ptr_; }
  explicit operator bool() const { return ptr_ != nullptr; }

  template <class U>
  bool operator==(const Ref<U>& other) const { return ptr_ == other.get(); }
  template <class U>
  bool operator==(const U* other) const { return ptr_ == other; }
  bool operator==(std::nullptr_t) const { return ptr_ == nullptr; }

 private:
  T* ptr_ = nullptr;
};

// Hands the reference to the innermost autorelease pool; the object stays alive until
// that pool drains.
template <class T>
T* autorelease(Ref<T>&& ref) {
  return static_cast<T*>(autorelease(ref.leak()));
}

// Strong references to each of the objects from `from` to `to`, for a walk whose steps may
// free some of them, or for a container that keeps them.
template <class T>
std::vector<Ref<T>> retainAll(T* const* from, T* const* to) {
  std::vector<Ref<T>> held;
  held.reserve(size_t(to - from));
  for (T* const* at = from; at != to; ++at) held.push_back(Ref<T>::retain(*at));
  return held;
}

template <class T>
std::vector<Ref<T>> retainAll(const std::vector<T*>& objects) {
  return retainAll(objects.data(), objects.data() + objects.size());
}

template <class T>
struct IsRef : std::false_type {};
template <class T>
struct IsRef<Ref<T>> : std::true_type {};

}  // namespace rt

using rt::Ref;
