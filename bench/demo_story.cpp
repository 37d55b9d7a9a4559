// `lvsim demo` whole, as a user runs it: boot, the eight moments, a phone-sized picture of
// each, the contact sheet and the report, in a fresh output folder per run, fonts and caches
// cold. The time is the child's processor time (user + system, all its threads), which other
// work on the machine changes far less than the wall time, beside the wall time as a counter.
// Three runs: no video; `make run`'s video at a pixel a point; the video at the phone's own
// pixels; a smoke run does the first once.
//
// Measured with /usr/bin/time -v (user + system), the median of 5 runs of each, on a 2-core
// AMD EPYC virtual machine with 24 GiB, Debian 12, gcc 12, RelWithDebInfo, while other
// builds kept the machine busy (load about 13; wall times 5 s, 9 s and 43 s):
//   lvsim demo                                        1.5 s
//   lvsim demo --video demo.mp4 --scale 1 (make run)  3.1 s  (the video adds 1.6 s)
//   lvsim demo --video demo.mp4 (3 pixels a point)    11.6 s
// The README quotes these.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "smoke_run.h"

namespace {

double childProcessorSeconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

const char* const kVideoOptions[] = {"", " --video VIDEO --scale 1", " --video VIDEO"};

void BM_DemoWhole(benchmark::State& state) {
  std::string folder = (std::filesystem::temp_directory_path() / "lv-demo-bench-XXXXXX").string();
  if (!mkdtemp(folder.data())) {
    state.SkipWithError("cannot make a scratch folder");
    return;
  }
  std::string options = kVideoOptions[state.range(0)];
  if (auto v = options.find("VIDEO"); v != std::string::npos) options.replace(v, 5, folder + "/out/demo.mp4");
  const std::string command = std::string(LVSIM_PATH) + " demo --out " + folder + "/out" + options + " >/dev/null";
  double wall = 0;
  for (auto _ : state) {
    std::filesystem::remove_all(folder + "/out");
    const double processorBefore = childProcessorSeconds();
    const auto start = std::chrono::steady_clock::now();
    int status = std::system(command.c_str());
    wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("lvsim demo failed");
      break;
    }
    state.SetIterationTime(childProcessorSeconds() - processorBefore);
  }
  state.counters["wall_s"] = benchmark::Counter(wall, benchmark::Counter::kAvgIterations);
  std::filesystem::remove_all(folder);
}
void demoRuns(benchmark::internal::Benchmark* runs) {
  if (lv::bench::smokeRun()) {
    runs->Arg(0);
    return;
  }
  runs->DenseRange(0, 2)->Repetitions(3)->ReportAggregatesOnly();
}
BENCHMARK(BM_DemoWhole)->ArgName("video")->Apply(demoRuns)->Unit(benchmark::kSecond)->Iterations(1)->UseManualTime();

}  // namespace

BENCHMARK_MAIN();
