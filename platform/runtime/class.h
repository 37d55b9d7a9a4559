#pragma once
// Classes, metaclasses and methods. A class is found by name, has one superclass, and
// keeps its own methods, properties and named instance variables. Instances of a class
// are C++ objects made by the allocator that the class or its nearest ancestor declared.
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <unordered_map>
#include <vector>

#include "runtime/diagnostics.h"
#include "runtime/object.h"
#include "runtime/selector.h"
#include "runtime/signature.h"

struct objc_method {
  SEL name;
  IMP imp;
  const rt::Signature* signature;
  std::string types;
};

struct objc_property_attribute_t {
  const char* name;
  const char* value;
};

struct objc_property {
  std::string name;
  std::vector<std::pair<std::string, std::string>> attributes;
  std::string encoded;  // "T@\"UIView\",N,V_name" as property_getAttributes gives it
};

namespace rt {

struct Ivar {
  std::string name;
  const std::type_info* type;  // the type a read yields: the field's, or `id` for a Ref<>
  std::function<void(id obj, void* out)> load;
};

// The method cache: a table indexed by selector index, valid while `generation` equals
// the runtime's. Any change of any method table bumps the runtime's generation.
struct MethodCache {
  uint64_t generation = 0;
  uint32_t size = 0;
  std::unique_ptr<const objc_method*[]> slots;
};

using Allocator = id (*)();

}  // namespace rt

struct objc_class : objc_object {
  std::string name;
  Class superclass = nullptr;
  bool isMetaclass = false;
  rt::Allocator allocator = nullptr;  // instances only; inherited when null
  std::unordered_map<SEL, std::unique_ptr<objc_method>> methods;
  std::vector<std::unique_ptr<objc_property>> properties;
  std::vector<rt::Ivar> ivars;
  rt::MethodCache cache;
};

// The device's C interface.
Class objc_getClass(const char* name);
Class object_getClass(id obj);
const char* class_getName(Class cls);
Class class_getSuperclass(Class cls);
bool class_respondsToSelector(Class cls, SEL sel);
Method class_getInstanceMethod(Class cls, SEL sel);  // searches superclasses
IMP method_getImplementation(Method m);
const char* method_getTypeEncoding(Method m);
bool class_addProperty(Class cls, const char* name, const objc_property_attribute_t* attrs,
                       unsigned count);
objc_property_t class_getProperty(Class cls, const char* name);
const char* property_getAttributes(objc_property_t p);
// Makes a class without C++ state of its own; its instances are made by the nearest
// ancestor's allocator. Registration makes it visible to objc_getClass.
Class objc_allocateClassPair(Class superclass, const char* name, size_t extraBytes);
void objc_registerClassPair(Class cls);

