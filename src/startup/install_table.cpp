#include "startup/install_table.h"

#include <cctype>

void lv::install(std::span<const InstallEntry> rows) {
  for (const InstallEntry& row : rows) {
    Class cls = objc_getClass(row.className);
    if (!cls) continue;
    row.install(cls, row);
  }
}

std::string lv::setterName(std::string_view property) {
  constexpr std::string_view prefix = "set";
  std::string name(prefix);
  name += property;
  if (!property.empty()) name[prefix.size()] = char(std::toupper(static_cast<unsigned char>(name[prefix.size()])));
  return name + ":";
}
