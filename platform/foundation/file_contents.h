#pragma once
// Reading a whole file that a user names. Only a regular file is read: a folder, a FIFO or a
// device is refused before anything waits on it, and a file larger than the caller's bound
// is refused rather than read into memory.
#include <cstddef>
#include <filesystem>
#include <string>

#include "foundation/result.h"

namespace fnd {

// Why a file could not be read, as "a folder, not a file".
struct ReadError {
  std::string reason;
  const std::string& message() const { return reason; }
};

Result<std::string, ReadError> readRegularFile(const std::filesystem::path& path, size_t maxBytes);

}  // namespace fnd
