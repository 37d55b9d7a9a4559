#include "tools/lvsim/core/reference_recording.h"

#include <stdio.h>
#include <stdlib.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <set>

#include "foundation/left_behind.h"
#include "tools/lvsim/core/echo.h"
#include "tools/lvsim/core/command_files.h"

namespace lv::sim {

namespace {

namespace fs = std::filesystem;

constexpr size_t kShownName = 48;

// Why the folder at `dir` may not be replaced by new references.
std::optional<std::string> notReferences(const fs::path& dir, const std::vector<fs::path>& inputs) {
  std::error_code error;
  fs::file_status status = fs::symlink_status(dir, error);
  if (!fs::exists(status) || fs::is_symlink(status)) return std::nullopt;
  if (!fs::is_directory(status)) return "not a folder";
  for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
    const fs::path& file = it->path();
    bool reference = it->is_regular_file(error) && !it->is_symlink(error) &&
                     (file.filename() == "report.json" || file.filename() == "report.html" || file.extension() == ".png");
    if (!reference) return "holds " + inQuotes(file.filename().string()) + ", which is not a reference; record into a new folder";
    if (auto input = inputAt(file, inputs)) return "holds the input " + input->string();
  }
  if (error) return "cannot read the folder: " + error.message();
  return std::nullopt;
}

}  // namespace

}  // namespace lv::sim

lv::sim::ReferenceRecording::ReferenceRecording(fs::path dir, fs::path folder)
    : dir_(std::move(dir)), folder_(std::move(folder)), held_(folder_) {}

lv::sim::ReferenceRecording::~ReferenceRecording() {
  std::error_code ignored;
  fs::remove_all(folder_, ignored);
}

fnd::Result<std::unique_ptr<lv::sim::ReferenceRecording>, std::string> lv::sim::ReferenceRecording::begin(
    const fs::path& dir, const std::vector<fs::path>& inputs) {
  std::error_code error;
  fs::path target = fs::absolute(dir, error).lexically_normal();
  if (!target.has_filename()) target = target.parent_path();
  if (error || !target.has_filename()) return std::string("not a folder that can be replaced");
  if (auto reason = notReferences(target, inputs)) return *reason;
  fs::path parent = target.parent_path();
  fs::create_directories(parent, error);
  if (error) return "cannot make the folder: " + error.message();
  std::string prefix = "." + target.filename().string().substr(0, kShownName) + ".record-";
  fnd::removeLeftBehind(parent, prefix, '-');
  std::string pattern = (parent / (prefix + std::to_string(getpid()) + "-XXXXXX")).string();
  if (!mkdtemp(pattern.data())) return std::string("cannot make a folder beside it: ") + std::strerror(errno);
  // mkdtemp makes the folder for its owner alone; references get the usual permissions.
  mode_t mask = ::umask(0);
  ::umask(mask);
  ::chmod(pattern.c_str(), 0777 & ~mask);
  return std::unique_ptr<ReferenceRecording>(new ReferenceRecording(target, pattern));
}

fnd::Result<void, std::string> lv::sim::ReferenceRecording::commit() {
  std::error_code error;
  bool replacing = fs::exists(fs::symlink_status(dir_, error));
  int done = replacing ? ::renameat2(AT_FDCWD, folder_.c_str(), AT_FDCWD, dir_.c_str(), RENAME_EXCHANGE)
                       : ::rename(folder_.c_str(), dir_.c_str());
  if (done != 0) return std::string("cannot put the references in place: ") + std::strerror(errno);
  return {};
}

std::vector<std::string> lv::sim::ReferenceRecording::keepPassing(const CompareTolerance& tolerance) {
  std::error_code error;
  std::set<std::string> recorded = comparedFiles(folder_, error);
  std::vector<std::string> anew(recorded.begin(), recorded.end());
  if (!fs::is_directory(fs::symlink_status(dir_, error))) return anew;
  auto compared = compareOutputs(dir_, folder_, tolerance);
  if (!compared) return anew;
  anew.clear();
  for (const FileComparison& file : compared.value().files) {
    if (file.side == FileComparison::Side::ExpectedOnly) continue;
    if (file.alike() && fs::copy_file(file.expected, file.actual, fs::copy_options::overwrite_existing, error)) continue;
    anew.push_back(file.name);
  }
  return anew;
}
