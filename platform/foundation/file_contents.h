#pragma once
// Reading a whole file that a user names. Only a regular file is read: a folder, a FIFO or a
// device is refused before anything waits on it, and a file larger than the caller's bound
// is refused rather than read into memory.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace fnd {

struct FileContents {
  std::string bytes;                 // empty when the file could not be read
  std::optional<std::string> error;  // why not, as "a folder, not a file"
};

FileContents readRegularFile(const std::filesystem::path& path, size_t maxBytes);

}  // namespace fnd
