#include "tools/lvsim/core/video_option.h"

#include <cstdio>

#include "render/video_writer.h"
#include "tools/lvsim/core/echo.h"
#include "tools/lvsim/number_option.h"

namespace lv::sim {

namespace {

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

std::optional<std::string> lv::sim::frameCountError(const VideoOptions& options, long frames, double seconds) {
  if (double(frames) <= options.maxFrames) return std::nullopt;
  char line[192];
  std::snprintf(line, sizeof line, "%ld frames (%g s at %g fps) are more than --max-frames allows (%g); "
                "give --max-frames %ld to record them", frames, seconds, options.fps, options.maxFrames, frames);
  return line;
}
