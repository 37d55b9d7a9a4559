#include "host/globals_snapshot.h"

namespace {

decltype(lv::host::GlobalSnapshot::value) plainValue(const lv::host::GlobalValue& value) {
  if (auto* b = std::get_if<bool>(&value)) return *b;
  if (auto* d = std::get_if<double>(&value)) return *d;
  id obj = std::get<id>(value);
  if (!obj) return std::optional<std::string>();
  return std::optional<std::string>(class_getName(object_getClass(obj)));
}

}  // namespace

std::vector<lv::host::GlobalSnapshot> lv::host::snapshotGlobals(const Library& library) {
  std::vector<GlobalSnapshot> globals;
  for (const ExportedGlobal& g : kExportedGlobals) globals.push_back({g.name, plainValue(library.value(g))});
  globals.push_back({"isSmallDeviceSB", library.isSmallDeviceSB()});
  return globals;
}
