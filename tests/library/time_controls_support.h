#pragma once
// The lock screen playing a song, with its time controls, and time-controls views made by
// hand beside them (the host makes their parts in its initialiser).
#include <memory>
#include <string>

#include "quartz/layer.h"
#include "support/geometry_printers.h"
#include "support/lock_screen_helpers.h"

namespace testing_support {

inline constexpr double kHostBarHeight = 4;     // host_geometry's track height
inline constexpr double kHostLabelHeight = 14;  // and its time labels' height

struct PlayingPlatter {
  std::unique_ptr<lv::host::LockScreen> screen;
  id controls = nil;  // the platter's time controls
};

inline PlayingPlatter playingPlatter(std::string profile = "phone") {
  PlayingPlatter p{bootEnabled({.profile = std::move(profile)})};
  p.screen->play(song());
  p.controls = p.screen->firstView("MRUNowPlayingTimeControlsView");
  return p;
}

// A time-controls view of class `cls` that reports `context` from before its initialiser
// runs, in the window.
inline Ref<> makeTimeControls(lv::host::LockScreen& screen, NSInteger context, CGRect frame,
                              Class cls = objc_getClass("MRUNowPlayingTimeControlsView")) {
  id allocated = send<id>(cls, "alloc"_sel);
  send<void>(allocated, "setContext:"_sel, context);
  Ref<> controls = Ref<>::adopt(send<id>(allocated, "initWithFrame:primaryAction:"_sel, frame, nil));
  send<void>(screen.window(), "addSubview:"_sel, controls);
  return controls;
}

inline id leftTime(id controls) { return member(controls, "leftTime"); }
inline id rightTime(id controls) { return member(controls, "rightTime"); }
inline id elapsedLabel(id controls) { return member(controls, "elapsedTimeLabel"); }
inline id remainingLabel(id controls) { return member(controls, "remainingTimeLabel"); }
inline id elapsedTrack(id controls) { return member(controls, "elapsedTrack"); }
inline id remainingTrack(id controls) { return member(controls, "remainingTrack"); }
inline id knob(id controls) { return member(controls, "knobView"); }
inline CALayer* layerOf(id view) { return static_cast<CALayer*>(member(view, "layer")); }
inline CGAffineTransform transformOf(id view) { return send<CGAffineTransform>(view, "transform"_sel); }

}  // namespace testing_support
