#pragma once
// The installation tables: each row adds a property, adds a method or installs a
// replacement on a host class found by name at installation time. Rows are built with
// the helpers below and are constant-initialised, so they are ready when the load-time
// entry point runs: the library has no dynamic initialiser.
#include <objc/runtime.h>
#include <substrate.h>

#include <span>
#include <string>
#include <string_view>

#include "startup/added_property.h"
#include "startup/slot.h"

namespace lv {

enum class InstallKind { Property, Method, Replacement };

struct InstallEntry {
  InstallKind kind;
  const char* className;
  const char* name;  // selector, or property name
  void (*install)(Class cls, const InstallEntry& entry);
  const char* types = nullptr;  // added methods
  const objc_property_attribute_t* attributes = nullptr;
  unsigned attributeCount = 0;
  bool withAccessors = false;  // a property row that also adds its getter and setter
  const void* slot = nullptr;  // replacements
};

// Installs every row in order. A class the host lacks, a selector it lacks or a member it
// already has leaves that row uninstalled; the next row is installed all the same.
void install(std::span<const InstallEntry> rows);

// "labelStackView" → "setLabelStackView:"
std::string setterName(std::string_view property);

template <auto Fn>
constexpr InstallEntry replacement(const char* cls, const char* sel) {
  return {InstallKind::Replacement, cls, sel,
          [](Class c, const InstallEntry& e) { MSHookMessageEx(c, sel_registerName(e.name), reinterpret_cast<IMP>(Fn), &slot<Fn>.imp); },
          nullptr, nullptr, 0, false, &slot<Fn>.imp};
}

template <auto Fn>
constexpr InstallEntry method(const char* cls, const char* sel, const char* types) {
  return {InstallKind::Method, cls, sel,
          [](Class c, const InstallEntry& e) { class_addMethod(c, sel_registerName(e.name), reinterpret_cast<IMP>(Fn), e.types); },
          types};
}

template <FixedString Name, size_t N>
constexpr InstallEntry declaredProperty(const char* cls, const objc_property_attribute_t (&attributes)[N]) {
  return {InstallKind::Property, cls, Name.text,
          [](Class c, const InstallEntry& e) { class_addProperty(c, e.name, e.attributes, e.attributeCount); },
          nullptr, attributes, N};
}

// A property row that also adds its getter ("@@:") and setter ("v@:@").
template <FixedString Name, size_t N>
constexpr InstallEntry property(const char* cls, const objc_property_attribute_t (&attributes)[N]) {
  return {InstallKind::Property, cls, Name.text,
          [](Class c, const InstallEntry& e) {
            class_addProperty(c, e.name, e.attributes, e.attributeCount);
            class_addMethod(c, sel_registerName(e.name), reinterpret_cast<IMP>(propertyGetter<Name>), "@@:");
            class_addMethod(c, sel_registerName(setterName(e.name).c_str()), reinterpret_cast<IMP>(propertySetter<Name>), "v@:@");
          },
          nullptr, attributes, N, true};
}

template <FixedString Name>
constexpr InstallEntry propertyGetterMethod(const char* cls) {
  return method<propertyGetter<Name>>(cls, Name.text, "@@:");
}

template <FixedString Name>
constexpr InstallEntry propertySetterMethod(const char* cls, const char* setter) {
  return method<propertySetter<Name>>(cls, setter, "v@:@");
}

}  // namespace lv
