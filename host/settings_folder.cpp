#include "host/settings_folder.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include "foundation/left_behind.h"

namespace lv::host {

namespace {

constexpr std::string_view kPrefix = "lumivane-settings-";

std::filesystem::path temporaryFolder() {
  const char* named = std::getenv("TMPDIR");
  if (!named || !*named) return "/tmp";
  std::error_code error;
  std::filesystem::path folder = std::filesystem::absolute(named, error);
  if (error || !std::filesystem::is_directory(folder, error))
    throw TemporaryFolderError("\"" + std::string(named) + "\" is not a folder");
  return folder;
}

}  // namespace

}  // namespace lv::host

std::unique_ptr<lv::host::SettingsFolder> lv::host::SettingsFolder::make() {
  std::filesystem::path parent = temporaryFolder();
  fnd::removeLeftBehind(parent, kPrefix, '-');
  std::string pattern = (parent / (std::string(kPrefix) + std::to_string(getpid()) + "-XXXXXX")).string();
  if (pattern.size() >= PATH_MAX) throw TemporaryFolderError("\"" + parent.string() + "\" is too long a path");
  if (!mkdtemp(pattern.data()))
    throw TemporaryFolderError("cannot make a folder in \"" + parent.string() + "\": " + std::strerror(errno));
  return std::unique_ptr<SettingsFolder>(new SettingsFolder(pattern));
}

lv::host::SettingsFolder::SettingsFolder(std::filesystem::path path) : path_(std::move(path)), held_(path_) {}

lv::host::SettingsFolder::~SettingsFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}
