#include "support/process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

extern char** environ;

namespace testing_support {

namespace {

std::vector<std::string> environmentWith(const ProcessOptions& options) {
  std::vector<std::string> out;
  for (char** e = environ; *e; ++e) {
    std::string entry = *e;
    if (!options.environment.contains(entry.substr(0, entry.find('=')))) out.push_back(entry);
  }
  for (const auto& [name, value] : options.environment)
    if (value) out.push_back(name + "=" + *value);
  return out;
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
  std::vector<char*> out;
  for (std::string& s : strings) out.push_back(s.data());
  out.push_back(nullptr);
  return out;
}

// Reads both pipes until both close, so that neither fills while the other is read.
void drain(int outFd, int errFd, std::string& output, std::string& errors) {
  pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
  std::string* into[2] = {&output, &errors};
  int open = 0;
  for (const pollfd& p : fds) open += p.fd >= 0;
  char buffer[4096];
  while (open > 0 && poll(fds, 2, -1) >= 0) {
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !fds[i].revents) continue;
      ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        into[i]->append(buffer, size_t(n));
        continue;
      }
      close(fds[i].fd);
      fds[i].fd = -1;
      --open;
    }
  }
}

}  // namespace

ProcessRun runProcess(const std::vector<std::string>& argv, const ProcessOptions& options) {
  int out[2], err[2] = {-1, -1};
  if (pipe2(out, O_CLOEXEC) != 0) return {-1, "", 0, std::strerror(errno)};
  if (!options.stderrToo && pipe2(err, O_CLOEXEC) != 0) {
    ProcessRun failed{-1, "", 0, std::strerror(errno)};
    close(out[0]);
    close(out[1]);
    return failed;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (options.stdoutFile.empty())
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  else
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, options.stdoutFile.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_adddup2(&actions, options.stderrToo ? out[1] : err[1], STDERR_FILENO);
  if (!options.directory.empty()) posix_spawn_file_actions_addchdir_np(&actions, options.directory.c_str());
  std::vector<std::string> args = argv, environment = environmentWith(options);
  pid_t child = -1;
  int spawned = posix_spawnp(&child, args.at(0).c_str(), &actions, nullptr, pointers(args).data(),
                             pointers(environment).data());
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (err[1] >= 0) close(err[1]);
  ProcessRun run{-1, "", 0, ""};
  drain(out[0], err[0], run.output, run.errors);
  if (spawned != 0) return {-1, "", 0, std::strerror(spawned)};
  int status = 0;
  waitpid(child, &status, 0);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  return run;
}

}  // namespace testing_support
