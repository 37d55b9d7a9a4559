#include "host/installation_report.h"

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
      return previous && r.slot && *r.slot == previous;
    }
  }
  return false;
}

}  // namespace

}  // namespace lv::host

std::vector<lv::host::InstallationRow> lv::host::installationReport(const Library& library, const MethodSnapshot& before) {
  std::vector<InstallationRow> rows;
  for (const InstallRecord& r : library.installRecords())
    rows.push_back({r.group, r.row, r.kind, r.className, r.name, isInstalled(r, before)});
  return rows;
}
