#pragma once
// The folder a device stores its settings in: TMPDIR/lumivane-settings-PID-XXXXXX, or in
// /tmp when TMPDIR is unset or empty. It is removed with its owner, and also when the
// process is ended by SIGINT, SIGTERM, SIGHUP, SIGQUIT or SIGABRT: the handler empties and
// removes it, then lets the signal take its course as before. A folder left by a process
// that has ended without removing it (one killed outright) is removed when the next is
// made. One at a time per process; main thread only.
#include <filesystem>
#include <memory>

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
  explicit SettingsFolder(std::filesystem::path path) : path_(std::move(path)) {}

  std::filesystem::path path_;
};

}  // namespace lv::host
