#pragma once
// Running lvsim again in a child process that ends with this one: a signal that ends this
// process ends the child first and waits for it (fnd::ChildEndedFirst), and should this
// process die otherwise (SIGKILL), the child gets SIGTERM (PR_SET_PDEATHSIG). Either way
// the child cleans up as a signal makes it (foundation/exit_cleanup.h).
#include <string>
#include <vector>

#include "foundation/result.h"

namespace lv::sim {

// Runs this program with `args` (the first is its name) and waits for it to end; its wait
// status, or why it could not be run. Its standard output and error go to `output`, a
// descriptor, or with -1 where this process's go. Several threads may run one each.
fnd::Result<int, std::string> runChildToEnd(const std::vector<std::string>& args, int output = -1);

}  // namespace lv::sim
