#pragma once
// The folder a device stores its settings in: TMPDIR/lumivane-settings-PID-XXXXXX, or in
// /tmp when TMPDIR is unset or empty. It is removed with its owner, and also when a signal
// or exit() ends the process midway (foundation/exit_cleanup.h). A folder left by a process
// that has ended without removing it (one killed outright) is removed when the next is
// made. Main thread only.
#include <filesystem>
#include <memory>

#include "foundation/exit_cleanup.h"
#include "host/boot_error.h"

namespace lv::host {

// TMPDIR names no folder a settings folder can be made in.
struct TemporaryFolderError : BootError {
  using BootError::BootError;
};

class SettingsFolder {
 public:
  // Throws TemporaryFolderError.
  static std::unique_ptr<SettingsFolder> make();
  ~SettingsFolder();
  SettingsFolder(const SettingsFolder&) = delete;
  SettingsFolder& operator=(const SettingsFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  explicit SettingsFolder(std::filesystem::path path);

  std::filesystem::path path_;
  fnd::TemporaryPath held_;
};

}  // namespace lv::host
