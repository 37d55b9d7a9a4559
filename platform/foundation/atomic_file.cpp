#include "foundation/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>

#include "foundation/left_behind.h"
#include "foundation/write_all.h"

namespace fnd {

namespace {

// Room left for the temporary file's suffix within a file name's 255 bytes.
constexpr size_t kNameKept = 200;

WriteError failure(const std::string& path, int error) { return {path, std::strerror(error)}; }

// A new, hidden file beside `target`, named after it: ".NAME.PID.N", after removing those
// that ended processes left for the same target. Its descriptor, or -1 with errno set.
int createBeside(const std::filesystem::path& target, std::string& created) {
  std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
  std::string prefix = "." + target.filename().string().substr(0, kNameKept) + ".";
  removeLeftBehind(folder, prefix, '.');
  std::string base = prefix + std::to_string(getpid()) + ".";
  for (int n = 0;; ++n) {
    created = (folder / (base + std::to_string(n))).string();
    int fd = ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST || n == 99) return fd;
  }
}

// Whether a file may take the place of what is at `path`: not a folder nor a special file.
Result<void, WriteError> replaceable(const std::string& path) {
  if (std::filesystem::path(path).filename().empty()) return failure(path, EISDIR);
  struct stat existing;
  if (::lstat(path.c_str(), &existing) != 0) return {};
  if (S_ISDIR(existing.st_mode)) return failure(path, EISDIR);
  if (!S_ISREG(existing.st_mode) && !S_ISLNK(existing.st_mode)) return WriteError{path, "not a regular file"};
  return {};
}

}  // namespace

Result<void, WriteError> writeFileAtomically(const std::string& path, std::string_view bytes, Flush flush) {
  if (auto allowed = replaceable(path); !allowed) return allowed;
  std::string temporary;
  int fd = createBeside(path, temporary);
  if (fd < 0) return failure(path, errno);
  TemporaryPath held(temporary);
  int error = writeAll(fd, bytes);
  if (!error && flush == Flush::ToDisk && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && !error) error = errno;
  if (!error && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  if (!error) return {};
  ::unlink(temporary.c_str());
  return failure(path, error);
}

Result<FileBeside, WriteError> FileBeside::create(const std::string& target) {
  if (auto allowed = replaceable(target); !allowed) return allowed.error();
  std::string path;
  int fd = createBeside(target, path);
  if (fd < 0) return failure(target, errno);
  ::close(fd);
  return FileBeside(target, path);
}

FileBeside::FileBeside(std::string target, std::string path)
    : target_(std::move(target)), path_(std::move(path)), held_(std::in_place, path_) {}

FileBeside::FileBeside(FileBeside&& other) noexcept
    : target_(std::move(other.target_)), path_(std::exchange(other.path_, {})), held_(std::move(other.held_)) {}

FileBeside::~FileBeside() {
  if (!path_.empty()) ::unlink(path_.c_str());
}

Result<void, WriteError> FileBeside::commit() {
  int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
  int error = fd < 0 ? errno : 0;
  if (!error && ::fsync(fd) != 0) error = errno;
  if (fd >= 0) ::close(fd);
  if (!error && ::rename(path_.c_str(), target_.c_str()) != 0) error = errno;
  if (error) return failure(target_, error);
  path_.clear();
  held_.reset();
  return {};
}

}  // namespace fnd
