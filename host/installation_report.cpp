#include "host/installation_report.h"

#include <map>
#include <sstream>

namespace lv::host {

namespace {

bool ownsMethod(Class cls, const char* selector) {
  return selector && cls->methods.contains(sel_registerName(selector));
}

constexpr const char* kNoAccessor = "-";

// One line of the library's table.
struct TableRow {
  int group = 0;
  int row = 0;
  std::string kind, className, name, getter, setter;
};

std::vector<TableRow> parseTable(const char* text) {
  std::vector<TableRow> rows;
  std::istringstream lines(text);
  TableRow r;
  while (lines >> r.group >> r.row >> r.kind >> r.className >> r.name >> r.getter >> r.setter) rows.push_back(r);
  return rows;
}

IMP ownImplementation(Class cls, SEL sel) {
  auto it = cls->methods.find(sel);
  return it == cls->methods.end() ? nullptr : it->second->imp;
}

bool isInstalled(const TableRow& r, const MethodSnapshot& before) {
  Class cls = objc_getClass(r.className.c_str());
  if (!cls) return false;
  if (r.kind == "property")
    return class_getProperty(cls, r.name.c_str()) &&
           (r.getter == kNoAccessor || (ownsMethod(cls, r.getter.c_str()) && ownsMethod(cls, r.setter.c_str())));
  if (r.kind == "method") return ownsMethod(cls, r.name.c_str());
  SEL sel = sel_registerName(r.name.c_str());
  IMP previous = before.implementation(cls, sel);
  IMP now = ownImplementation(cls, sel);
  return previous && now && now != previous;
}

std::vector<InstallationRow> changedMethods(const MethodSnapshot& before) {
  std::vector<InstallationRow> rows;
  for (Class cls : rt::allClasses()) {
    std::map<std::string, std::string> changed;
    for (const auto& [sel, method] : cls->methods) {
      IMP previous = before.implementation(cls, sel);
      if (previous != method->imp)
        changed[sel_getName(sel)] = previous ? "replacement" : "method";
    }
    for (const auto& [name, kind] : changed)
      rows.push_back({0, int(rows.size()) + 1, kind, class_getName(cls), name, true});
  }
  return rows;
}

}  // namespace

}  // namespace lv::host

std::vector<lv::host::InstallationRow> lv::host::installationReport(const Library& library, const MethodSnapshot& before) {
  const char* table = library.installTable();
  if (!table) return changedMethods(before);
  std::vector<InstallationRow> rows;
  for (const TableRow& r : parseTable(table))
    rows.push_back({r.group, r.row, r.kind, r.className, r.name, isInstalled(r, before)});
  return rows;
}
