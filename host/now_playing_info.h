#pragma once
// The now-playing dictionary as the host makes and reads it (keys in
// mediaremote/now_playing.h).
#include <string>

#include "runtime/runtime.h"

namespace lv::host {

struct Track;

// An autoreleased dictionary for `track` with its artwork image (nil: none). An empty
// artist or app is left out.
id makeNowPlayingInfo(const Track& track, id artwork);

// The fields of a now-playing dictionary, borrowed from it; nil or 0 when absent.
struct NowPlayingFields {
  id title = nil, artist = nil, artwork = nil, bundleIdentifier = nil;
  double duration = 0;
};
NowPlayingFields readNowPlayingInfo(id info);

}  // namespace lv::host
