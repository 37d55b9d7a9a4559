#include "tools/lvsim/shared_options.h"

#include <CLI/CLI.hpp>

#include "host/host_classes.h"
#include "host/profiles.h"
#include "render/video_writer.h"
#include "tools/lvsim/core/echo.h"
#include "tools/lvsim/core/settings_option.h"
#include "tools/lvsim/number_option.h"

namespace lv::sim {

namespace {

CLI::Validator hostClassName() {
  return CLI::Validator(
      [](std::string& name) -> std::string {
        return lv::host::isHostClass(name) ? "" : "unknown host class " + inQuotes(name);
      },
      "");
}

// An empty value would read as the option not given.
CLI::Validator named(const std::string& expected) {
  return CLI::Validator([expected](std::string& name) { return name.empty() ? "expected " + expected : ""; }, "");
}

CLI::Validator profileName() {
  return CLI::Validator(
      [](std::string& name) -> std::string {
        if (lv::host::findProfile(name)) return {};
        return "unknown profile " + inQuotes(name) + " (phone, small-phone or tablet)";
      },
      "");
}

CLI::Validator storedSetting() {
  return CLI::Validator([](std::string& text) { return settingError(text).value_or(""); }, "");
}

CLI::Validator videoFile() {
  return CLI::Validator(
      [](std::string& file) -> std::string {
        if (lv::render::videoFormatOf(file)) return {};
        return "video " + inQuotes(file) + " is not named .mp4, .webm or .webp";
      },
      "");
}

}  // namespace

}  // namespace lv::sim

void lv::sim::addDeviceOptions(CLI::App& command, DeviceOptions& options, const std::string& settingsNote) {
  command.add_option("--profile", options.profile, "Device profile (default phone)")
      ->type_name("phone|small-phone|tablet")
      ->check(profileName());
  command.add_option("--settings", options.settingsFile, "Stored settings: a property list, XML or binary")
      ->type_name("FILE")
      ->check(named("a file name"));
  command.add_option("--set", options.settings, "Stored setting, after --settings (repeatable" + settingsNote + "); KEY is " + knownSettingKeys())
      ->type_name("KEY=true|false")
      ->check(storedSetting())
      ->allow_extra_args(false);
  command.add_option("--without", options.without, "Host class left out (repeatable)")
      ->type_name("CLASS")
      ->check(hostClassName())
      ->allow_extra_args(false);
  command.add_option("--library", options.library, "Shared library to load in place of the built one, or none")
      ->type_name("PATH|none")
      ->check(named("a file name or \"none\""));
}

void lv::sim::addTraceOptions(CLI::App& command, TraceOptions& options) {
  command.add_option("--trace", options.file, "Write a line per message into or out of the library to FILE; a crash prints its last "
                     "32 lines and leaves FILE up to the crash")
      ->type_name("FILE");
  command.add_option("--trace-filter", options.filters, "Keep trace lines whose \"Class selector\" matches (repeatable)")
      ->type_name("GLOB")
      ->allow_extra_args(false);
}

void lv::sim::addVideoOptions(CLI::App& command, VideoOptions& options, bool withFile) {
  if (withFile) {
    command.add_option("--video", options.file, "Record what the screen shows into FILE (.mp4, .webm or .webp)")
        ->type_name("FILE")
        ->check(videoFile());
    command.add_option("--max-frames", options.maxFrames, "Refuse a recording of more frames than N (default 7200)")
        ->type_name("N")
        ->check(numberIn({.low = 1, .high = kMostMaxFrames, .lowIncluded = true}));
  }
  command.add_option("--fps", options.fps, "Frames a second of a recording, on the virtual clock (default 60)")
      ->type_name("N")
      ->check(numberIn({.low = kMinFps, .high = kMaxFps, .lowIncluded = true}));
  command.add_option("--scale", options.scale, "Pixels per point of a recording (default the device's)")
      ->type_name("N")
      ->check(numberIn({.low = kMinVideoScale, .high = kMaxVideoScale, .lowIncluded = true}));
}
