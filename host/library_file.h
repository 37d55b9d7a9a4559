#pragma once
// What the host tells of a library file that the loader would mishandle: it waits forever
// on a FIFO, and of a library built for another machine it says "No such file or directory".
#include <filesystem>
#include <optional>
#include <string>

namespace lv::host {

// Why `file` is no file to give the loader (a folder, a FIFO, a device); nothing when it is a
// regular file, or cannot be looked at (the loader tells why).
std::optional<std::string> notALibraryFile(const std::filesystem::path& file);

// For a file the loader refused: "wrong architecture: ..." when it is an ELF file for
// another machine than this process's.
std::optional<std::string> foreignMachineError(const std::filesystem::path& file);

}  // namespace lv::host
