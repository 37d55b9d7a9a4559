#include "host/settings_folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <utility>

namespace lv::host {

namespace {

constexpr std::string_view kPrefix = "lumivane-settings-";
constexpr int kCleanedOn[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGABRT};

// What the signal handler removes, set before it is installed.
char g_path[PATH_MAX];
int g_folder = -1;
struct sigaction g_previous[std::size(kCleanedOn)];
bool g_installed[std::size(kCleanedOn)];

// Async-signal-safe: system calls on the folder's descriptor and its recorded path only.
void emptyAndRemove() {
  alignas(dirent64) char entries[4096];
  ::lseek(g_folder, 0, SEEK_SET);
  for (ssize_t n; (n = ::getdents64(g_folder, entries, sizeof entries)) > 0;) {
    for (ssize_t at = 0; at < n;) {
      const auto* entry = reinterpret_cast<const dirent64*>(entries + at);
      at += entry->d_reclen;
      if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
        ::unlinkat(g_folder, entry->d_name, 0);
    }
  }
  ::rmdir(g_path);
}

void removeAndGoOn(int signal) {
  emptyAndRemove();
  for (size_t i = 0; i < std::size(kCleanedOn); ++i)
    if (kCleanedOn[i] == signal) ::sigaction(signal, &g_previous[i], nullptr);
  ::raise(signal);
}

// A signal the process ignores stays ignored.
void installHandlers() {
  struct sigaction action {};
  action.sa_handler = removeAndGoOn;
  sigfillset(&action.sa_mask);
  for (size_t i = 0; i < std::size(kCleanedOn); ++i) {
    ::sigaction(kCleanedOn[i], nullptr, &g_previous[i]);
    g_installed[i] = g_previous[i].sa_handler != SIG_IGN;
    if (g_installed[i]) ::sigaction(kCleanedOn[i], &action, nullptr);
  }
}

void restoreHandlers() {
  for (size_t i = 0; i < std::size(kCleanedOn); ++i)
    if (std::exchange(g_installed[i], false)) ::sigaction(kCleanedOn[i], &g_previous[i], nullptr);
}

std::filesystem::path temporaryFolder() {
  const char* named = std::getenv("TMPDIR");
  if (!named || !*named) return "/tmp";
  std::error_code error;
  std::filesystem::path folder = std::filesystem::absolute(named, error);
  if (error || !std::filesystem::is_directory(folder, error))
    throw TemporaryFolderError("\"" + std::string(named) + "\" is not a folder");
  return folder;
}

// The process a folder's name says made it; 0 when it says none.
pid_t ownerOf(std::string_view name) {
  if (!name.starts_with(kPrefix)) return 0;
  name.remove_prefix(kPrefix.size());
  pid_t owner = 0;
  auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), owner);
  return error == std::errc() && end != name.data() + name.size() && *end == '-' ? owner : 0;
}

// A folder of this process can only be from before it replaced itself (exec).
bool hasEnded(pid_t owner) { return owner == getpid() || (::kill(owner, 0) != 0 && errno == ESRCH); }

// Removes this user's settings folders whose processes have ended.
void removeLeftFolders(const std::filesystem::path& parent) {
  std::error_code error;
  for (std::filesystem::directory_iterator it(parent, error), end; !error && it != end; it.increment(error)) {
    pid_t owner = ownerOf(it->path().filename().string());
    struct stat info;
    if (owner <= 0 || !hasEnded(owner) || ::lstat(it->path().c_str(), &info) != 0) continue;
    std::error_code ignored;
    if (S_ISDIR(info.st_mode) && info.st_uid == getuid()) std::filesystem::remove_all(it->path(), ignored);
  }
}

}  // namespace

}  // namespace lv::host

std::unique_ptr<lv::host::SettingsFolder> lv::host::SettingsFolder::make() {
  std::filesystem::path parent = temporaryFolder();
  removeLeftFolders(parent);
  std::string pattern = (parent / (std::string(kPrefix) + std::to_string(getpid()) + "-XXXXXX")).string();
  if (pattern.size() >= sizeof g_path) throw TemporaryFolderError("\"" + parent.string() + "\" is too long a path");
  if (!mkdtemp(pattern.data()))
    throw TemporaryFolderError("cannot make a folder in \"" + parent.string() + "\": " + std::strerror(errno));
  std::memcpy(g_path, pattern.c_str(), pattern.size() + 1);
  g_folder = ::open(g_path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  installHandlers();
  return std::unique_ptr<SettingsFolder>(new SettingsFolder(pattern));
}

lv::host::SettingsFolder::~SettingsFolder() {
  restoreHandlers();
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
  if (g_folder >= 0) ::close(std::exchange(g_folder, -1));
}
