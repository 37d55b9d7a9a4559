#include "startup/install_records.h"

#include <cstdio>
#include <string>

#include "startup/hook_table.h"

namespace lv {

namespace {

const char* kindName(InstallKind kind) {
  switch (kind) {
    case InstallKind::Property: return "property";
    case InstallKind::Method: return "method";
    case InstallKind::Replacement: return "replacement";
  }
  return "?";
}

void describe(std::string& table, int group, std::span<const InstallEntry> entries) {
  int row = 0;
  for (const InstallEntry& e : entries) {
    char numbers[32];
    std::snprintf(numbers, sizeof numbers, "%d %d ", group, ++row);
    std::string getter = e.withAccessors ? e.name : "-";
    std::string setter = e.withAccessors ? setterName(e.name) : "-";
    table += numbers + std::string(kindName(e.kind)) + ' ' + e.className + ' ' + e.name + ' ' + getter + ' ' +
             setter + '\n';
  }
}

std::string makeTable() {
  std::string table;
  describe(table, 1, firstGroup());
  describe(table, 2, secondGroup());
  return table;
}

}  // namespace

}  // namespace lv

const char* lvInstallTable(void) {
  static const std::string table = lv::makeTable();
  return table.c_str();
}
