#pragma once
// The host's scrubber. While playing it advances its elapsed time every second; a touch
// moves the elapsed factor, and where the finger lifts playback goes on.
#include <string>

#include "foundation/run_loop.h"
#include "host/media_view.h"

struct MRUNowPlayingTimeControlsView : lv::host::MediaView<UIControl> {
  double elapsedTimeFactor = 0;  // 0 to 1
  double duration = 0;           // seconds
  Ref<> elapsedTimeLabel, remainingTimeLabel;
  Ref<> knobView, elapsedTrack, remainingTrack;
  Ref<> primaryAction;
  bool playing = false;
  bool paused = false;      // playing, with the clock held at startElapsed
  double startElapsed = 0;  // elapsed seconds at startTime
  double startTime = 0;     // run loop time
  fnd::RunLoop::TimerId tick = 0;  // the next second's update, while playing
};

namespace lv::host {

// "m:ss" for the elapsed time, "-m:ss" for the remaining time, as the host writes them.
std::string elapsedTimeText(double seconds);
std::string remainingTimeText(double seconds);

void registerMRUNowPlayingTimeControlsView();

}  // namespace lv::host
