#include "tools/lvsim/core/class_listing.h"

#include <fnmatch.h>

#include <algorithm>
#include <cstdlib>

#include "runtime/runtime.h"

namespace lv::sim {

namespace {

// What a class_copy…List function answers for `cls`, the list freed.
template <class T>
std::vector<T> copied(T* (*copy)(Class, unsigned*), Class cls) {
  unsigned count = 0;
  T* list = copy(cls, &count);
  std::vector<T> all(list, list + count);
  std::free(list);
  return all;
}

std::vector<ListedMember> methodsOf(Class cls) {
  std::vector<ListedMember> methods;
  for (Method m : copied(class_copyMethodList, cls))
    methods.push_back({sel_getName(method_getName(m)), method_getTypeEncoding(m)});
  return methods;
}

ListedClass listed(Class cls) {
  Class super = class_getSuperclass(cls);
  ListedClass c{class_getName(cls), super ? class_getName(super) : "", {}, {}, methodsOf(object_getClass(reinterpret_cast<id>(cls))),
                methodsOf(cls)};
  for (Ivar v : copied(class_copyIvarList, cls))
    c.ivars.push_back({ivar_getName(v), ivar_getTypeEncoding(v), ivar_getOffset(v)});
  for (objc_property_t p : copied(class_copyPropertyList, cls))
    c.properties.push_back({property_getName(p), property_getAttributes(p)});
  return c;
}

nlohmann::ordered_json membersJson(const std::vector<ListedMember>& members, const char* typesKey) {
  nlohmann::ordered_json json = nlohmann::ordered_json::array();
  for (const ListedMember& m : members) json.push_back({{"name", m.name}, {typesKey, m.types}});
  return json;
}

void appendMembers(std::string& text, const char* kind, const std::vector<ListedMember>& members) {
  for (const ListedMember& m : members) text += std::string("  ") + kind + m.name + "  " + m.types + "\n";
}

}  // namespace

}  // namespace lv::sim

bool lv::sim::classNameMatches(std::string_view pattern, const std::string& name) {
  if (pattern.find_first_of("*?[") == std::string_view::npos) return name.find(pattern) != std::string::npos;
  return fnmatch(std::string(pattern).c_str(), name.c_str(), 0) == 0;
}

std::vector<lv::sim::ListedClass> lv::sim::listClasses(std::string_view pattern) {
  std::vector<ListedClass> classes;
  for (Class cls : rt::allClasses())
    if (classNameMatches(pattern, class_getName(cls))) classes.push_back(listed(cls));
  std::ranges::sort(classes, {}, &ListedClass::name);
  return classes;
}

nlohmann::ordered_json lv::sim::classesJson(const std::vector<ListedClass>& classes) {
  nlohmann::ordered_json all = nlohmann::ordered_json::array();
  for (const ListedClass& c : classes) {
    nlohmann::ordered_json ivars = nlohmann::ordered_json::array();
    for (const ListedIvar& v : c.ivars) ivars.push_back({{"name", v.name}, {"types", v.types}, {"offset", v.offset}});
    all.push_back({{"name", c.name},
                   {"superclass", c.superclass.empty() ? nlohmann::ordered_json() : nlohmann::ordered_json(c.superclass)},
                   {"ivars", ivars},
                   {"properties", membersJson(c.properties, "attributes")},
                   {"classMethods", membersJson(c.classMethods, "types")},
                   {"instanceMethods", membersJson(c.instanceMethods, "types")}});
  }
  return {{"classes", all}};
}

std::string lv::sim::classesText(const std::vector<ListedClass>& classes) {
  std::string text;
  for (const ListedClass& c : classes) {
    if (!text.empty()) text += "\n";
    text += c.name + (c.superclass.empty() ? "" : " : " + c.superclass) + "\n";
    for (const ListedIvar& v : c.ivars)
      text += "  ivar " + v.name + "  " + v.types + "  offset " + std::to_string(v.offset) + "\n";
    appendMembers(text, "@property ", c.properties);
    appendMembers(text, "+", c.classMethods);
    appendMembers(text, "-", c.instanceMethods);
  }
  return text;
}
