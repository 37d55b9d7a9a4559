#pragma once
// liblumivane.so as the host sees it once loaded: its exported globals, isSmallDeviceSB
// and the description of its installation tables, all reached with dlsym. The library
// is never unloaded: its replacements stay installed for the life of the process.
#include <span>
#include <string_view>
#include <variant>

#include "host/boot_error.h"
#include "runtime/runtime.h"
#include "substrate/install_record.h"

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

class Library {
 public:
  // Loads the library built with this host; the loader runs its two initialisers.
  static Library load();

  // An exported global by name; a name the library does not export is a fatal error.
  template <class T>
  T& global(const char* name) const {
    return *static_cast<T*>(requireSymbol(name));
  }
  GlobalValue value(const ExportedGlobal& global) const;

  bool isSmallDeviceSB() const;
  std::span<const InstallRecord> installRecords() const;

 private:
  explicit Library(void* handle) : handle_(handle) {}
  void* requireSymbol(const char* name) const;

  void* handle_;
};

}  // namespace lv::host
