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

// The most children run at once: as many as a signal that ends this process ends first
// (foundation/exit_cleanup.h).
inline constexpr unsigned kMostChildren = 64;

// Runs every command (the first word is the program's name), at most `jobs` (up to
// kMostChildren) at a time; the runs in the commands' order.
std::vector<ChildRun> runChildren(const std::vector<std::vector<std::string>>& commands, unsigned jobs);

}  // namespace lv::sim
