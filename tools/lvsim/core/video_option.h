#pragma once
// `--video FILE`, `--fps N` and `--scale N`, as `run` and `demo` take them (`live` takes
// the last two, for what V records): a recording of what the screen shows on the virtual
// clock, in the format of FILE's extension (render/video_writer.h). Bad values are refused
// when the options are read, before anything runs; a recording of more frames than
// `--max-frames N` allows is refused before the story runs.
#include <optional>
#include <string>

namespace lv::sim {

inline constexpr double kMinFps = 1, kMaxFps = 240;
inline constexpr double kMinVideoScale = 0.05, kMaxVideoScale = 4;
// Two minutes of the clock at 60 fps: a few minutes of processor time at the phone's
// pixels. A longer recording has to be asked for.
inline constexpr double kDefaultMaxFrames = 7200;
inline constexpr double kMostMaxFrames = 1e7;

struct VideoOptions {
  std::string file;             // empty: no recording
  double fps = 60;              // frames per second of the virtual clock
  std::optional<double> scale;  // pixels per point; none: the device's
  double maxFrames = kDefaultMaxFrames;
};

// Why a recording of `frames` frames of `seconds` of the clock may not be made under
// `options`, or none when it may.
std::optional<std::string> frameCountError(const VideoOptions& options, long frames, double seconds);

}  // namespace lv::sim
