#pragma once
// Commands of this program run side by side in child processes (child_process.h), so many
// at a time, each one's output kept apart from the others'.
#include <string>
#include <vector>

namespace lv::sim {

struct ChildRun {
  int exitCode = 0;
  int signal = 0;      // the signal that ended it, or 0
  bool ran = true;     // false: it could not be run, and `output` says why
  std::string output;  // its standard output and error, as they came
};

// Runs every command (the first word is the program's name), at most `jobs` at a time;
// the runs in the commands' order.
std::vector<ChildRun> runChildren(const std::vector<std::vector<std::string>>& commands, unsigned jobs);

}  // namespace lv::sim
