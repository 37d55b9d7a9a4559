#pragma once
// `lvsim run SCENARIO --each AXIS...`: the story told once per combination of the axes
// (core/matrix_rows.h), each by a child lvsim with the options given, --jobs at a time,
// then one table of outcomes (core/matrix_table.h). A combination's --profile and --set
// come after those given, and its outputs go into a sub-folder named after it.
#include "tools/lvsim/run_command.h"

namespace lv::sim {

// Returns the process's exit code: the worst of the combinations'.
int runMatrix(const RunOptions& options);

}  // namespace lv::sim
