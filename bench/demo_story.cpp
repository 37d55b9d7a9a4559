// `lvsim demo` whole, as `make run` runs it: boot, the eight moments, a phone-sized picture
// of each, the contact sheet and the report, in a fresh output folder per run. Wall time
// of the child process, fonts and caches cold as for a user.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <filesystem>
#include <string>

namespace {

void BM_DemoWhole(benchmark::State& state) {
  std::string folder = (std::filesystem::temp_directory_path() / "lv-demo-bench-XXXXXX").string();
  if (!mkdtemp(folder.data())) {
    state.SkipWithError("cannot make a scratch folder");
    return;
  }
  std::string command = std::string(LVSIM_PATH) + " demo --out " + folder + "/out >/dev/null";
  for (auto _ : state) {
    int status = std::system(command.c_str());
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("lvsim demo failed");
      break;
    }
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_DemoWhole)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3)->UseRealTime()
    ->ReportAggregatesOnly();

}  // namespace

BENCHMARK_MAIN();
