#include "host/globals_snapshot.h"

namespace {

decltype(lv::host::GlobalSnapshot::value) plainValue(const lv::host::GlobalValue& value, const lv::host::ViewIds& ids) {
  if (auto* b = std::get_if<bool>(&value)) return *b;
  if (auto* d = std::get_if<double>(&value)) return *d;
  return ids.describe(std::get<id>(value));
}

}  // namespace

std::vector<lv::host::GlobalSnapshot> lv::host::snapshotGlobals(const Library& library, const ViewIds& ids) {
  std::vector<GlobalSnapshot> globals;
  for (const ExportedGlobal& g : kExportedGlobals)
    if (library.exports(g.name)) globals.push_back({g.name, plainValue(library.value(g), ids)});
  if (library.exports("isSmallDeviceSB")) globals.push_back({"isSmallDeviceSB", library.isSmallDeviceSB()});
  return globals;
}
