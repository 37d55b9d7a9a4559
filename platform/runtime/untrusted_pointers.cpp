#include "runtime/untrusted_pointers.h"

#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace rt {

namespace {

constexpr uintptr_t kPage = 4096;

// A pipe that bytes pass through: writing from an unreadable address fails with EFAULT.
// The raw system calls keep sanitizers' interceptors, which would check the bytes, out.
int* passage() {
  static int fds[2] = {-1, -1};  // open for the process
  if (fds[0] < 0 && pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) fds[0] = fds[1] = -1;
  return fds;
}

bool readSmall(const void* from, void* to, size_t size) {
  int* fds = passage();
  if (fds[0] < 0) return false;
  long written;
  do written = syscall(SYS_write, fds[1], from, size);
  while (written < 0 && errno == EINTR);
  if (written <= 0) return false;
  long read = syscall(SYS_read, fds[0], to, size_t(written));  // drains what went in
  return written == long(size) && read == written;
}

}  // namespace

bool readUntrusted(const void* from, void* to, size_t size) {
  if (reinterpret_cast<uintptr_t>(from) < kPage) return false;
  for (size_t done = 0; done < size;) {
    size_t chunk = std::min<size_t>(size - done, kPage);
    if (!readSmall(static_cast<const char*>(from) + done, static_cast<char*>(to) + done, chunk)) return false;
    done += chunk;
  }
  return true;
}

std::optional<std::string> readUntrustedString(const char* text, size_t most) {
  std::string read;
  while (read.size() < most) {
    auto at = reinterpret_cast<uintptr_t>(text) + read.size();
    size_t chunk = std::min<size_t>(most - read.size(), kPage - at % kPage);  // within one page
    char bytes[kPage];
    if (!readUntrusted(reinterpret_cast<const char*>(at), bytes, chunk)) return std::nullopt;
    size_t length = std::find(bytes, bytes + chunk, '\0') - bytes;
    read.append(bytes, length);
    if (length < chunk) break;
  }
  return read;
}

bool isObjectPointer(const void* p) {
  Class isa = nullptr;
  return reinterpret_cast<uintptr_t>(p) % alignof(void*) == 0 && readUntrusted(p, &isa, sizeof isa) &&
         isClassPointer(isa);
}

}  // namespace rt
