#include "tools/lvsim/core/child_process.h"

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include "foundation/exit_cleanup.h"

namespace lv::sim {

namespace {

// Between fork and exec, in the child: system calls only. The parent's handlers would
// clean up the parent's files, so every signal gets its default action back before any is
// let in; one the parent ignores stays ignored.
[[noreturn]] void becomeChild(char** argv, pid_t parent, const sigset_t& mask, int output) {
  if (output >= 0 && (::dup2(output, STDOUT_FILENO) < 0 || ::dup2(output, STDERR_FILENO) < 0)) ::_exit(127);
  for (int signal = 1; signal < NSIG; ++signal) {
    struct sigaction action;
    if (::sigaction(signal, nullptr, &action) != 0 || action.sa_handler == SIG_IGN) continue;
    action = {};
    action.sa_handler = SIG_DFL;
    ::sigaction(signal, &action, nullptr);
  }
  // The parent may have died before the child asked to be told: then it is no longer its parent.
  if (::prctl(PR_SET_PDEATHSIG, SIGTERM) != 0 || ::getppid() != parent) ::_exit(127);
  ::pthread_sigmask(SIG_SETMASK, &mask, nullptr);
  ::execv("/proc/self/exe", argv);
  ::_exit(127);
}

// Waits for `child` to end without reaping it, so that its id stays its own meanwhile.
std::optional<int> waitForEnd(pid_t child) {
  siginfo_t info;
  while (::waitid(P_PID, id_t(child), &info, WEXITED | WNOWAIT) != 0)
    if (errno != EINTR) return errno;
  return std::nullopt;
}

}  // namespace

}  // namespace lv::sim

fnd::Result<int, std::string> lv::sim::runChildToEnd(const std::vector<std::string>& args, int output) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  std::fflush(stdout);
  // Signals wait until the handler that ends the child knows it.
  sigset_t all, mask;
  sigfillset(&all);
  ::pthread_sigmask(SIG_BLOCK, &all, &mask);
  pid_t parent = ::getpid();
  pid_t child = ::fork();
  if (child == 0) becomeChild(argv.data(), parent, mask, output);
  if (child < 0) {
    int error = errno;
    ::pthread_sigmask(SIG_SETMASK, &mask, nullptr);
    return "cannot start it: " + std::string(std::strerror(error));
  }
  std::optional<int> lost;
  {
    fnd::ChildEndedFirst endedFirst(child);
    ::pthread_sigmask(SIG_SETMASK, &mask, nullptr);
    lost = waitForEnd(child);
  }
  int status = 0;
  if (!lost && ::waitpid(child, &status, 0) < 0) lost = errno;
  if (lost) return "lost it: " + std::string(std::strerror(*lost));
  return status;
}
