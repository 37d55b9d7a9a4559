#pragma once
// A view or controller a host object keeps, made reachable as on the phone: the ivar
// `_name` typed `@"Class"` (object_getIvar), the declared property `name` (readwrite when
// the class has its setter already, readonly otherwise), and its getter if the class has
// none yet.
//
//   addOutlet<&CSCoverSheetView::clockLabel>(cls, "timeLabel", "UILabel");
#include <string>

#include "runtime/accessors.h"

namespace lv::host {

void declareOutletProperty(Class cls, const char* name, const std::string& type, const std::string& ivar);

// Whether `property` is an outlet's, which snapshots leave out: they show what the library added.
bool isOutletProperty(objc_property_t property);

template <auto Member>
void addOutlet(Class cls, const char* name, const char* className) {
  const std::string ivar = std::string("_") + name;
  const std::string type = std::string("@\"") + className + "\"";
  rt::addIvar(cls, ivar.c_str(), Member, type.c_str());
  if (!cls->methods.contains(sel_registerName(name))) rt::addMethod(cls, sel_registerName(name), rt::objectGetter<Member>);
  declareOutletProperty(cls, name, type, ivar);
}

}  // namespace lv::host
