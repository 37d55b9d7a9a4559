#pragma once
// Which rows of the library's installation tables took effect on the host's classes. A
// library that does not describe its tables gets a row for every method it changed: a
// replacement where the class answered the selector before, a method where it did not,
// in group 0, class by class in the order they were made, selectors in name order.
#include <string>
#include <vector>

#include "host/library.h"
#include "host/method_snapshot.h"

namespace lv::host {

struct InstallationRow {
  int group;
  int row;
  InstallKind kind;
  std::string className;
  std::string name;
  // A property: declared on the class (with its accessors, where the row adds them). A
  // method: the class itself has it. A replacement: its slot calls what the class ran
  // before the library was loaded.
  bool installed;
};

std::vector<InstallationRow> installationReport(const Library& library, const MethodSnapshot& before);

}  // namespace lv::host
