#pragma once
// Classes, metaclasses, methods and instance variables. A class is found by name, has one
// superclass, and keeps its own methods, properties and instance variables. Instances of a
// class are C++ objects made and destroyed by the class or its nearest ancestor that knows
// their C++ type; instance variables added at run time live after the C++ object.
// Classes live for the process. Main thread only.
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "runtime/diagnostics.h"
#include "runtime/object.h"
#include "runtime/selector.h"
#include "runtime/signature.h"

struct objc_method {
  SEL name;
  IMP imp;
  const rt::Signature* signature;  // null when added without a type encoding
  std::string types;               // as the method was added, for method_getTypeEncoding
};

struct objc_ivar {
  std::string name;
  std::string types;
  ptrdiff_t offset;  // from the object's start
  size_t size;
};

struct objc_property {
  std::string name;
  std::vector<std::pair<std::string, std::string>> attributes;
  std::string encoded;  // "T@\"UIView\",N,V_name" as property_getAttributes gives it
};

namespace rt {

// How instances of a class that knows their C++ type are made in place and destroyed.
struct InstanceType {
  size_t size = 0;
  void (*construct)(void* memory) = nullptr;
  void (*destroy)(id obj) = nullptr;
};

}  // namespace rt

struct objc_class : rt::ClassHead {
  std::string name;
  rt::InstanceType instanceType;  // set on the class that knows its instances' C++ type
  size_t instanceSize = 0;        // the C++ object and every ivar added at run time
  bool registered = false;
  std::unordered_map<SEL, std::unique_ptr<objc_method>> methods;
  std::vector<std::unique_ptr<objc_property>> properties;
  std::vector<std::unique_ptr<objc_ivar>> ivars;
};

namespace rt {

inline Class superclassOf(Class cls) { return cls->superclass; }

inline bool isKindOfClass(id obj, Class cls) {
  for (Class c = obj ? obj->isa : nullptr; c; c = c->superclass)
    if (c == cls) return true;
  return false;
}

// Registers class `name` under the class named `superclass` (null for a root class); its
// instances are of `type`. An unregistered superclass or a name registered twice is a
// fatal error.
Class defineClass(const char* name, const char* superclass, InstanceType type);

template <class T>
Class defineClass(const char* name, const char* superclass) {
  static_assert(!std::is_polymorphic_v<T>, "an object begins with isa: no virtual functions");
  return defineClass(name, superclass,
                     InstanceType{sizeof(T), +[](void* memory) { new (memory) T(); },
                                  +[](id obj) { static_cast<T*>(obj)->~T(); }});
}

// Registers, in `storage`, a class whose instances the runtime never allocates (their
// memory is kept as `memory` says): the classes that compiler-made objects name by symbol.
Class defineClassAt(void* storage, const char* name, const char* superclass, InstanceMemory memory);

// Registers a class whose instances the platform places in static storage, as the compiler
// places the device's constant objects: never allocated by the runtime, never counted.
Class defineConstantClass(const char* name, const char* superclass);

// NSObject, registered on first use.
Class rootClass();

// Makes a fresh instance of `cls` with a +1 count (what `alloc` does).
id allocateInstance(Class cls);

// Memory for an instance of `size` bytes with a +1 count, not yet constructed.
void* allocateObjectStorage(size_t size);

// Destroys and frees an instance made by allocateInstance (the root dealloc's last step).
void freeInstance(id obj);

// Adds or replaces the method `sel` of `cls` itself (use the metaclass for class
// methods). Returns the previous implementation of `cls` itself, or null.
IMP installMethod(Class cls, SEL sel, IMP imp, const Signature* sig, const char* types);

// "-[Class selector]" or "+[Class selector]", as errors name a method.
std::string messageName(Class cls, SEL sel);

// Finds the method for `sel` starting at `cls`, or null.
const objc_method* findMethod(Class cls, SEL sel);

// Adds a method typed by its C++ function type. `types`, when given, is the device's
// encoding written out (an object argument that is a block reads "@?"); it must have the
// function type's shape.
void addMethod(Class cls, SEL sel, IMP imp, const Signature* sig, const std::string& computed,
               const char* types);

template <class R, class... A>
void addMethod(Class cls, SEL sel, R (*imp)(id, SEL, A...), const char* types = nullptr) {
  using Fn = R (*)(id, SEL, A...);
  addMethod(cls, sel, reinterpret_cast<IMP>(imp), signatureOf<Fn>(), typesOf<Fn>(), types);
}

template <class R, class... A>
void addClassMethod(Class cls, SEL sel, R (*imp)(id, SEL, A...), const char* types = nullptr) {
  addMethod(object_getClass(reinterpret_cast<id>(cls)), sel, imp, types);
}

// Declares a field of a class's C++ type as the instance variable `name`, reachable
// through the runtime's ivar interface. A strong reference field (Ref<U>) is an object
// ivar ("@", or `types` when given, as `@"UILabel"`), as on the device.
template <class Field>
struct IvarValue {
  using type = Field;
};
template <class U>
struct IvarValue<Ref<U>> {
  using type = id;
};

void addIvar(Class cls, const char* name, const std::string& types, ptrdiff_t offset, size_t size);

template <class T, class Field>
void addIvar(Class cls, const char* name, Field T::*member, const char* types = nullptr) {
  using V = typename IvarValue<Field>::type;
  static_assert(sizeof(Field) == sizeof(V));
  alignas(T) static unsigned char probe[sizeof(T)];
  T* object = reinterpret_cast<T*>(probe);
  ptrdiff_t offset = reinterpret_cast<unsigned char*>(&(object->*member)) - probe;
  addIvar(cls, name, types ? types : encodingOf<V>(), offset, sizeof(V));
}

// Reads the ivar `name` of `obj` into `out` when some class of `obj` declares it with
// `V`'s encoding; answers whether it did.
const objc_ivar* findIvar(Class cls, const char* name);

template <class V>
bool readIvar(id obj, const char* name, V& out) {
  if constexpr (!std::is_trivially_copyable_v<V>) {
    return false;
  } else {
    const objc_ivar* ivar = obj ? findIvar(obj->isa, name) : nullptr;
    if (!ivar || ivar->size != sizeof(V) ||
        internSignature(ivar->types) != internSignature(encodingOf<V>()))
      return false;
    std::memcpy(&out, reinterpret_cast<const unsigned char*>(obj) + ivar->offset, sizeof(V));
    return true;
  }
}

// Every registered class, in registration order; for tests and tools.
std::vector<Class> allClasses();

// The registered class named `name`, or null. Unlike objc_getClass, a miss is not noted as
// the name a later hook of a nil class is reported under: for the runtime's own checks.
Class findClass(std::string_view name);

}  // namespace rt

// class_addMethod for a typed C++ implementation.
template <class R, class... A>
BOOL class_addMethod(Class cls, SEL sel, R (*imp)(id, SEL, A...), const char* types) {
  return class_addMethod(cls, sel, reinterpret_cast<IMP>(imp), types);
}
