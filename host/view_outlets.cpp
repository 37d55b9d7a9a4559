#include "host/view_outlets.h"

#include <cctype>
#include <set>

namespace {

std::set<objc_property_t>& outletProperties() {
  static auto* all = new std::set<objc_property_t>;  // properties live for the process
  return *all;
}

}  // namespace

void lv::host::declareOutletProperty(Class cls, const char* name, const std::string& type, const std::string& ivar) {
  std::string setter = std::string("set") + char(std::toupper(static_cast<unsigned char>(name[0]))) + (name + 1) + ":";
  bool writable = cls->methods.contains(sel_registerName(setter.c_str()));
  const objc_property_attribute_t attributes[] = {
      {"T", type.c_str()}, {writable ? "&" : "R", ""}, {"N", ""}, {"V", ivar.c_str()}};
  if (class_addProperty(cls, name, attributes, 4)) outletProperties().insert(class_getProperty(cls, name));
}

bool lv::host::isOutletProperty(objc_property_t property) { return outletProperties().contains(property); }
