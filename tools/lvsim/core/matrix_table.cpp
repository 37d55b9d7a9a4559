#include "tools/lvsim/core/matrix_table.h"

#include <algorithm>
#include <string_view>

#include "tools/lvsim/core/exit_codes.h"

namespace {

std::string lastLine(std::string_view text) {
  while (text.ends_with('\n')) text.remove_suffix(1);
  size_t start = text.rfind('\n');
  return std::string(start == std::string_view::npos ? text : text.substr(start + 1));
}

std::string outcome(const lv::sim::ChildRun& run, bool compared) {
  if (!run.ran) return "not run";
  if (run.signal) return "crashed (signal " + std::to_string(run.signal) + ")";
  if (run.exitCode == lv::sim::kSuccess) return compared ? "alike" : "passed";
  if (run.exitCode == lv::sim::kUsageFault) return "refused";
  // A failure is the last line; a comparison that found differences ends with its summary.
  bool differs = compared && run.exitCode == lv::sim::kNotAlike && !lastLine(run.output).starts_with("lvsim: ");
  return differs ? "differs" : "failed";
}

std::string padded(std::string text, size_t width) {
  text.resize(std::max(text.size(), width), ' ');
  return text;
}

}  // namespace

std::string lv::sim::matrixTable(const std::vector<MatrixRow>& rows, const std::vector<ChildRun>& runs, bool compared) {
  std::vector<std::string> outcomes;
  size_t nameWidth = 11, outcomeWidth = 7;
  for (size_t i = 0; i < rows.size(); ++i) {
    outcomes.push_back(outcome(runs[i], compared));
    nameWidth = std::max(nameWidth, rows[i].name.size());
    outcomeWidth = std::max(outcomeWidth, outcomes.back().size());
  }
  std::string table = padded("COMBINATION", nameWidth) + "  " + padded("OUTCOME", outcomeWidth) + "  LAST LINE\n";
  for (size_t i = 0; i < rows.size(); ++i) {
    std::string line =
        padded(rows[i].name, nameWidth) + "  " + padded(outcomes[i], outcomeWidth) + "  " + lastLine(runs[i].output);
    table += line.substr(0, line.find_last_not_of(' ') + 1) + "\n";
  }
  return table;
}

int lv::sim::matrixExitCode(const std::vector<ChildRun>& runs) {
  int worst = kSuccess;
  for (const ChildRun& run : runs) worst = std::max(worst, run.ran && !run.signal ? run.exitCode : kRunFault);
  return worst;
}
