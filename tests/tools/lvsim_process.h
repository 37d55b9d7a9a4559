#pragma once
// Runs the built simulator and collects what it printed.
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace testing_support {

struct ProcessRun {
  int exitCode;
  std::string output;
};

// `args` after the program name; `stderrToo` folds the error stream into the output.
inline ProcessRun lvsim(const std::string& args, bool stderrToo = false) {
  std::string command = std::string(LVSIM_PATH) + " " + args + (stderrToo ? " 2>&1" : " 2>/dev/null");
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return {-1, ""};
  std::string output;
  char buffer[4096];
  while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
  int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

}  // namespace testing_support
