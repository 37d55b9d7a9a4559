#pragma once
// The readers under test take a file name, as the simulator gives them one: each input is
// written whole to one file in a folder of the fuzzing process's own, removed at exit.
// Single-threaded, as libFuzzer runs its inputs.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "foundation/atomic_file.h"

namespace fuzz {

class ScratchFile {
 public:
  explicit ScratchFile(const std::string& name) {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/lumivane-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data())) std::abort();
    folder_ = pattern;
    path_ = folder_ / name;
  }
  ~ScratchFile() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  // The file, holding `data` and nothing else.
  const std::filesystem::path& holding(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (!fnd::writeFileAtomically(path_.string(), bytes, fnd::Flush::Skip)) std::abort();
    return path_;
  }

 private:
  std::filesystem::path folder_, path_;
};

}  // namespace fuzz
