#pragma once
// `--video FILE`, `--fps N` and `--scale N`, as `run` and `demo` take them (`live` takes
// the last two, for what V records): a recording of what the screen shows on the virtual
// clock, in the format of FILE's extension (render/video_writer.h). Bad values are refused
// when the options are read, before anything runs.
#include <optional>
#include <string>

#include <CLI/CLI.hpp>

namespace lv::sim {

inline constexpr double kMinFps = 1, kMaxFps = 240;
inline constexpr double kMinVideoScale = 0.05, kMaxVideoScale = 4;

struct VideoOptions {
  std::string file;             // empty: no recording
  double fps = 60;              // frames per second of the virtual clock
  std::optional<double> scale;  // pixels per point; none: the device's
};

// Adds --fps and --scale to `command`, and --video unless `withFile` is false.
void addVideoOptions(CLI::App& command, VideoOptions& options, bool withFile = true);

}  // namespace lv::sim
