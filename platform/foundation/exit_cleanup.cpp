#include "foundation/exit_cleanup.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <mutex>
#include <utility>

namespace fnd {

namespace {

constexpr int kCleanedOn[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGABRT, SIGXFSZ};
constexpr int kSlots = 32;
constexpr int kFolderDepth = 8;

// A slot goes Free -> Filling -> Held by its holder, and back to Free when forgotten; the
// handler takes Held -> Removing, so a path is never rewritten while it is being removed.
enum SlotState : int { kFree, kFilling, kHeld, kRemoving };

struct Slot {
  std::atomic<int> state{kFree};
  char path[PATH_MAX];
};

Slot g_slots[kSlots];
constexpr int kChildSlots = 64;
std::atomic<pid_t> g_children[kChildSlots];
struct sigaction g_previous[std::size(kCleanedOn)];

// Empties the folder open as `folder`, `depth` levels down; files and links are unlinked,
// never followed. Entries shift as others go, so the folder is read again until a reading
// removes nothing.
void emptyFolder(int folder, int depth) {
  alignas(dirent64) char entries[1024];
  for (bool removed = true; removed;) {
    removed = false;
    ::lseek(folder, 0, SEEK_SET);
    for (ssize_t n; (n = ::getdents64(folder, entries, sizeof entries)) > 0;) {
      for (ssize_t at = 0; at < n;) {
        const auto* entry = reinterpret_cast<const dirent64*>(entries + at);
        at += entry->d_reclen;
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) continue;
        if (::unlinkat(folder, name, 0) == 0) {
          removed = true;
        } else if (errno == EISDIR && depth > 0) {
          int inner = ::openat(folder, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
          if (inner < 0) continue;
          emptyFolder(inner, depth - 1);
          ::close(inner);
          removed |= ::unlinkat(folder, name, AT_REMOVEDIR) == 0;
        }
      }
    }
  }
}

void removePath(const char* path) {
  if (::unlink(path) == 0 || errno != EISDIR) return;
  int folder = ::open(path, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (folder < 0) return;
  emptyFolder(folder, kFolderDepth);
  ::close(folder);
  ::rmdir(path);
}

// Async-signal-safe, and safe on any thread at any moment.
void removeHeldPaths() {
  for (Slot& slot : g_slots) {
    int held = kHeld;
    if (slot.state.compare_exchange_strong(held, kRemoving, std::memory_order_acquire)) removePath(slot.path);
  }
}

// All are told before any is waited for, so that they end together.
void endChildren(int signal) {
  pid_t ended[kChildSlots];
  for (int i = 0; i < kChildSlots; ++i) {
    ended[i] = g_children[i].exchange(0);
    if (ended[i] > 0) ::kill(ended[i], signal == SIGABRT || signal == SIGXFSZ ? SIGTERM : signal);
  }
  for (pid_t child : ended)
    while (child > 0 && ::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
}

void cleanUpAndGoOn(int signal) {
  int savedErrno = errno;
  endChildren(signal);
  removeHeldPaths();
  for (size_t i = 0; i < std::size(kCleanedOn); ++i)
    if (kCleanedOn[i] == signal) ::sigaction(signal, &g_previous[i], nullptr);
  ::raise(signal);
  errno = savedErrno;
}

// Once per process, on first use. The handlers stay: with nothing held they only pass the
// signal on.
void install() {
  static std::once_flag once;
  std::call_once(once, [] {
    struct sigaction action {};
    action.sa_handler = cleanUpAndGoOn;
    sigfillset(&action.sa_mask);
    for (size_t i = 0; i < std::size(kCleanedOn); ++i) {
      ::sigaction(kCleanedOn[i], nullptr, &g_previous[i]);
      if (g_previous[i].sa_handler != SIG_IGN) ::sigaction(kCleanedOn[i], &action, nullptr);
    }
    std::atexit(removeHeldPaths);
  });
}

}  // namespace

TemporaryPath::TemporaryPath(const std::filesystem::path& path) : slot_(-1) {
  std::error_code error;
  std::string absolute = std::filesystem::absolute(path, error).string();
  if (error || absolute.size() >= PATH_MAX) return;
  install();
  for (int i = 0; i < kSlots; ++i) {
    int free = kFree;
    if (!g_slots[i].state.compare_exchange_strong(free, kFilling)) continue;
    std::memcpy(g_slots[i].path, absolute.c_str(), absolute.size() + 1);
    g_slots[i].state.store(kHeld, std::memory_order_release);
    slot_ = i;
    return;
  }
}

TemporaryPath::TemporaryPath(TemporaryPath&& other) noexcept : slot_(std::exchange(other.slot_, -1)) {}

TemporaryPath::~TemporaryPath() {
  int held = kHeld;
  if (slot_ >= 0) g_slots[slot_].state.compare_exchange_strong(held, kFree);
}

void removeTemporaryPaths() { removeHeldPaths(); }

ChildEndedFirst::ChildEndedFirst(pid_t child) : slot_(-1) {
  install();
  for (int i = 0; i < kChildSlots && slot_ < 0; ++i) {
    pid_t free = 0;
    if (g_children[i].compare_exchange_strong(free, child)) slot_ = i;
  }
}

ChildEndedFirst::~ChildEndedFirst() {
  if (slot_ >= 0) g_children[slot_].store(0);
}

}  // namespace fnd
