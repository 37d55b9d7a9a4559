#pragma once
// The options several commands share, added to a command's parser: the device's
// (core/device_options.h), the trace's (core/trace_option.h) and the recording's
// (core/video_option.h). Their values are checked as they are read.
#include <string>

#include "tools/lvsim/core/device_options.h"
#include "tools/lvsim/core/trace_option.h"
#include "tools/lvsim/core/video_option.h"

namespace CLI {
class App;
}

namespace lv::sim {

// `settingsNote` follows the --set help (what is stored first).
void addDeviceOptions(CLI::App& command, DeviceOptions& options, const std::string& settingsNote = "");

void addTraceOptions(CLI::App& command, TraceOptions& options);

// Adds --fps and --scale, and --video and --max-frames unless `withFile` is false.
void addVideoOptions(CLI::App& command, VideoOptions& options, bool withFile = true);

}  // namespace lv::sim
