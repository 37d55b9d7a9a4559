#include <cstdlib>
#include <map>
#include <unordered_set>

#include "runtime/hook_records.h"
#include "runtime/message.h"
#include "runtime/untrusted_pointers.h"

namespace rt {

const objc_method g_unlookedMethod{};

namespace {
// The classes whose caches hold something, to empty when a method table changes.
std::vector<Class>& cachingClasses() {
  static auto* classes = new std::vector<Class>;  // lives for the process
  return *classes;
}
}  // namespace

void emptyMethodCaches() {
  for (Class cls : cachingClasses()) {
    delete[] std::exchange(cls->cacheSlots, nullptr);
    cls->cacheSize = 0;
  }
  cachingClasses().clear();
}

namespace {

struct ClassTable {
  std::map<std::string, Class, std::less<>> byName;
  std::vector<Class> ordered;
  std::unordered_set<const void*> classesAndMetaclasses;
};

ClassTable& classes() {
  static ClassTable* t = new ClassTable;  // classes live for the process
  return *t;
}

// A class object with `extraBytes` after it, for object_getIndexedIvars.
Class newClassObject(size_t extraBytes) {
  void* memory = ::operator new(sizeof(objc_class) + extraBytes);
  std::memset(static_cast<char*>(memory) + sizeof(objc_class), 0, extraBytes);
  return new (memory) objc_class;
}

Class makeClass(Class cls, const char* name, Class superclass, bool meta) {
  cls->name = name;
  cls->superclass = superclass;
  cls->isMetaclass = meta;
  if (meta) cls->memory = InstanceMemory::Uncounted;
  return cls;
}

// A class and its metaclass. The root metaclass inherits from the root class, so that
// class objects answer the root's instance methods, as on the device.
Class makeClassPair(Class cls, const char* name, Class superclass, size_t extraBytes) {
  Class meta = makeClass(newClassObject(extraBytes), name, nullptr, true);
  makeClass(cls, name, superclass, false);
  cls->isa = meta;
  if (superclass) {
    meta->superclass = superclass->isa;
    meta->isa = superclass->isa->isa;
    cls->memory = superclass->memory;
    cls->instanceSize = superclass->instanceSize;
  } else {
    meta->superclass = cls;
    meta->isa = meta;
  }
  return cls;
}

void registerClass(Class cls) {
  ClassTable& t = classes();
  if (t.byName.count(cls->name)) fatal("class " + cls->name + " is already registered");
  t.byName.emplace(cls->name, cls);
  t.ordered.push_back(cls);
  t.classesAndMetaclasses.insert({cls, cls->isa});
  cls->registered = true;
}

Class definedSuperclass(const char* name, const char* superclass) {
  Class parent = superclass ? findClass(superclass) : nullptr;
  if (superclass && !parent)
    fatal(std::string("class ") + name + " names superclass " + superclass +
          ", which is not registered");
  return parent;
}

Class typedAncestor(Class cls) {
  while (cls && !cls->instanceType.construct) cls = cls->superclass;
  return cls;
}

long g_liveObjects = 0;

}  // namespace

void noteAllocation() { ++g_liveObjects; }
void noteDeallocation() { --g_liveObjects; }
long liveObjectCount() { return g_liveObjects; }

Class defineClass(const char* name, const char* superclass, InstanceType type) {
  Class cls = makeClassPair(newClassObject(0), name, definedSuperclass(name, superclass), 0);
  cls->instanceType = type;
  cls->instanceSize = type.size;
  registerClass(cls);
  return cls;
}

Class defineClassAt(void* storage, const char* name, const char* superclass,
                    InstanceMemory memory) {
  Class cls = makeClassPair(new (storage) objc_class, name, definedSuperclass(name, superclass), 0);
  cls->memory = memory;
  registerClass(cls);
  return cls;
}

Class defineConstantClass(const char* name, const char* superclass) {
  return defineClassAt(::operator new(sizeof(objc_class)), name, superclass, InstanceMemory::Uncounted);
}

void* allocateObjectStorage(size_t size) {
  // calloc keeps 16-byte alignment, which the prefix's size preserves for the object.
  void* memory = std::calloc(1, sizeof(ObjectPrefix) + size);
  if (!memory) fatal("out of memory");
  auto* prefix = new (memory) ObjectPrefix;
  prefix->serial = nextObjectSerial();
  noteAllocation();
  return prefix + 1;
}

id allocateInstance(Class cls) {
  Class typed = typedAncestor(cls);
  if (!typed || cls->memory != InstanceMemory::Counted)
    fatal(std::string("class ") + class_getName(cls) + " cannot make instances");
  auto obj = static_cast<id>(allocateObjectStorage(cls->instanceSize));
  typed->instanceType.construct(obj);
  obj->isa = cls;
  return obj;
}

void freeInstance(id obj) {
  typedAncestor(obj->isa)->instanceType.destroy(obj);
  noteDeallocation();
  ObjectPrefix* prefix = prefixOf(obj);
  prefix->~ObjectPrefix();
  obj->isa = nullptr;  // what isObjectPointer reads of a pointer kept to it
  std::free(prefix);
}

IMP installMethod(Class cls, SEL sel, IMP imp, const Signature* sig, const char* types) {
  IMP old = nullptr;
  auto it = cls->methods.find(sel);
  if (it != cls->methods.end()) {
    old = it->second->imp;
    it->second->imp = imp;
    it->second->signature = sig;
    it->second->types = types ? types : "";
  } else {
    cls->methods.emplace(sel, std::make_unique<objc_method>(
                                  objc_method{sel, imp, sig, types ? types : ""}));
  }
  emptyMethodCaches();
  return old;
}

void addMethod(Class cls, SEL sel, IMP imp, const Signature* sig, const std::string& computed,
               const char* types) {
  if (types && internSignature(types) != sig)
    fatal(messageName(cls, sel) + ": the encoding " + types +
          " does not describe the implementation, " + computed);
  installMethod(cls, sel, imp, sig, types ? types : computed.c_str());
}

const objc_method* findMethod(Class cls, SEL sel) {
  for (Class c = cls; c; c = c->superclass) {
    auto it = c->methods.find(sel);
    if (it != c->methods.end()) return it->second.get();
  }
  return nullptr;
}

const objc_method* lookupSlow(Class cls, SEL sel) {
  const objc_method* m = findMethod(cls, sel);
  // While a trace is on, what it traces is not cached, so that every send of it comes here.
  // A selector the class does not answer is not cached: the fast paths call what they find.
  if (!m || (g_messageObserver && g_messageObserver->traces(m->imp))) return m;
  if (sel->index >= cls->cacheSize) {
    if (!cls->cacheSlots) cachingClasses().push_back(cls);
    // Sized to every selector known now, so that later selectors rarely regrow it.
    uint32_t needed = selectorCount();
    uint32_t size = needed + needed / 2 + 16;
    auto* slots = new const objc_method*[size];
    std::fill_n(slots, size, &g_unlookedMethod);
    if (cls->cacheSlots) std::copy_n(cls->cacheSlots, cls->cacheSize, slots);
    delete[] std::exchange(cls->cacheSlots, slots);
    cls->cacheSize = size;
  }
  cls->cacheSlots[sel->index] = m;
  return m;
}

std::string messageName(Class cls, SEL sel) {
  return std::string(cls->isMetaclass ? "+[" : "-[") + cls->name + " " + sel_getName(sel) + "]";
}

void unrecognizedSelector(id receiver, SEL sel) {
  bool isClass = receiver->isa->isMetaclass;
  fatal(messageName(receiver->isa, sel) + ": unrecognized selector sent to " +
        (isClass ? "class" : "instance"));
}

void signatureMismatch(Class cls, SEL sel, const Signature* have, const Signature* want) {
  fatal(messageName(cls, sel) + ": signature mismatch: the method is " +
        (have ? have->readable : "untyped") + ", the call expects " + want->readable);
}

void addIvar(Class cls, const char* name, const std::string& types, ptrdiff_t offset, size_t size) {
  cls->ivars.push_back(std::make_unique<objc_ivar>(objc_ivar{name, types, offset, size}));
}

const objc_ivar* findIvar(Class cls, const char* name) {
  for (Class c = cls; c; c = c->superclass)
    for (const auto& ivar : c->ivars)
      if (ivar->name == name) return ivar.get();
  return nullptr;
}

std::vector<Class> allClasses() { return classes().ordered; }

Class findClass(std::string_view name) {
  auto& t = classes().byName;
  auto it = t.find(name);
  return it == t.end() ? nullptr : it->second;
}

bool isClassPointer(const void* p) { return classes().classesAndMetaclasses.contains(p); }

}  // namespace rt

