#include "tools/lvsim/video_option.h"

#include <cmath>
#include <cstdlib>

#include "render/video_writer.h"
#include "tools/lvsim/echo.h"

namespace lv::sim {

namespace {

// A number in (above, most]: NaN, infinities and trailing words are refused.
CLI::Validator numberIn(const std::string& what, double above, double most, bool aboveIncluded = false) {
  return CLI::Validator(
      [=](std::string& text) -> std::string {
        char* end = nullptr;
        double value = std::strtod(text.c_str(), &end);
        bool number = !text.empty() && *end == '\0' && std::isfinite(value);
        if (number && (value > above || (aboveIncluded && value == above)) && value <= most) return {};
        char range[64];
        std::snprintf(range, sizeof range, aboveIncluded ? "from %g to %g" : "above %g, at most %g", above, most);
        return what + " " + inQuotes(text) + " is not a number " + range;
      },
      "");
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

void lv::sim::addVideoOptions(CLI::App& command, VideoOptions& options, bool withFile) {
  if (withFile)
    command.add_option("--video", options.file, "Record what the screen shows into FILE (.mp4, .webm or .webp)")
        ->type_name("FILE")
        ->check(videoFile());
  command.add_option("--fps", options.fps, "Frames a second of a recording, on the virtual clock (default 60)")
      ->type_name("N")
      ->check(numberIn("--fps", 0, kMaxFps));
  command.add_option("--scale", options.scale, "Pixels per point of a recording (default the device's)")
      ->type_name("N")
      ->check(numberIn("--scale", kMinVideoScale, kMaxVideoScale, true));
}
