#pragma once
// Helpers for the simulator's tests: running the built lvsim, a fresh folder per test, and
// reading the report it wrote.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>

namespace testing_support {

namespace fs = std::filesystem;
using Json = nlohmann::json;

struct ProcessRun {
  int exitCode;  // -1 when a signal ended it
  std::string output;
  int signal = 0;  // the signal that ended it
};

// Runs a shell command line; `stderrToo` folds the error stream into the output.
inline ProcessRun runCommand(const std::string& line, bool stderrToo = false) {
  FILE* pipe = popen((line + (stderrToo ? " 2>&1" : " 2>/dev/null")).c_str(), "r");
  if (!pipe) return {-1, ""};
  std::string output;
  char buffer[4096];
  while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
  int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output, WIFSIGNALED(status) ? WTERMSIG(status) : 0};
}

inline const std::string kLvsim = LVSIM_PATH;

// `args` after the program name.
inline ProcessRun lvsim(const std::string& args, bool stderrToo = false) {
  return runCommand(kLvsim + " " + args, stderrToo);
}

inline long lineCount(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

// Bad input: exit code 2 and one short line, "lvsim: ..." naming the problem, with any
// input it echoes cut short and shown rather than sent to the terminal.
inline void expectRefused(const ProcessRun& run, const std::string& message, const std::string& what) {
  EXPECT_EQ(run.exitCode, 2) << what << ": " << run.output;
  EXPECT_TRUE(run.output.starts_with("lvsim: ") && lineCount(run.output) == 1 && run.output.size() < 400 &&
              run.output.find('\x1b') == std::string::npos) << what << ": " << run.output;
  EXPECT_NE(run.output.find(message), std::string::npos) << what << ": " << run.output;
}

// A fresh folder for the files of one test, removed with everything in it.
struct Folder {
  fs::path path = mkdtemp((fs::temp_directory_path() / "lvsim-test-XXXXXX").string().data());  // filled in place
  Folder() = default;
  ~Folder() { fs::remove_all(path); }
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;
  fs::path write(const std::string& name, const std::string& text) const {
    std::ofstream(path / name) << text;
    return path / name;
  }
};

inline fs::path sourceFile(const char* relative) { return fs::path(std::getenv("LV_SOURCE_DIR")) / relative; }

inline std::string readFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline Json readReport(const fs::path& folder) { return Json::parse(readFile(folder / "report.json")); }

// `lvsim run ARGS --out OUT` (after `environment`, "NAME=VALUE ..." or nothing) and the report
// it wrote; null, with a failure, if it failed.
inline Json runReport(const std::string& args, const fs::path& out, const std::string& environment = "") {
  ProcessRun run = runCommand(environment + kLvsim + " run " + args + " --out " + out.string(), true);
  EXPECT_EQ(run.exitCode, 0) << args << ": " << run.output;
  return run.exitCode == 0 ? readReport(out) : Json();
}

// The first view of class `cls` in a reported tree, depth first.
inline const Json* findClass(const Json& view, const std::string& cls) {
  if (view["class"] == cls) return &view;
  for (const Json& sub : view["subviews"])
    if (const Json* found = findClass(sub, cls)) return found;
  return nullptr;
}

}  // namespace testing_support
