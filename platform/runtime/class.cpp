#include <map>

#include "runtime/message.h"

namespace rt {

uint64_t g_methodGeneration = 1;

namespace {

struct ClassTable {
  std::map<std::string, Class, std::less<>> byName;
  std::vector<Class> ordered;
};

ClassTable& classes() {
  static ClassTable* t = new ClassTable;  // classes live for the process
  return *t;
}

TraceSink g_traceSink = nullptr;

Class makeClass(const char* name, Class superclass, bool meta) {
  auto* cls = new objc_class;
  cls->refcount = kImmortal;
  cls->name = name;
  cls->superclass = superclass;
  cls->isMetaclass = meta;
  return cls;
}

// A class and its metaclass. The root metaclass inherits from the root class, so that
// class objects answer the root's instance methods, as on the device.
Class makeClassPair(const char* name, Class superclass) {
  Class meta = makeClass(name, nullptr, true);
  Class cls = makeClass(name, superclass, false);
  cls->isa = meta;
  if (superclass) {
    meta->superclass = superclass->isa;
    meta->isa = superclass->isa->isa;
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
}

}  // namespace

Class defineClass(const char* name, const char* superclass, Allocator allocator) {
  Class parent = objc_getClass(superclass);
  if (superclass && !parent)
    fatal(std::string("class ") + name + " names superclass " + superclass +
          ", which is not registered");
  Class cls = makeClassPair(name, parent);
  cls->allocator = allocator;
  registerClass(cls);
  return cls;
}

id allocateInstance(Class cls) {
  Class c = cls;
  while (c && !c->allocator) c = c->superclass;
  if (!c) fatal(std::string("class ") + class_getName(cls) + " has no allocator");
  id obj = c->allocator();
  obj->isa = cls;
  obj->refcount = 1;
  noteAllocation();
  return obj;
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
  ++g_methodGeneration;
  return old;
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
  if (g_traceSink) {
    g_traceSink(cls, sel);
    return m;
  }
  MethodCache& c = cls->cache;
  uint32_t needed = selectorCount();
  if (c.generation != g_methodGeneration || c.size < needed) {
    // Sized to every selector known now, so that later selectors rarely regrow it.
    uint32_t size = needed + needed / 2 + 16;
    c.slots = std::make_unique<const objc_method*[]>(size);
    c.size = size;
    c.generation = g_methodGeneration;
  }
  c.slots[sel->index] = m;
  return m;
}

void setMessageTrace(TraceSink sink) {
  g_traceSink = sink;
  ++g_methodGeneration;  // drop every cache so that sends reach the slow path
}

void unrecognizedSelector(id receiver, SEL sel) {
  bool isClass = receiver->isa->isMetaclass;
  fatal(std::string(isClass ? "+[" : "-[") + receiver->isa->name + " " + sel_getName(sel) +
        "]: unrecognized selector sent to " + (isClass ? "class" : "instance"));
}

void signatureMismatch(Class cls, SEL sel, const Signature* have, const Signature* want) {
  fatal(std::string(cls->isMetaclass ? "+[" : "-[") + cls->name + " " + sel_getName(sel) +
        "]: signature mismatch: the method is " + (have ? have->readable : "untyped") +
        ", the call expects " + want->readable);
}

const Ivar* findIvar(Class cls, const char* name) {
  for (Class c = cls; c; c = c->superclass)
    for (const Ivar& ivar : c->ivars)
      if (ivar.name == name) return &ivar;
  return nullptr;
}

std::vector<Class> allClasses() { return classes().ordered; }

}  // namespace rt

Class objc_getClass(const char* name) {
  if (!name) return nullptr;
  auto& t = rt::classes().byName;
  auto it = t.find(std::string_view(name));
  return it == t.end() ? nullptr : it->second;
}

Class object_getClass(id obj) { return obj ? obj->isa : nullptr; }
const char* class_getName(Class cls) { return cls ? cls->name.c_str() : "nil"; }
Class class_getSuperclass(Class cls) { return cls ? cls->superclass : nullptr; }

bool class_respondsToSelector(Class cls, SEL sel) {
  return cls && sel && rt::findMethod(cls, sel) != nullptr;
}

Method class_getInstanceMethod(Class cls, SEL sel) {
  if (!cls || !sel) return nullptr;
  return const_cast<Method>(rt::findMethod(cls, sel));
}

IMP method_getImplementation(Method m) { return m ? m->imp : nullptr; }
const char* method_getTypeEncoding(Method m) { return m ? m->types.c_str() : nullptr; }

bool class_addProperty(Class cls, const char* name, const objc_property_attribute_t* attrs,
                       unsigned count) {
  if (!cls || !name || class_getProperty(cls, name)) return false;
  auto prop = std::make_unique<objc_property>();
  prop->name = name;
  for (unsigned i = 0; i < count; ++i) {
    prop->attributes.emplace_back(attrs[i].name ? attrs[i].name : "",
                                  attrs[i].value ? attrs[i].value : "");
    if (i) prop->encoded += ',';
    prop->encoded += prop->attributes.back().first + prop->attributes.back().second;
  }
  cls->properties.push_back(std::move(prop));
  return true;
}

objc_property_t class_getProperty(Class cls, const char* name) {
  if (!name) return nullptr;
  for (Class c = cls; c; c = c->superclass)
    for (const auto& p : c->properties)
      if (p->name == name) return p.get();
  return nullptr;
}

const char* property_getAttributes(objc_property_t p) { return p ? p->encoded.c_str() : nullptr; }

Class objc_allocateClassPair(Class superclass, const char* name, size_t) {
  if (!name || objc_getClass(name)) return nullptr;
  return rt::makeClassPair(name, superclass);
}

void objc_registerClassPair(Class cls) {
  if (cls) rt::registerClass(cls);
}
