#include "tools/lvsim/core/video_option.h"

#include <cstdio>

std::optional<std::string> lv::sim::frameCountError(const VideoOptions& options, long frames, double seconds) {
  if (double(frames) <= options.maxFrames) return std::nullopt;
  char line[192];
  std::snprintf(line, sizeof line, "%ld frames (%g s at %g fps) are more than --max-frames allows (%g); "
                "give --max-frames %ld to record them", frames, seconds, options.fps, options.maxFrames, frames);
  return line;
}
