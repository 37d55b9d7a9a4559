#include "tools/lvsim/core/parallel_children.h"

#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <thread>

#include "tools/lvsim/core/child_process.h"

namespace {

std::string readFromStart(int fd) {
  std::string text;
  char buffer[4096];
  ::lseek(fd, 0, SEEK_SET);
  for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) != 0;) {
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) break;
    text.append(buffer, size_t(n));
  }
  return text;
}

// The output goes into a file in memory that no other child inherits.
lv::sim::ChildRun runCapturing(const std::vector<std::string>& command) {
  int output = ::memfd_create("lvsim-child-output", MFD_CLOEXEC);
  if (output < 0) return {.ran = false, .output = "cannot keep its output: " + std::string(std::strerror(errno))};
  auto status = lv::sim::runChildToEnd(command, output);
  lv::sim::ChildRun run{.output = readFromStart(output)};
  ::close(output);
  if (!status) return {.ran = false, .output = status.error()};
  if (WIFSIGNALED(status.value()))
    run.signal = WTERMSIG(status.value());
  else
    run.exitCode = WEXITSTATUS(status.value());
  return run;
}

}  // namespace

std::vector<lv::sim::ChildRun> lv::sim::runChildren(const std::vector<std::vector<std::string>>& commands,
                                                    unsigned jobs) {
  std::vector<ChildRun> runs(commands.size());
  std::atomic<size_t> next{0};
  {
    std::vector<std::jthread> workers;
    for (size_t j = 0; j < std::min<size_t>(std::clamp(jobs, 1u, kMostChildren), commands.size()); ++j)
      workers.emplace_back([&] {
        for (size_t i; (i = next++) < commands.size();) runs[i] = runCapturing(commands[i]);
      });
  }
  return runs;
}
