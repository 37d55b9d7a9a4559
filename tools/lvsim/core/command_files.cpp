#include "tools/lvsim/core/command_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <map>

namespace lv::sim {

namespace {

namespace fs = std::filesystem;

// The file itself, by the name it is read or written under, or through a link at it.
std::optional<CommandFiles::Identity> identityOf(const fs::path& file, bool throughLink) {
  struct stat s;
  if ((throughLink ? ::stat(file.c_str(), &s) : ::lstat(file.c_str(), &s)) != 0) return std::nullopt;
  return CommandFiles::Identity{s.st_dev, s.st_ino};
}

// Where `file` is or would be: its folder with links resolved, then its own name, which
// may be a link.
fs::path placeOf(const fs::path& file) {
  std::error_code error;
  fs::path absolute = fs::absolute(file, error).lexically_normal();
  if (!absolute.has_filename()) absolute = absolute.parent_path();
  fs::path folder = fs::weakly_canonical(absolute.parent_path(), error);
  return (error ? absolute.parent_path() : folder) / absolute.filename();
}

std::string streamKind(mode_t mode) {
  if (S_ISFIFO(mode)) return "a pipe";
  if (S_ISSOCK(mode)) return "a socket";
  return "a device";
}

// Why no file may take the place of what is at `file`.
std::optional<std::string> kindFault(const fs::path& file) {
  struct stat at;
  if (::lstat(file.c_str(), &at) != 0 || S_ISREG(at.st_mode)) return std::nullopt;
  if (S_ISDIR(at.st_mode)) return "is a folder";
  const std::string why = ", not a file (files are written whole, then renamed into place)";
  if (!S_ISLNK(at.st_mode)) return "is " + streamKind(at.st_mode) + why;
  struct stat target;
  if (::stat(file.c_str(), &target) != 0 || S_ISREG(target.st_mode) || S_ISDIR(target.st_mode)) return std::nullopt;
  return "is a link to " + streamKind(target.st_mode) + why;
}

// The standard stream that goes to the file `identity`, where one does.
std::optional<std::string> streamAt(const std::optional<CommandFiles::Identity>& identity) {
  for (auto [fd, name] : {std::pair{STDOUT_FILENO, "standard output"}, std::pair{STDERR_FILENO, "standard error"}}) {
    struct stat s;
    if (identity && ::fstat(fd, &s) == 0 && *identity == CommandFiles::Identity{s.st_dev, s.st_ino}) return name;
  }
  return std::nullopt;
}

}  // namespace

}  // namespace lv::sim

lv::sim::CommandFiles::Entry lv::sim::CommandFiles::entryOf(const fs::path& file, std::string where) {
  return {file, where.empty() ? file.string() : std::move(where), placeOf(file), identityOf(file, false),
          identityOf(file, true)};
}

bool lv::sim::CommandFiles::Entry::samePlace(const Entry& other) const {
  return place == other.place || (identity && identity == other.identity);
}

void lv::sim::CommandFiles::reads(const fs::path& file) {
  if (file.empty()) return;
  const Entry input = entryOf(file, {});
  inputPlaces_.emplace(input.place, file);
  for (const std::optional<Identity>& identity : {input.identity, input.named})
    if (identity) inputIdentities_.emplace(*identity, file);
}

void lv::sim::CommandFiles::writes(const fs::path& file, std::string where) {
  if (!file.empty()) outputs_.push_back(entryOf(file, std::move(where)));
}

const std::filesystem::path* lv::sim::CommandFiles::inputAt(const Entry& output) const {
  if (auto found = inputPlaces_.find(output.place); found != inputPlaces_.end()) return &found->second;
  if (!output.identity) return nullptr;
  auto found = inputIdentities_.find(*output.identity);
  return found == inputIdentities_.end() ? nullptr : &found->second;
}

std::optional<std::filesystem::path> lv::sim::CommandFiles::inputAt(const fs::path& file) const {
  const fs::path* input = inputAt(entryOf(file, {}));
  return input ? std::optional(*input) : std::nullopt;
}

bool lv::sim::CommandFiles::writesTo(const fs::path& file) const {
  const Entry asked = entryOf(file, {});
  return std::ranges::any_of(outputs_, [&](const Entry& output) { return asked.samePlace(output); });
}

fnd::Result<void, lv::sim::FileFault> lv::sim::CommandFiles::check() const {
  std::map<fs::path, const Entry*> places;
  std::map<Identity, const Entry*> identities;
  for (const Entry& output : outputs_) {
    if (auto kind = kindFault(output.file)) return FileFault{output.where, *kind};
    if (auto stream = streamAt(output.named)) return FileFault{output.where, "is where the command's " + *stream + " goes"};
    if (const fs::path* input = inputAt(output)) return FileFault{output.where, "would write over the input " + input->string()};
    auto samePlace = places.find(output.place);
    auto sameFile = output.identity ? identities.find(*output.identity) : identities.end();
    const Entry* earlier = samePlace != places.end() ? samePlace->second
                           : sameFile != identities.end() ? sameFile->second
                                                          : nullptr;
    if (earlier) return FileFault{output.where, "would write over the output " + earlier->file.string()};
    places.emplace(output.place, &output);
    if (output.identity) identities.emplace(*output.identity, &output);
  }
  return {};
}

std::optional<std::filesystem::path> lv::sim::inputAt(const fs::path& output, const std::vector<fs::path>& inputs) {
  CommandFiles files;
  for (const fs::path& input : inputs) files.reads(input);
  return files.inputAt(output);
}

bool lv::sim::liesWithin(const fs::path& inner, const fs::path& outer) {
  std::error_code error;
  fs::path in = fs::weakly_canonical(inner, error), out = fs::weakly_canonical(outer, error);
  return std::mismatch(out.begin(), out.end(), in.begin(), in.end()).first == out.end();
}
