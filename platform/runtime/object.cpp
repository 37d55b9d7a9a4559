#include <algorithm>
#include <vector>

#include "runtime/message.h"

namespace rt {

struct AssociationTable {
  std::vector<std::pair<const void*, id>> entries;
};

namespace {

long g_liveObjects = 0;
uint64_t g_lastSerial = 0;

std::vector<id>& autoreleased() {
  static auto* objects = new std::vector<id>;
  return *objects;
}

void drainTo(size_t mark) {
  std::vector<id>& objects = autoreleased();
  // Releasing may autorelease more objects; they belong to this pool as well.
  while (objects.size() > mark) {
    id obj = objects.back();
    objects.pop_back();
    release(obj);
  }
}

}  // namespace

uint64_t nextObjectSerial() { return ++g_lastSerial; }
void noteAllocation() { ++g_liveObjects; }
long liveObjectCount() { return g_liveObjects; }

void deallocate(id obj) { send<void>(obj, "dealloc"_sel); }

id autorelease(id obj) {
  if (obj && countsReferences(obj)) autoreleased().push_back(obj);
  return obj;
}

AutoreleasePool::AutoreleasePool() : mark_(autoreleased().size()) {}
AutoreleasePool::~AutoreleasePool() { drainTo(mark_); }

namespace {

// The root class. Its implementations are the ones every object and class falls back to.
id NSObject_alloc(id cls, SEL) { return allocateInstance(reinterpret_cast<Class>(cls)); }
id NSObject_new(id cls, SEL) { return create(reinterpret_cast<Class>(cls), "init"_sel).leak(); }
id NSObject_init(id self, SEL) { return self; }

void NSObject_dealloc(id self, SEL) {
  objc_removeAssociatedObjects(self);
  --g_liveObjects;
  delete self;
}

id NSObject_retain(id self, SEL) { return retain(self); }
void NSObject_release(id self, SEL) { release(self); }
id NSObject_autorelease(id self, SEL) { return autorelease(self); }
Class NSObject_class(id self, SEL) {
  return self->isa->isMetaclass ? reinterpret_cast<Class>(self) : self->isa;
}
Class NSObject_superclass(id self, SEL) { return NSObject_class(self, nullptr)->superclass; }
bool NSObject_respondsToSelector(id self, SEL, SEL sel) {
  return class_respondsToSelector(self->isa, sel);
}
bool NSObject_isKindOfClass(id self, SEL, Class cls) { return isKindOfClass(self, cls); }
bool NSObject_isEqual(id self, SEL, id other) { return self == other; }
NSUInteger NSObject_hash(id self, SEL) { return self->serial; }

Class registerRoot() {
  Class root = defineClass("NSObject", nullptr, +[]() -> id { return new objc_object; });
  addClassMethod(root, "alloc"_sel, NSObject_alloc);
  addClassMethod(root, "new"_sel, NSObject_new);
  addMethod(root, "init"_sel, NSObject_init);
  addMethod(root, "dealloc"_sel, NSObject_dealloc);
  addMethod(root, "retain"_sel, NSObject_retain);
  addMethod(root, "release"_sel, NSObject_release);
  addMethod(root, "autorelease"_sel, NSObject_autorelease);
  addMethod(root, "class"_sel, NSObject_class);
  addMethod(root, "superclass"_sel, NSObject_superclass);
  addMethod(root, "respondsToSelector:"_sel, NSObject_respondsToSelector);
  addMethod(root, "isKindOfClass:"_sel, NSObject_isKindOfClass);
  addMethod(root, "isEqual:"_sel, NSObject_isEqual);
  addMethod(root, "hash"_sel, NSObject_hash);
  return root;
}

}  // namespace

Class rootClass() {
  static const Class root = registerRoot();
  return root;
}

namespace {
// NSObject exists as soon as the platform library is loaded.
[[maybe_unused]] const Class g_root = rootClass();
}  // namespace

}  // namespace rt

objc_object::~objc_object() = default;

void objc_setAssociatedObject(id obj, const void* key, id value, objc_AssociationPolicy) {
  if (!obj) return;
  auto*& table = obj->associations;
  if (!table) {
    if (!value) return;
    table = new rt::AssociationTable;
  }
  auto& entries = table->entries;
  auto it = std::find_if(entries.begin(), entries.end(),
                         [key](const auto& e) { return e.first == key; });
  rt::retain(value);
  id old = nullptr;
  if (it != entries.end()) {
    old = it->second;
    if (value)
      it->second = value;
    else
      entries.erase(it);
  } else if (value) {
    entries.emplace_back(key, value);
  }
  rt::release(old);
}

id objc_getAssociatedObject(id obj, const void* key) {
  if (!obj || !obj->associations) return nullptr;
  for (const auto& [k, v] : obj->associations->entries)
    if (k == key) return v;
  return nullptr;
}

void objc_removeAssociatedObjects(id obj) {
  if (!obj || !obj->associations) return;
  rt::AssociationTable* table = std::exchange(obj->associations, nullptr);
  for (auto& [key, value] : table->entries) rt::release(value);
  delete table;
}
