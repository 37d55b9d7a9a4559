#pragma once
// A time-controls view in a window with the parts the host gives it: two time labels,
// the played and the unplayed bar and the knob, as subviews at host-chosen places.
#include <memory>
#include <string>

#include "boot_helpers.h"
#include "foundation/run_loop.h"
#include "foundation/values.h"
#include "host/media_views.h"
#include "quartz/layer.h"
#include "uikit/view.h"

namespace testing_support {

inline constexpr double kControlsWidth = 390;
// Where the platter puts the row: 45 points in from either side of the controls.
inline constexpr CGRect kRowFrame{{45, 375}, {kControlsWidth - 90, 30}};
inline constexpr double kHostBarY = 8;
inline constexpr double kHostBarHeight = 4;
inline constexpr double kHostLabelHeight = 14;

inline Ref<> makeView(const char* cls, CGRect frame) {
  return rt::create(objc_getClass(cls), "initWithFrame:"_sel, frame);
}

inline MRUNowPlayingTimeControlsView* parts(id controls) {
  return static_cast<MRUNowPlayingTimeControlsView*>(controls);
}

inline id leftTime(id controls) { return send<id>(controls, "leftTime"_sel); }
inline id rightTime(id controls) { return send<id>(controls, "rightTime"_sel); }
inline std::string textOf(id label) { return fnd::utf8(send<id>(label, "text"_sel)); }
inline CGRect frameOf(id view) { return send<CGRect>(view, "frame"_sel); }
inline bool hidden(id view) { return send<bool>(view, "isHidden"_sel); }
inline CALayer* layerOf(id view) { return static_cast<CALayer*>(send<id>(view, "layer"_sel)); }
inline CGAffineTransform transformOf(id view) { return send<CGAffineTransform>(view, "transform"_sel); }

// Lays the bars out as the host does: the played part up to the factor, the rest after it.
inline void layOutBars(id controls, double height = kHostBarHeight) {
  MRUNowPlayingTimeControlsView* v = parts(controls);
  double width = send<CGRect>(controls, "bounds"_sel).size.width;
  double played = width * (std::isfinite(v->elapsedTimeFactor) ? v->elapsedTimeFactor : 0);
  send<void>(v->elapsedTrack, "setFrame:"_sel, CGRectMake(0, kHostBarY, played, height));
  send<void>(v->remainingTrack, "setFrame:"_sel, CGRectMake(played, kHostBarY, width - played, height));
}

class TimeControlsRig {
 public:
  explicit TimeControlsRig(std::string profile = "phone")
      : device_(bootWith({{"kEnabled", true}}, {}, std::move(profile))),
        window_(makeView("UIWindow", CGRectMake(0, 0, kControlsWidth, 844))),
        platterControls_(makeView("MRUNowPlayingControlsView", CGRectMake(0, 0, kControlsWidth, 498))) {}

  // A new time-controls view that reports `context` from before its initialiser runs,
  // given its parts and put in the window.
  Ref<> addControls(NSInteger context = 2) {
    id allocated = send<id>(objc_getClass("MRUNowPlayingTimeControlsView"), "alloc"_sel);
    send<void>(allocated, "setContext:"_sel, context);
    Ref<> controls = Ref<>::adopt(send<id>(allocated, "initWithFrame:primaryAction:"_sel, kRowFrame, nil));
    MRUNowPlayingTimeControlsView* v = parts(controls);
    v->elapsedTimeLabel = makeView("UILabel", CGRectMake(0, 16, 40, kHostLabelHeight));
    v->remainingTimeLabel = makeView("UILabel", CGRectMake(260, 16, 40, kHostLabelHeight));
    v->elapsedTrack = makeView("UIView", {});
    v->remainingTrack = makeView("UIView", {});
    v->knobView = makeView("UIView", CGRectMake(0, 5, 10, 10));
    v->duration = 200;
    for (id part : {v->elapsedTrack.get(), v->remainingTrack.get(), v->knobView.get(),
                    v->elapsedTimeLabel.get(), v->remainingTimeLabel.get()})
      send<void>(controls, "addSubview:"_sel, part);
    layOutBars(controls);
    send<void>(window_, "addSubview:"_sel, controls);
    return controls;
  }

  id window() const { return window_.get(); }
  const host::Device& device() const { return *device_; }

 private:
  std::unique_ptr<host::Device> device_;
  Ref<> window_;
  Ref<> platterControls_;  // framed in the platter's context, it gives the rows their width
};

inline void settle(double seconds = 2) { fnd::RunLoop::main().runFor(seconds); }

}  // namespace testing_support
