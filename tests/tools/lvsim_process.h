#pragma once
// Helpers for the simulator's tests: running the built lvsim and reading the report it wrote.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "support/process.h"
#include "support/temporary_folder.h"

namespace testing_support {

namespace fs = std::filesystem;
using Json = nlohmann::json;

using Args = std::vector<std::string>;

inline Args operator+(Args a, const Args& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

inline const std::string kLvsim = LVSIM_PATH;

// `args` after the program name; `stderrToo` folds the error stream into the output.
inline ProcessRun lvsim(const Args& args, ProcessOptions options = {}) { return runProcess(Args{kLvsim} + args, options); }
inline ProcessRun lvsim(const Args& args, bool stderrToo) { return lvsim(args, {.stderrToo = stderrToo}); }

// The error stream in the output, and no display, so that live refuses rather than opens a window.
inline const ProcessOptions kNoDisplay = {.stderrToo = true,
                                          .environment = {{"DISPLAY", std::nullopt}, {"WAYLAND_DISPLAY", std::nullopt}}};

inline std::string joined(const Args& args) {
  std::string out;
  for (const std::string& a : args) out += (out.empty() ? "" : " ") + a;
  return out;
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
inline void expectRefused(const ProcessRun& run, const std::string& message, const Args& args) {
  expectRefused(run, message, joined(args));
}

inline fs::path sourceFile(const char* relative) { return fs::path(std::getenv("LV_SOURCE_DIR")) / relative; }

inline std::string readFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline Json readReport(const fs::path& folder) { return Json::parse(readFile(folder / "report.json")); }

// `lvsim run ARGS --out OUT` and the report it wrote; null, with a failure, if it failed.
inline Json runReport(const Args& args, const fs::path& out, ProcessOptions options = {}) {
  options.stderrToo = true;
  ProcessRun run = lvsim(Args{"run"} + args + Args{"--out", out.string()}, options);
  EXPECT_EQ(run.exitCode, 0) << joined(args) << ": " << run.output;
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
