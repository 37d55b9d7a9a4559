// Loading liblumivane.so with every entry installed ("kEnabled" stored), in a fresh child
// process per iteration, as the device's loader does it once per SpringBoard start.
//   BM_LoadLibrary: dlopen with RTLD_NOW (mapping, relocation) plus the two initialisers
//     (settings read from a binary property list, both tables installed). The host's
//     classes are registered and the settings written before the clock starts.
//   BM_BootDevice: the whole host boot around it: profile, settings folder and file,
//     host classes, method snapshot, then the load.
// The fork itself is outside both timings; each child reports its own measurement.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "host/device.h"
#include "host/host_classes.h"
#include "host/settings.h"
#include "prefs/preferences.h"

namespace {

using Clock = std::chrono::steady_clock;

const prefs::BoolSettings kEnabled = {{"kEnabled", true}};

double loadLibraryOnly() {
  std::string folder = (std::filesystem::temp_directory_path() / "lv-bench-XXXXXX").string();
  if (!mkdtemp(folder.data())) std::abort();
  prefs::setSettingsDirectory(folder);
  if (!prefs::writeSettingsFile(prefs::settingsFile(lv::host::kPreferencesIdentifier), kEnabled,
                                prefs::PlistFormat::Binary))
    std::abort();
  lv::host::registerHostClasses({});
  auto start = Clock::now();
  lv::host::Library library = lv::host::Library::load();
  double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  if (!library.global<bool>("enabled")) std::abort();
  std::filesystem::remove_all(folder);
  return seconds;
}

double bootDevice() {
  lv::host::BootOptions options;
  options.settings = kEnabled;
  auto start = Clock::now();
  auto device = lv::host::Device::boot(options);
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Runs `measure` in a child process and returns the seconds it reports.
double inChild(double (*measure)()) {
  int fds[2];
  if (pipe(fds) != 0) std::abort();
  pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    double seconds = measure();
    if (write(fds[1], &seconds, sizeof seconds) != sizeof seconds) _exit(1);
    _exit(0);
  }
  close(fds[1]);
  double seconds = -1;
  if (read(fds[0], &seconds, sizeof seconds) != sizeof seconds) std::abort();
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::abort();
  return seconds;
}

void BM_LoadLibrary(benchmark::State& state) {
  for (auto _ : state) state.SetIterationTime(inChild(loadLibraryOnly));
}
BENCHMARK(BM_LoadLibrary)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_BootDevice(benchmark::State& state) {
  for (auto _ : state) state.SetIterationTime(inChild(bootDevice));
}
BENCHMARK(BM_BootDevice)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
