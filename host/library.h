#pragma once
// A library the host has loaded, liblumivane.so or another built against the platform:
// its exported globals, isSmallDeviceSB and the description of its installation tables,
// all reached with dlsym (another library may export none of them). A library is never
// unloaded: its replacements stay installed for the life of the process.
#include <filesystem>
#include <span>
#include <string_view>
#include <utility>
#include <variant>

#include "host/boot_error.h"
#include "runtime/runtime.h"

namespace lv::host {

enum class GlobalType { Bool, Double, Object };

struct ExportedGlobal {
  const char* name;
  GlobalType type;
};

inline constexpr ExportedGlobal kExportedGlobals[] = {
    {"enabled", GlobalType::Bool},          {"ShowBackground", GlobalType::Bool},
    {"ShowTime", GlobalType::Bool},         {"CenterLabel", GlobalType::Bool},
    {"HapticFeedback", GlobalType::Bool},   {"Expanded", GlobalType::Bool},
    {"headerView", GlobalType::Object},     {"coverSheetView", GlobalType::Object},
    {"adjunctItemView", GlobalType::Object}, {"mruLabel", GlobalType::Object},
    {"dFrameHeight", GlobalType::Double},   {"dFrameWidth", GlobalType::Double},
    {"dOriginX", GlobalType::Double},       {"dOriginY", GlobalType::Double},
    {"HfirstTimeLoaded", GlobalType::Bool}, {"LfirstTimeLoaded", GlobalType::Bool},
    {"TfirstTimeLoaded", GlobalType::Bool}, {"firstTimeLoaded", GlobalType::Bool},
    {"NfirstTimeLoaded", GlobalType::Bool},
};

using GlobalValue = std::variant<bool, double, id>;

// The loader refused a library: `file` is what was asked for, what() says why.
struct LibraryLoadError : BootError {
  LibraryLoadError(std::filesystem::path file, const std::string& why) : BootError(why), file(std::move(file)) {}
  std::filesystem::path file;
};

class Library {
 public:
  // Loads the library built with this host, or the one at `file`; the loader runs its
  // initialisers, watched (library_watch.h). Throws LibraryLoadError, also for a file that
  // is not a regular file or is built for another machine.
  static Library load(const std::filesystem::path& file = {});

  // An exported global by name; a name the library does not export is a fatal error.
  template <class T>
  T& global(const char* name) const {
    return *static_cast<T*>(requireSymbol(name));
  }
  GlobalValue value(const ExportedGlobal& global) const;
  bool exports(const char* name) const { return symbol(name) != nullptr; }

  bool isSmallDeviceSB() const;
  // The text the library's `lvInstallTable` answers; null when it exports none.
  const char* installTable() const;

  // Whether `address` lies in the loaded library's code (false before it is loaded): its
  // replacements, the methods it added, its own classes' methods.
  static bool contains(const void* address);

  // The hook records (runtime/hook_records.h) made while the loader ran the library's
  // initialisers, [first, last): every one is the library's, also a call made last in an
  // initialiser, as a jump, whose return address is the loader's.
  static std::pair<size_t, size_t> hookRecordsWhileLoading();

 private:
  explicit Library(void* handle) : handle_(handle) {}
  void* symbol(const char* name) const;
  void* requireSymbol(const char* name) const;

  void* handle_;
};

}  // namespace lv::host
