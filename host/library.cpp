#include "host/library.h"

#include <dlfcn.h>
#include <link.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "host/crash_frame.h"
#include "host/library_file.h"
#include "host/library_watch.h"
#include "runtime/hook_records.h"

namespace {

// The addresses the loaded library's code spans; empty before it is loaded. A trace asks of
// every message, so this is two compares, not a question to the loader.
uintptr_t g_loadedStart = 0, g_loadedEnd = 0;
std::pair<size_t, size_t> g_loadingRecords;

// The span of the library just loaded replaces the one before: it is this library's alone.
void rememberSpan(void* handle) {
  link_map* map = nullptr;
  if (dlinfo(handle, RTLD_DI_LINKMAP, &map) != 0) return;
  auto spanOf = [](dl_phdr_info* info, size_t, void* data) {
    auto* wanted = static_cast<link_map*>(data);
    if (info->dlpi_addr != wanted->l_addr || std::string_view(info->dlpi_name) != wanted->l_name) return 0;
    uintptr_t start = 0, end = 0;
    for (int i = 0; i < info->dlpi_phnum; ++i) {
      const ElfW(Phdr)& segment = info->dlpi_phdr[i];
      if (segment.p_type != PT_LOAD || !(segment.p_flags & PF_X)) continue;
      uintptr_t from = info->dlpi_addr + segment.p_vaddr;
      if (!start || from < start) start = from;
      end = std::max(end, from + segment.p_memsz);
    }
    g_loadedStart = start;
    g_loadedEnd = end;
    return 1;
  };
  dl_iterate_phdr(spanOf, map);
}

// The loader names no architecture: of a library for another machine it says there is no such file.
std::string loaderError(const std::filesystem::path& path) {
  std::string why = dlerror() ?: "no reason given";
  if (auto foreign = lv::host::foreignMachineError(path)) return *foreign;
  // The loader's reason starts with the file's name, which the error carries already.
  if (std::string named = path.string() + ": "; why.starts_with(named)) why.erase(0, named.size());
  return why;
}

// The library installed with this program, or else the one it was built with.
std::filesystem::path defaultLibrary() {
  std::error_code error;
  std::filesystem::path installed = std::filesystem::read_symlink("/proc/self/exe", error).parent_path() / LV_INSTALLED_LIBRARY;
  if (!error && std::filesystem::exists(installed, error)) return installed.lexically_normal();
  return LV_LIBRARY_PATH;
}

}  // namespace

lv::host::Library lv::host::Library::load(const std::filesystem::path& file) {
  // A name without a slash would be looked for on the loader's search path.
  std::filesystem::path path = file.empty() ? defaultLibrary() : std::filesystem::absolute(file);
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
  rememberSpan(handle);
  recordLibraryMethods();
  return Library(handle);
}

bool lv::host::Library::contains(const void* address) {
  auto at = reinterpret_cast<uintptr_t>(address);
  return at >= g_loadedStart && at < g_loadedEnd;
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
