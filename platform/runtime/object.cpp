#include <algorithm>
#include <unordered_map>
#include <vector>

#include "runtime/message.h"

namespace rt {

struct AssociationEntry {
  const void* key;
  id value;
  objc_AssociationPolicy policy;
};

struct AssociationTable {
  std::vector<AssociationEntry> entries;
};

namespace {

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

void deallocate(id obj) { send<void>(obj, "dealloc"_sel); }

id autorelease(id obj) {
  if (obj && head(obj->isa)->memory != InstanceMemory::Uncounted) autoreleased().push_back(obj);
  return obj;
}

AutoreleasePool::AutoreleasePool() : mark_(autoreleased().size()) {}
AutoreleasePool::~AutoreleasePool() { drainTo(mark_); }

namespace {

// Objects without a prefix (class objects, compiler-made constants) keep their
// associations here. Looked up only, never walked, so addresses decide no order.
std::unordered_map<id, AssociationTable*>& outsideTables() {
  static auto* tables = new std::unordered_map<id, AssociationTable*>;
  return *tables;
}

AssociationTable*& associationsOf(id obj) {
  if (isCounted(obj)) return prefixOf(obj)->associations;
  return outsideTables()[obj];
}

AssociationTable* existingAssociations(id obj) {
  if (isCounted(obj)) return prefixOf(obj)->associations;
  auto it = outsideTables().find(obj);
  return it == outsideTables().end() ? nullptr : it->second;
}

constexpr uintptr_t kPolicyCopy = 3;  // the low bits of the copying policies
constexpr uintptr_t kPolicyAtomic = 01400;

bool retainsValue(objc_AssociationPolicy policy) { return policy != OBJC_ASSOCIATION_ASSIGN; }

// What the table holds for `value` under `policy`: the value itself, retained, or a copy (+1).
id heldValue(id value, objc_AssociationPolicy policy) {
  if (!value || !retainsValue(policy)) return value;
  if ((policy & kPolicyCopy) == kPolicyCopy) return send<id>(value, "copy"_sel);
  return retain(value);
}

// The root class. Its implementations are the ones every object and class falls back to.
id NSObject_alloc(id cls, SEL) { return allocateInstance(reinterpret_cast<Class>(cls)); }
id NSObject_new(id cls, SEL) { return create(reinterpret_cast<Class>(cls), "init"_sel).leak(); }
id NSObject_init(id self, SEL) { return self; }

void NSObject_dealloc(id self, SEL) {
  objc_removeAssociatedObjects(self);
  freeInstance(self);
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
NSUInteger NSObject_hash(id self, SEL) { return serialOf(self); }

Class registerRoot() {
  Class root = defineClass<objc_object>("NSObject", nullptr);
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

extern "C" {

id objc_retain(id obj) { return rt::retain(obj); }
void objc_release(id obj) { rt::release(obj); }
id objc_autorelease(id obj) { return rt::autorelease(obj); }

// A pool's context is its mark plus one, so that no context is null.
void* objc_autoreleasePoolPush(void) {
  return reinterpret_cast<void*>(uintptr_t(rt::autoreleased().size()) + 1);
}

void objc_autoreleasePoolPop(void* context) {
  if (!context) return;
  rt::drainTo(size_t(reinterpret_cast<uintptr_t>(context) - 1));
}

void objc_setAssociatedObject(id obj, const void* key, id value, objc_AssociationPolicy policy) {
  if (!obj) return;
  rt::AssociationTable*& table = rt::associationsOf(obj);
  if (!table) {
    if (!value) return;
    table = new rt::AssociationTable;
  }
  auto& entries = table->entries;
  auto it = std::find_if(entries.begin(), entries.end(),
                         [key](const auto& e) { return e.key == key; });
  id held = rt::heldValue(value, policy);
  rt::AssociationEntry old{};
  if (it != entries.end()) {
    old = *it;
    if (value)
      *it = {key, held, policy};
    else
      entries.erase(it);
  } else if (value) {
    entries.push_back({key, held, policy});
  }
  if (rt::retainsValue(old.policy)) rt::release(old.value);
}

id objc_getAssociatedObject(id obj, const void* key) {
  rt::AssociationTable* table = obj ? rt::existingAssociations(obj) : nullptr;
  if (!table) return nullptr;
  for (const rt::AssociationEntry& e : table->entries) {
    if (e.key != key) continue;
    // An atomic strong value is handed out retained and autoreleased, so that it outlives
    // a replacement made right after the read.
    if (e.policy & rt::kPolicyAtomic) return rt::autorelease(rt::retain(e.value));
    return e.value;
  }
  return nullptr;
}

void objc_removeAssociatedObjects(id obj) {
  if (!obj) return;
  rt::AssociationTable* table = std::exchange(rt::associationsOf(obj), nullptr);
  if (!rt::isCounted(obj)) rt::outsideTables().erase(obj);
  if (!table) return;
  for (const rt::AssociationEntry& e : table->entries)
    if (rt::retainsValue(e.policy)) rt::release(e.value);
  delete table;
}

}  // extern "C"
