#include "host/installation_report.h"

#include <map>

#include "substrate/slot_stub.h"

namespace lv::host {

namespace {

bool ownsMethod(Class cls, const char* selector) {
  return selector && cls->methods.contains(sel_registerName(selector));
}

bool isInstalled(const InstallRecord& r, const MethodSnapshot& before) {
  Class cls = objc_getClass(r.className);
  if (!cls) return false;
  switch (r.kind) {
    case InstallKind::Property:
      return class_getProperty(cls, r.name) &&
             (!r.getter || (ownsMethod(cls, r.getter) && ownsMethod(cls, r.setter)));
    case InstallKind::Method:
      return ownsMethod(cls, r.name);
    case InstallKind::Replacement: {
      IMP previous = before.implementation(cls, sel_registerName(r.name));
      return previous && r.slot && rt::slotTarget(*r.slot) == previous;
    }
  }
  return false;
}

std::vector<InstallationRow> changedMethods(const MethodSnapshot& before) {
  std::vector<InstallationRow> rows;
  for (Class cls : rt::allClasses()) {
    std::map<std::string, InstallKind> changed;
    for (const auto& [sel, method] : cls->methods) {
      IMP previous = before.implementation(cls, sel);
      if (previous != method->imp)
        changed[sel_getName(sel)] = previous ? InstallKind::Replacement : InstallKind::Method;
    }
    for (const auto& [name, kind] : changed)
      rows.push_back({0, int(rows.size()) + 1, kind, class_getName(cls), name, true});
  }
  return rows;
}

}  // namespace

}  // namespace lv::host

std::vector<lv::host::InstallationRow> lv::host::installationReport(const Library& library, const MethodSnapshot& before) {
  if (library.installRecords().empty()) return changedMethods(before);
  std::vector<InstallationRow> rows;
  for (const InstallRecord& r : library.installRecords())
    rows.push_back({r.group, r.row, r.kind, r.className, r.name, isInstalled(r, before)});
  return rows;
}
