#pragma once
// Every file one command reads and every file it will write, collected before it writes
// any, so that a clash is one error line before the story runs rather than a file lost.
// An output may not fall on an input or on another output: the same file (its own name, a
// hard link, or a link the input was read through), or, for a file not there yet, the same
// place once links in its folders are resolved. Nor may it be a folder or anything but a
// regular file: a device, a FIFO, a socket, or a link to one; nor the file the command's
// standard output or error goes to. Files are written whole and renamed into place, which
// a terminal or a pipe cannot take, so `--trace /dev/stdout` is refused whatever it names.
// A link to another regular file is replaced, never written through.
#include <sys/types.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "foundation/result.h"

namespace lv::sim {

// The two halves of the error line: "lvsim: WHERE: WHAT".
struct FileFault {
  std::string where, what;
};

class CommandFiles {
 public:
  // An empty path is no file.
  void reads(const std::filesystem::path& file);
  // `where` names the output in an error line; its path when empty.
  void writes(const std::filesystem::path& file, std::string where = {});

  // Whether `file` is one of the outputs.
  bool writesTo(const std::filesystem::path& file) const;
  // The input that writing `file` would replace.
  std::optional<std::filesystem::path> inputAt(const std::filesystem::path& file) const;
  // Fails on the first output that may not be written, saying why.
  fnd::Result<void, FileFault> check() const;

  using Identity = std::pair<dev_t, ino_t>;

 private:
  struct Entry {
    std::filesystem::path file;
    std::string where;
    std::filesystem::path place;  // its folder with links resolved, and its name
    std::optional<Identity> identity;  // of what is there, a link itself
    std::optional<Identity> named;     // of what a link there names; the same without one
    bool samePlace(const Entry& other) const;
  };
  static Entry entryOf(const std::filesystem::path& file, std::string where);
  const std::filesystem::path* inputAt(const Entry& output) const;

  // The inputs by place and by identity, their own and what a link there names.
  std::map<std::filesystem::path, std::filesystem::path> inputPlaces_;
  std::map<Identity, std::filesystem::path> inputIdentities_;
  std::vector<Entry> outputs_;
};

// The input that writing `output` would replace: the same file, under its own name or a
// hard link. A symbolic link at `output` does not count: writing replaces the link.
std::optional<std::filesystem::path> inputAt(const std::filesystem::path& output,
                                             const std::vector<std::filesystem::path>& inputs);

// Whether `inner` is `outer` or lies in it, once links in both paths are resolved.
bool liesWithin(const std::filesystem::path& inner, const std::filesystem::path& outer);

}  // namespace lv::sim
