#pragma once
// What a process undoes when it ends midway: the temporary files and folders it holds go,
// and a child it waits for ends first. This happens when SIGINT, SIGTERM, SIGHUP, SIGQUIT,
// SIGABRT or SIGXFSZ ends it (the handler cleans up, then lets the signal take its course
// as before; a signal the process ignores stays ignored) and when something calls exit()
// while they are held (a library giving up on its display). Holders remove their paths
// themselves when things go well; what a process killed outright leaves is for the next
// one to remove (foundation/left_behind.h).
//
// The handler uses fixed storage and system calls only: it unlinks a file, and empties a
// folder through descriptors without following links, a few levels deep, then removes it.
// Up to 32 paths are held at a time; one more is left to the next process's sweep.
#include <sys/types.h>

#include <filesystem>

namespace fnd {

// Holds a temporary file or folder to be removed should the process end while it is held.
// Destroying the holder forgets the path; it does not remove it.
class TemporaryPath {
 public:
  explicit TemporaryPath(const std::filesystem::path& path);
  ~TemporaryPath();
  TemporaryPath(TemporaryPath&& other) noexcept;
  TemporaryPath& operator=(TemporaryPath&&) = delete;
  TemporaryPath(const TemporaryPath&) = delete;

 private:
  int slot_;  // -1: not held
};

// Removes every held path at once, for a handler that ends the process in a way of its own
// (a fault, or _exit in place of exit). Async-signal-safe.
void removeTemporaryPaths();

// While it lives, a signal that ends this process first sends `child` the same signal
// (SIGTERM in place of SIGABRT and SIGXFSZ, which are this process's own faults) and waits
// for it to end. The child must not have been reaped yet: then its id cannot be another's.
// Up to 64 children, of any threads, are held at a time; one more is not ended first.
class ChildEndedFirst {
 public:
  explicit ChildEndedFirst(pid_t child);
  ~ChildEndedFirst();
  ChildEndedFirst(const ChildEndedFirst&) = delete;
  ChildEndedFirst& operator=(const ChildEndedFirst&) = delete;

 private:
  int slot_;  // -1: not held
};

}  // namespace fnd
