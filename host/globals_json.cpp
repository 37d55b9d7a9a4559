#include "host/globals_json.h"

namespace host {

namespace {

nlohmann::ordered_json toJson(const GlobalValue& value) {
  if (auto* b = std::get_if<bool>(&value)) return *b;
  if (auto* d = std::get_if<double>(&value)) return *d;
  id obj = std::get<id>(value);
  if (!obj) return nullptr;
  return class_getName(object_getClass(obj));
}

}  // namespace

nlohmann::ordered_json globalsJson(const Library& library) {
  nlohmann::ordered_json globals = nlohmann::ordered_json::object();
  for (const ExportedGlobal& g : kExportedGlobals) globals[g.name] = toJson(library.value(g));
  globals["isSmallDeviceSB"] = library.isSmallDeviceSB();
  return globals;
}

}  // namespace host
