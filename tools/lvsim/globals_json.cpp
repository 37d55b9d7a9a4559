#include "tools/lvsim/globals_json.h"

namespace lvsim {

namespace {

nlohmann::ordered_json toJson(const host::GlobalValue& value) {
  if (auto* b = std::get_if<bool>(&value)) return *b;
  if (auto* d = std::get_if<double>(&value)) return *d;
  id obj = std::get<id>(value);
  if (!obj) return nullptr;
  return class_getName(object_getClass(obj));
}

}  // namespace

nlohmann::ordered_json globalsJson(const host::Library& library) {
  nlohmann::ordered_json globals = nlohmann::ordered_json::object();
  for (const host::ExportedGlobal& g : host::kExportedGlobals) globals[g.name] = toJson(library.value(g));
  globals["isSmallDeviceSB"] = library.isSmallDeviceSB();
  return globals;
}

}  // namespace lvsim
