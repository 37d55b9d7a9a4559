#include "startup/install_records.h"

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
    std::string getter = e.withAccessors ? e.name : "-";
    std::string setter = e.withAccessors ? setterName(e.name) : "-";
    table += std::to_string(group) + ' ' + std::to_string(++row) + ' ' + kindName(e.kind) + ' ' + e.className +
             ' ' + e.name + ' ' + getter + ' ' + setter + '\n';
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
