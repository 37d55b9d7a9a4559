#include "host/library.h"

#include <dlfcn.h>

#include <string>

lv::host::Library lv::host::Library::load() {
  void* handle = dlopen(LV_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* why = dlerror();
    throw BootError(std::string("cannot load the library: ") + (why ? why : LV_LIBRARY_PATH));
  }
  return Library(handle);
}

void* lv::host::Library::requireSymbol(const char* name) const {
  void* address = dlsym(handle_, name);
  if (!address) rt::fatal(std::string("the library exports no symbol ") + name);
  return address;
}

lv::host::GlobalValue lv::host::Library::value(const ExportedGlobal& g) const {
  switch (g.type) {
    case GlobalType::Bool: return global<bool>(g.name);
    case GlobalType::Double: return global<double>(g.name);
    case GlobalType::Object: return global<id>(g.name);
  }
  return false;
}

bool lv::host::Library::isSmallDeviceSB() const {
  auto fn = reinterpret_cast<bool (*)()>(requireSymbol("isSmallDeviceSB"));
  return fn();
}

std::span<const InstallRecord> lv::host::Library::installRecords() const {
  auto fn = reinterpret_cast<InstallRecordsFunction>(requireSymbol("lvInstallRecords"));
  size_t count = 0;
  const InstallRecord* records = fn(&count);
  return {records, count};
}