namespace rt {

inline bool isKindOfClass(id obj, Class cls) {
  for (Class c = obj ? obj->isa : nullptr; c; c = c->superclass)
    if (c == cls) return true;
  return false;
}

// Registers class `name` under the class named `superclass` (null for a root class); its
// instances are `T`. An unregistered superclass or a name registered twice is a fatal error.
Class defineClass(const char* name, const char* superclass, Allocator allocator);

template <class T>
Class defineClass(const char* name, const char* superclass) {
  return defineClass(name, superclass, +[]() -> id { return new T(); });
}

// NSObject, registered on first use.
Class rootClass();

// Makes a fresh instance of `cls` with a +1 count (what `alloc` does).
id allocateInstance(Class cls);

// Adds or replaces the method `sel` of `cls` itself (use the metaclass for class
// methods). Returns the previous implementation of `cls` itself, or null.
IMP installMethod(Class cls, SEL sel, IMP imp, const Signature* sig, const char* types);

// Finds the method for `sel` starting at `cls`, or null.
const objc_method* findMethod(Class cls, SEL sel);

// The device's type encoding of one C++ type: scalars by letter, objects '@', selectors
// ':', classes '#', other pointers '^v' and structures '{?}'.
template <class T>
constexpr const char* typeLetter() {
  using U = std::remove_cv_t<T>;
  if constexpr (std::is_void_v<U>) return "v";
  else if constexpr (std::is_same_v<U, id>) return "@";
  else if constexpr (std::is_same_v<U, SEL>) return ":";
  else if constexpr (std::is_same_v<U, Class>) return "#";
  else if constexpr (std::is_same_v<U, bool>) return "B";
  else if constexpr (std::is_same_v<U, char> || std::is_same_v<U, signed char>) return "c";
  else if constexpr (std::is_same_v<U, int>) return "i";
  else if constexpr (std::is_same_v<U, unsigned>) return "I";
  else if constexpr (std::is_same_v<U, long> || std::is_same_v<U, long long>) return "q";
  else if constexpr (std::is_same_v<U, unsigned long> || std::is_same_v<U, unsigned long long>)
    return "Q";
  else if constexpr (std::is_same_v<U, float>) return "f";
  else if constexpr (std::is_same_v<U, double>) return "d";
  else if constexpr (std::is_pointer_v<U>) return "^v";
  else return "{?}";
}

template <class R, class... A>
std::string encodingOf() {
  std::string s = typeLetter<R>();
  s += "@:";
  ((s += typeLetter<A>()), ...);
  return s;
}

template <class R, class... A>
void addMethod(Class cls, SEL sel, R (*imp)(id, SEL, A...), const char* types = nullptr) {
  using Fn = R (*)(id, SEL, A...);
  installMethod(cls, sel, reinterpret_cast<IMP>(imp), signatureOf<Fn>(),
                types ? types : encodingOf<R, A...>().c_str());
}

template <class R, class... A>
void addClassMethod(Class cls, SEL sel, R (*imp)(id, SEL, A...), const char* types = nullptr) {
  addMethod(object_getClass(reinterpret_cast<id>(cls)), sel, imp, types);
}

// Named instance variables. A class declares an ivar by naming a field of its C++ type;
// a typed read by name walks the class chain and yields nothing when no class declares
// it or the type differs. A strong reference field (Ref<U>) reads as an `id`, as an
// object ivar does on the device.
template <class Field>
struct IvarValue {
  using type = Field;
  static const Field& get(const Field& field) { return field; }
};
template <class U>
struct IvarValue<Ref<U>> {
  using type = id;
  static id get(const Ref<U>& field) { return field.get(); }
};

template <class T, class Field>
void addIvar(Class cls, const char* name, Field T::*member) {
  using V = typename IvarValue<Field>::type;
  cls->ivars.push_back(Ivar{name, &typeid(V), [member](id obj, void* out) {
                              *static_cast<V*>(out) =
                                  IvarValue<Field>::get(static_cast<T*>(obj)->*member);
                            }});
}

const Ivar* findIvar(Class cls, const char* name);

template <class V>
bool readIvar(id obj, const char* name, V& out) {
  if (!obj) return false;
  const Ivar* ivar = findIvar(obj->isa, name);
  if (!ivar || *ivar->type != typeid(V)) return false;
  ivar->load(obj, &out);
  return true;
}

// Every registered class, in registration order; for tests and tools.
std::vector<Class> allClasses();

}  // namespace rt

// class_addMethod: adds only when `cls` itself lacks the selector; the type string is
// kept as given. Returns whether it added.
template <class R, class... A>
bool class_addMethod(Class cls, SEL sel, R (*imp)(id, SEL, A...), const char* types) {
  if (!cls || !sel) return false;
  if (cls->methods.count(sel)) return false;
  using Fn = R (*)(id, SEL, A...);
  rt::installMethod(cls, sel, reinterpret_cast<IMP>(imp), rt::signatureOf<Fn>(), types);
  return true;
}

// Associated objects. Only OBJC_ASSOCIATION_RETAIN_NONATOMIC is offered: strong, kept
// per instance, released with the instance; storing nil removes the value.
enum objc_AssociationPolicy : uintptr_t { OBJC_ASSOCIATION_RETAIN_NONATOMIC = 1 };
void objc_setAssociatedObject(id obj, const void* key, id value, objc_AssociationPolicy policy);
id objc_getAssociatedObject(id obj, const void* key);
void objc_removeAssociatedObjects(id obj);