namespace {

// A malloc'ed copy ending with null, or null for an empty list, as the copy functions answer.
template <class T>
T* copiedList(const std::vector<T>& list, unsigned int* outCount) {
  if (outCount) *outCount = unsigned(list.size());
  if (list.empty()) return nullptr;
  auto* result = static_cast<T*>(std::calloc(list.size() + 1, sizeof(T)));
  std::copy(list.begin(), list.end(), result);
  return result;
}

}  // namespace

extern "C" {

Class objc_getClass(const char* name) {
  if (!name) return nullptr;
  Class found = rt::findClass(name);
  if (!found) rt::noteMissingClass(name);
  return found;
}

Class objc_lookUpClass(const char* name) { return objc_getClass(name); }

Class objc_getMetaClass(const char* name) {
  Class cls = objc_getClass(name);
  return cls ? cls->isa : nullptr;
}

Class object_getClass(id obj) { return obj ? obj->isa : nullptr; }
const char* object_getClassName(id obj) { return class_getName(object_getClass(obj)); }

void* object_getIndexedIvars(id obj) {
  if (!obj || !obj->isa->isMetaclass) return nullptr;
  return reinterpret_cast<char*>(obj) + sizeof(objc_class);
}

const char* class_getName(Class cls) { return cls ? cls->name.c_str() : "nil"; }
Class class_getSuperclass(Class cls) { return cls ? cls->superclass : nullptr; }
BOOL class_isMetaClass(Class cls) { return cls && cls->isMetaclass; }

BOOL class_respondsToSelector(Class cls, SEL sel) {
  return cls && sel && rt::findMethod(cls, sel) != nullptr;
}

Method class_getInstanceMethod(Class cls, SEL sel) {
  if (!cls || !sel) return nullptr;
  return const_cast<Method>(rt::findMethod(cls, sel));
}

Method class_getClassMethod(Class cls, SEL sel) {
  return cls ? class_getInstanceMethod(cls->isa, sel) : nullptr;
}

IMP class_getMethodImplementation(Class cls, SEL sel) {
  return method_getImplementation(class_getInstanceMethod(cls, sel));
}

static void addEncodedMethod(Class cls, SEL sel, IMP imp, const char* types) {
  rt::installMethod(cls, sel, imp, types ? rt::internSignature(types) : nullptr, types);
}

BOOL class_addMethod(Class cls, SEL sel, IMP imp, const char* types) {
  const void* caller = __builtin_return_address(0);
  using enum rt::HookOutcome;
  rt::HookOutcome outcome = !cls ? NoClass : !sel || !imp ? NoSelector : cls->methods.count(sel) ? AlreadyHas : Added;
  rt::recordHook(caller, rt::HookFunction::AddMethod, outcome, cls, sel);
  if (outcome != Added) return NO;
  addEncodedMethod(cls, sel, imp, types);
  return YES;
}

IMP class_replaceMethod(Class cls, SEL sel, IMP imp, const char* types) {
  const void* caller = __builtin_return_address(0);
  using enum rt::HookOutcome;
  if (!cls || !sel || !imp) {
    rt::recordHook(caller, rt::HookFunction::ReplaceMethod, !cls ? NoClass : NoSelector, cls, sel);
    return nullptr;
  }
  auto it = cls->methods.find(sel);
  rt::recordHook(caller, rt::HookFunction::ReplaceMethod, it == cls->methods.end() ? Added : Replaced, cls, sel);
  if (it == cls->methods.end()) {
    addEncodedMethod(cls, sel, imp, types);
    return nullptr;
  }
  objc_method& m = *it->second;
  return rt::installMethod(cls, sel, imp, m.signature, std::string(m.types).c_str());
}

Method* class_copyMethodList(Class cls, unsigned int* outCount) {
  if (!cls) return copiedList(std::vector<Method>{}, outCount);
  std::vector<Method> list;
  for (const auto& [sel, method] : cls->methods) list.push_back(method.get());
  // By selector name, so that the order does not depend on where selectors live.
  std::sort(list.begin(), list.end(),
            [](Method a, Method b) { return std::strcmp(sel_getName(a->name), sel_getName(b->name)) < 0; });
  return copiedList(list, outCount);
}

Ivar* class_copyIvarList(Class cls, unsigned int* outCount) {
  std::vector<Ivar> list;
  if (cls) for (const auto& ivar : cls->ivars) list.push_back(ivar.get());
  return copiedList(list, outCount);
}

objc_property_t* class_copyPropertyList(Class cls, unsigned int* outCount) {
  std::vector<objc_property_t> list;
  if (cls) for (const auto& property : cls->properties) list.push_back(property.get());
  return copiedList(list, outCount);
}

id object_getIvar(id obj, Ivar ivar) {
  if (!obj || !ivar) return nil;
  return *reinterpret_cast<id*>(reinterpret_cast<char*>(obj) + ivar->offset);
}

size_t class_getInstanceSize(Class cls) { return cls ? cls->instanceSize : 0; }

BOOL class_addIvar(Class cls, const char* name, size_t size, uint8_t alignment, const char* types) {
  if (!cls || !name || cls->registered || cls->isMetaclass || alignment >= 16 ||
      rt::findIvar(cls, name))
    return NO;
  size_t align = size_t(1) << alignment;
  size_t offset = (cls->instanceSize + align - 1) / align * align;
  rt::addIvar(cls, name, types ? types : "", ptrdiff_t(offset), size);
  cls->instanceSize = offset + size;
  return YES;
}

Ivar class_getInstanceVariable(Class cls, const char* name) {
  if (!cls || !name) return nullptr;
  return const_cast<Ivar>(rt::findIvar(cls, name));
}

const char* ivar_getName(Ivar v) { return v ? v->name.c_str() : nullptr; }
const char* ivar_getTypeEncoding(Ivar v) { return v ? v->types.c_str() : nullptr; }
ptrdiff_t ivar_getOffset(Ivar v) { return v ? v->offset : 0; }

SEL method_getName(Method m) { return m ? m->name : nullptr; }
IMP method_getImplementation(Method m) { return m ? m->imp : nullptr; }
const char* method_getTypeEncoding(Method m) { return m ? m->types.c_str() : nullptr; }

IMP method_setImplementation(Method m, IMP imp) {
  if (!m || !imp) return nullptr;
  IMP old = std::exchange(m->imp, imp);
  rt::emptyMethodCaches();
  return old;
}

BOOL class_addProperty(Class cls, const char* name, const objc_property_attribute_t* attrs,
                       unsigned count) {
  if (!cls || !name || class_getProperty(cls, name)) return NO;
  auto prop = std::make_unique<objc_property>();
  prop->name = name;
  for (unsigned i = 0; i < count; ++i) {
    prop->attributes.emplace_back(attrs[i].name ? attrs[i].name : "",
                                  attrs[i].value ? attrs[i].value : "");
    if (i) prop->encoded += ',';
    prop->encoded += prop->attributes.back().first + prop->attributes.back().second;
  }
  cls->properties.push_back(std::move(prop));
  return YES;
}

objc_property_t class_getProperty(Class cls, const char* name) {
  if (!name) return nullptr;
  for (Class c = cls; c; c = c->superclass)
    for (const auto& p : c->properties)
      if (p->name == name) return p.get();
  return nullptr;
}

const char* property_getName(objc_property_t p) { return p ? p->name.c_str() : nullptr; }
const char* property_getAttributes(objc_property_t p) { return p ? p->encoded.c_str() : nullptr; }

Class objc_allocateClassPair(Class superclass, const char* name, size_t extraBytes) {
  if (!name || rt::findClass(name)) return nullptr;
  return rt::makeClassPair(rt::newClassObject(extraBytes), name, superclass, extraBytes);
}

void objc_registerClassPair(Class cls) {
  if (cls && !cls->registered) rt::registerClass(cls);
}

}  // extern "C"
