#pragma once
// Writing a file whole or not at all, as `writeToFile:atomically:` does: the bytes go into
// a new file beside the target, are flushed to the disk, and the new file is renamed over
// the target. A reader sees the old file or the new one, never a part; a failure midway
// (a full disk, a file size limit) leaves the old file as it was and nothing beside it.
// A symbolic link at the target is replaced by the file, never written through; a folder
// or a special file (a device, a FIFO) there is refused. A signal that ends the process
// midway takes the new file with it (foundation/exit_cleanup.h), and new files that a
// process killed outright left beside the target go when it is next written.
#include <optional>
#include <string>
#include <string_view>

#include "foundation/exit_cleanup.h"
#include "foundation/result.h"

namespace fnd {

struct WriteError {
  std::string path;
  std::string reason;
  std::string message() const { return "cannot write " + path + ": " + reason; }
};

// Whether the bytes reach the disk before the new file takes the old one's place, so that a
// system crash too leaves one or the other. A file that lives no longer than its process
// need not wait for the disk.
enum class Flush { ToDisk, Skip };

Result<void, WriteError> writeFileAtomically(const std::string& path, std::string_view bytes,
                                             Flush flush = Flush::ToDisk);

// The same for a writer that opens the file itself (by path): it writes into path(), a new
// hidden file beside the target, and commit() renames that into place. Destroyed before a
// commit, the new file goes. Refused targets are those writeFileAtomically refuses.
class FileBeside {
 public:
  static Result<FileBeside, WriteError> create(const std::string& target);
  ~FileBeside();
  FileBeside(FileBeside&& other) noexcept;
  FileBeside& operator=(FileBeside&&) = delete;
  FileBeside(const FileBeside&) = delete;

  const std::string& path() const { return path_; }
  // Flushes the new file to the disk and renames it over the target.
  Result<void, WriteError> commit();

 private:
  FileBeside(std::string target, std::string path);
  std::string target_, path_;  // path_ empty: committed or moved from
  std::optional<TemporaryPath> held_;  // none once committed
};

}  // namespace fnd
