#pragma once
// A console report that ends with each benchmark's time per call and its ratio to
// BM_IndirectCall of the same run (medians when repetitions are aggregated).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <ostream>
#include <string>
#include <vector>

class CallRatioReporter : public benchmark::ConsoleReporter {
 public:
  explicit CallRatioReporter(long callsPerIteration) : callsPerIteration_(callsPerIteration) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
      const std::string& name = run.run_name.function_name;
      if (!nsPerCall_.count(name)) order_.push_back(name);
      nsPerCall_[name] = run.GetAdjustedCPUTime() / double(callsPerIteration_);
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    auto base = nsPerCall_.find("BM_IndirectCall");
    for (const std::string& name : order_) {
      char line[128];
      int n = std::snprintf(line, sizeof line, "%-24s %7.3f ns/call", name.c_str(), nsPerCall_[name]);
      if (base != nsPerCall_.end())
        std::snprintf(line + n, sizeof line - n, "  %5.2fx BM_IndirectCall", nsPerCall_[name] / base->second);
      GetOutputStream() << line << '\n';
    }
  }

 private:
  long callsPerIteration_;
  std::vector<std::string> order_;
  std::map<std::string, double> nsPerCall_;
};

// BENCHMARK_MAIN with the ratio report.
#define CALL_RATIO_MAIN(callsPerIteration)                          \
  int main(int argc, char** argv) {                                 \
    benchmark::Initialize(&argc, argv);                             \
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1; \
    CallRatioReporter reporter(callsPerIteration);                  \
    benchmark::RunSpecifiedBenchmarks(&reporter);                   \
    benchmark::Shutdown();                                          \
    return 0;                                                       \
  }
