#pragma once
// Runs a program from a list of arguments, without a shell, so that any path is passed as
// it is, and collects what it printed and how it ended.
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

struct ProcessRun {
  int exitCode;  // -1 when a signal ended it or it could not be started
  std::string output;
  int signal = 0;  // the signal that ended it
  std::string errors;  // the error stream, unless it went into `output`
};

struct ProcessOptions {
  bool stderrToo = false;  // the error stream into `output`, as it comes
  std::map<std::string, std::optional<std::string>> environment = {};  // set, or unset with nullopt
  std::filesystem::path directory = {};  // to start in; empty: the caller's
  std::filesystem::path stdoutFile = {};  // standard output into this file instead of `output`
};

// `argv[0]` is looked up in PATH when it has no slash.
ProcessRun runProcess(const std::vector<std::string>& argv, const ProcessOptions& options = {});

}  // namespace testing_support
