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
  std::string name = "set";
  name += property;
  if (!property.empty()) name[3] = char(std::toupper(static_cast<unsigned char>(name[3])));
  return name + ":";
}
