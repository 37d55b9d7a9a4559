#include "host/library.h"

#include <dlfcn.h>

#include <string>

#include "host/library_file.h"
#include "host/library_watch.h"
#include "runtime/hook_records.h"

namespace {

const void* g_loadedMap = nullptr;  // the loader's record of the loaded library
std::pair<size_t, size_t> g_loadingRecords;

const void* linkMapOf(const void* address) {
  Dl_info info;
  void* map = nullptr;
  return address && dladdr1(address, &info, &map, RTLD_DL_LINKMAP) ? map : nullptr;
}

// The loader names no architecture: of a library for another machine it says there is no such file.
std::string loaderError(const std::filesystem::path& path) {
  std::string why = dlerror() ?: "no reason given";
  if (auto foreign = lv::host::foreignMachineError(path)) return *foreign;
  // The loader's reason starts with the file's name, which the error carries already.
  if (std::string named = path.string() + ": "; why.starts_with(named)) why.erase(0, named.size());
  return why;
}

}  // namespace

lv::host::Library lv::host::Library::load(const std::filesystem::path& file) {
  // A name without a slash would be looked for on the loader's search path.
  std::filesystem::path path = file.empty() ? std::filesystem::path(LV_LIBRARY_PATH) : std::filesystem::absolute(file);
  if (auto why = notALibraryFile(path)) throw LibraryLoadError(path, "cannot load the library: " + *why);
  watchLibrary(path);
  void* handle = nullptr;
  {
    LibraryActivity loading("loading");
    g_loadingRecords.first = rt::hookRecords().size();
    handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    g_loadingRecords.second = rt::hookRecords().size();
  }
  if (!handle) throw LibraryLoadError(path, "cannot load the library: " + loaderError(path));
  void* map = nullptr;
  if (dlinfo(handle, RTLD_DI_LINKMAP, &map) == 0) g_loadedMap = map;
  return Library(handle);
}

bool lv::host::Library::contains(const void* address) {
  return g_loadedMap && linkMapOf(address) == g_loadedMap;
}

std::pair<size_t, size_t> lv::host::Library::hookRecordsWhileLoading() { return g_loadingRecords; }

void* lv::host::Library::symbol(const char* name) const { return dlsym(handle_, name); }

void* lv::host::Library::requireSymbol(const char* name) const {
  void* address = symbol(name);
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

const char* lv::host::Library::installTable() const {
  auto fn = reinterpret_cast<const char* (*)()>(symbol("lvInstallTable"));
  return fn ? fn() : nullptr;
}
