#include "startup/install_records.h"

#include <string>
#include <vector>

#include "startup/hook_table.h"

namespace lv {

namespace {

struct Records {
  std::vector<std::string> setters;
  std::vector<InstallRecord> rows;
};

void describe(Records& records, int group, std::span<const InstallEntry> entries) {
  int row = 0;
  for (const InstallEntry& e : entries) {
    const char* getter = nullptr;
    const char* setter = nullptr;
    if (e.withAccessors) {
      getter = e.name;
      setter = records.setters.emplace_back(setterName(e.name)).c_str();
    }
    records.rows.push_back(InstallRecord{group, ++row, e.kind, e.className, e.name, getter, setter,
                                         static_cast<const IMP*>(e.slot)});
  }
}

Records makeRecords() {
  Records records;
  // Reserved up front: the records point into these strings.
  records.setters.reserve(firstGroup().size() + secondGroup().size());
  describe(records, 1, firstGroup());
  describe(records, 2, secondGroup());
  return records;
}

}  // namespace

}  // namespace lv

const InstallRecord* lvInstallRecords(size_t* count) {
  static const lv::Records records = lv::makeRecords();
  if (count) *count = records.rows.size();
  return records.rows.data();
}
