// The installation tables as records for tools (lvsim hooks).
#include <string>
#include <vector>

#include "startup/export.h"
#include "startup/install_table.h"

namespace {

struct Records {
  std::vector<std::string> setters;
  std::vector<InstallRecord> rows;
};

void describe(Records& records, int group, std::span<const lv::InstallEntry> entries) {
  int row = 0;
  for (const lv::InstallEntry& e : entries) {
    const char* getter = nullptr;
    const char* setter = nullptr;
    if (e.withAccessors) {
      getter = e.name;
      setter = records.setters.emplace_back(lv::setterName(e.name)).c_str();
    }
    records.rows.push_back(InstallRecord{group, ++row, e.kind, e.className, e.name, getter, setter,
                                         static_cast<const IMP*>(e.slot)});
  }
}

Records makeRecords() {
  Records records;
  // Reserved up front: the records point into these strings.
  records.setters.reserve(lv::firstGroup().size() + lv::secondGroup().size());
  describe(records, 1, lv::firstGroup());
  describe(records, 2, lv::secondGroup());
  return records;
}

}  // namespace

extern "C" LV_EXPORT const InstallRecord* lvInstallRecords(size_t* count) {
  static const Records records = makeRecords();
  if (count) *count = records.rows.size();
  return records.rows.data();
}
