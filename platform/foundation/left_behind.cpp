#include "foundation/left_behind.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>

namespace fnd {

namespace {

// The process a name of the form says made it; 0 when the name is not of the form.
pid_t ownerOf(std::string_view name, std::string_view prefix, char separator) {
  if (!name.starts_with(prefix)) return 0;
  name.remove_prefix(prefix.size());
  pid_t owner = 0;
  auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), owner);
  if (error != std::errc() || end == name.data() + name.size() || *end != separator) return 0;
  std::string_view tail(end + 1, name.data() + name.size() - end - 1);
  bool plain = !tail.empty() && std::all_of(tail.begin(), tail.end(), [](unsigned char c) { return std::isalnum(c); });
  return plain ? owner : 0;
}

bool hasEnded(pid_t owner) { return owner != getpid() && ::kill(owner, 0) != 0 && errno == ESRCH; }

}  // namespace

void removeLeftBehind(const std::filesystem::path& folder, std::string_view prefix, char separator) {
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::filesystem::path& path = it->path();
    pid_t owner = ownerOf(path.filename().string(), prefix, separator);
    struct stat info;
    if (owner <= 0 || ::lstat(path.c_str(), &info) != 0 || info.st_uid != getuid() || !hasEnded(owner)) continue;
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
}

}  // namespace fnd
