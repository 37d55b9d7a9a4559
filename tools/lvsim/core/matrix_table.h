#pragma once
// What `lvsim run --each` prints once every combination has run: a line per combination
// with its outcome (passed; with references alike or differs; failed, refused, crashed)
// and the last line its run printed (the comparison's summary, or why it failed).
#include <string>
#include <vector>

#include "tools/lvsim/core/matrix_rows.h"
#include "tools/lvsim/core/parallel_children.h"

namespace lv::sim {

// `compared`: the runs compared their output with references.
std::string matrixTable(const std::vector<MatrixRow>& rows, const std::vector<ChildRun>& runs, bool compared);

// The worst of the runs' exit codes; a run that did not end by itself counts as failed.
int matrixExitCode(const std::vector<ChildRun>& runs);

}  // namespace lv::sim
