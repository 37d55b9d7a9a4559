#include "foundation/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace fnd {

namespace {

// Room left for the temporary file's suffix within a file name's 255 bytes.
constexpr size_t kNameKept = 200;

WriteError failure(const std::string& path, int error) { return {path, std::strerror(error)}; }

// Writes all of `bytes`, going on after interruptions and short writes; 0 or the errno.
int writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    bytes.remove_prefix(size_t(n));
  }
  return 0;
}

// A new, hidden file beside `target`, named after it: ".NAME.PID.N". Its descriptor, or -1
// with errno set.
int createBeside(const std::filesystem::path& target, std::string& created) {
  std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
  std::string base = "." + target.filename().string().substr(0, kNameKept) + "." + std::to_string(getpid()) + ".";
  for (int n = 0;; ++n) {
    created = (folder / (base + std::to_string(n))).string();
    int fd = ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST || n == 99) return fd;
  }
}

}  // namespace

std::optional<WriteError> writeFileAtomically(const std::string& path, std::string_view bytes, Flush flush) {
  std::filesystem::path target(path);
  if (target.filename().empty()) return failure(path, EISDIR);
  struct stat existing;
  if (::lstat(path.c_str(), &existing) == 0) {
    if (S_ISDIR(existing.st_mode)) return failure(path, EISDIR);
    if (!S_ISREG(existing.st_mode) && !S_ISLNK(existing.st_mode)) return WriteError{path, "not a regular file"};
  }
  std::string temporary;
  int fd = createBeside(target, temporary);
  if (fd < 0) return failure(path, errno);
  int error = writeAll(fd, bytes);
  if (!error && flush == Flush::ToDisk && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && !error) error = errno;
  if (!error && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  if (!error) return std::nullopt;
  ::unlink(temporary.c_str());
  return failure(path, error);
}

}  // namespace fnd
