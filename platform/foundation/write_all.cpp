#include "foundation/write_all.h"

#include <unistd.h>

#include <cerrno>

int fnd::writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    bytes.remove_prefix(size_t(n));
  }
  return 0;
}
