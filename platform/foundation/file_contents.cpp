#include "foundation/file_contents.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace fnd {

namespace {

ReadError failure(std::string why) { return {std::move(why)}; }

std::string sizeText(size_t bytes) {
  return bytes % (1 << 20) == 0 ? std::to_string(bytes >> 20) + " MB" : std::to_string(bytes) + " bytes";
}

struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) close(fd);
  }
};

}  // namespace

Result<std::string, ReadError> readRegularFile(const std::filesystem::path& path, size_t maxBytes) {
  if (path.native().find('\0') != std::string::npos) return failure("a NUL character in the file name");
  // Without O_NONBLOCK, opening a FIFO waits for a writer.
  Descriptor file{open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
  if (file.fd < 0) return failure(std::strerror(errno));
  struct stat info {};
  if (fstat(file.fd, &info) != 0) return failure(std::strerror(errno));
  if (S_ISDIR(info.st_mode)) return failure("a folder, not a file");
  if (!S_ISREG(info.st_mode)) return failure("not a regular file");
  std::string too = "larger than " + sizeText(maxBytes);
  if (size_t(info.st_size) > maxBytes) return failure(too);
  std::string bytes(size_t(info.st_size) + 1, '\0');  // one byte more shows a file that grew
  size_t have = 0;
  for (;;) {
    if (have == bytes.size()) {
      if (have > maxBytes) return failure(too);
      bytes.resize(std::min(maxBytes + 1, have * 2));
    }
    ssize_t n = ::read(file.fd, bytes.data() + have, bytes.size() - have);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return failure(std::strerror(errno));
    if (n == 0) break;
    have += size_t(n);
  }
  if (have > maxBytes) return failure(too);
  bytes.resize(have);
  return bytes;
}

}  // namespace fnd
