#pragma once
// The media views of the lock screen's platter, put together as the media controls
// controller loads them.
#include "quartz/geometry.h"
#include "runtime/runtime.h"

namespace lv::host {

// A now-playing view at `frame` holding the controls view, and in it the header (artwork,
// label view, routing button), time controls, transport controls, volume controls and
// suggestions. Parts whose class the host lacks are left out with what they would hold;
// nil without the now-playing view's class.
Ref<> makeNowPlayingTree(CGRect frame);

}  // namespace lv::host
