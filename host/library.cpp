#include "host/library.h"

#include <dlfcn.h>

#include <string>

namespace {

const void* g_loadedBase = nullptr;  // where the loader mapped the library

const void* imageBase(const void* address) {
  Dl_info info;
  return address && dladdr(address, &info) ? info.dli_fbase : nullptr;
}

}  // namespace

lv::host::Library lv::host::Library::load() {
  void* handle = dlopen(LV_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* why = dlerror();
    throw BootError(std::string("cannot load the library: ") + (why ? why : LV_LIBRARY_PATH));
  }
  Library library(handle);
  g_loadedBase = imageBase(library.requireSymbol("lvInstallRecords"));
  return library;
}

bool lv::host::Library::contains(const void* address) {
  return g_loadedBase && imageBase(address) == g_loadedBase;
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
