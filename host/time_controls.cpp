#include "host/time_controls.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "foundation/values.h"
#include "host/appearance.h"
#include "host/class_helpers.h"
#include "uikit/label.h"

namespace lv::host {

namespace {

using namespace geometry;
constexpr rt::FixedString kName = "MRUNowPlayingTimeControlsView";
// Times a hair below a whole second (from adding up virtual time) count as that second.
constexpr double kSecondTolerance = 1e-6;

MRUNowPlayingTimeControlsView* asTimeControls(id self) {
  return static_cast<MRUNowPlayingTimeControlsView*>(self);
}

std::string minutesAndSeconds(double seconds) {
  long whole = std::isfinite(seconds) && seconds > 0 ? long(std::floor(seconds + kSecondTolerance)) : 0;
  char text[32];
  std::snprintf(text, sizeof text, "%ld:%02ld", whole / 60, whole % 60);
  return text;
}

double now() { return fnd::RunLoop::main().now(); }

double elapsedNow(const MRUNowPlayingTimeControlsView* v) {
  if (v->paused) return std::min(v->startElapsed, v->duration);
  return std::min(v->startElapsed + (now() - v->startTime), v->duration);
}

// Sends the factor and the texts through the messages the library replaces.
void showElapsed(id self, double factor) {
  send<void>(self, "setElapsedTimeFactor:"_sel, factor);
  send<void>(self, "updateElapsedTime"_sel);
}

double factorFor(const MRUNowPlayingTimeControlsView* v, double elapsed) {
  return v->duration > 0 ? std::clamp(elapsed / v->duration, 0.0, 1.0) : 0;
}

void scheduleTick(id self);

// At each whole second of playback: the new elapsed time, unless a finger holds the
// scrubber. The clock stops at the end of the track.
void onTick(id self) {
  MRUNowPlayingTimeControlsView* v = asTimeControls(self);
  v->tick = 0;
  if (!v->playing || v->paused) return;
  double elapsed = elapsedNow(v);
  if (!v->tracking) showElapsed(self, factorFor(v, elapsed));
  if (elapsed < v->duration) scheduleTick(self);
}

void scheduleTick(id self) {
  auto keep = Ref<>::retain(self);
  double elapsed = elapsedNow(asTimeControls(self));
  double untilNextSecond = std::floor(elapsed + kSecondTolerance) + 1 - elapsed;
  asTimeControls(self)->tick = fnd::RunLoop::main().schedule(untilNextSecond, [keep] { onTick(keep.get()); });
}

void stopTicking(MRUNowPlayingTimeControlsView* v) {
  if (v->tick) fnd::RunLoop::main().cancel(v->tick);
  v->tick = 0;
}

void TimeControls_beginPlayback(id self, SEL, double duration) {
  MRUNowPlayingTimeControlsView* v = asTimeControls(self);
  stopTicking(v);
  v->duration = std::isfinite(duration) ? std::max(duration, 0.0) : 0;
  v->playing = true;
  v->paused = false;
  v->startElapsed = 0;
  v->startTime = now();
  showElapsed(self, 0);
  if (v->duration > 0) scheduleTick(self);
}

void TimeControls_endPlayback(id self, SEL) {
  MRUNowPlayingTimeControlsView* v = asTimeControls(self);
  stopTicking(v);
  v->playing = false;
  v->paused = false;
}

// Pausing holds the elapsed time where it is; resuming goes on from there.
void TimeControls_setPaused(id self, SEL, BOOL paused) {
  MRUNowPlayingTimeControlsView* v = asTimeControls(self);
  if (!v->playing || v->paused == bool(paused)) return;
  if (paused) {
    v->startElapsed = elapsedNow(v);
    stopTicking(v);
    v->paused = true;
    return;
  }
  v->paused = false;
  v->startTime = now();
  if (v->startElapsed < v->duration) scheduleTick(self);
}

// Playback goes on from the factor where the finger lifted, on that position's seconds.
void seekTo(id self, double factor) {
  MRUNowPlayingTimeControlsView* v = asTimeControls(self);
  stopTicking(v);
  v->startElapsed = factor * v->duration;
  v->startTime = now();
  if (v->playing && !v->paused && v->startElapsed < v->duration) scheduleTick(self);
}

double touchFactor(id self, id touch) {
  CGPoint p = send<CGPoint>(touch, "locationInView:"_sel, self);
  CGFloat width = boundsOf(self).size.width;
  return width > 0 ? std::clamp(p.x / width, 0.0, 1.0) : 0;
}

bool TimeControls_beginTracking(id self, SEL, id touch, id) {
  showElapsed(self, touchFactor(self, touch));
  return true;
}

bool TimeControls_continueTracking(id self, SEL, id touch, id) {
  showElapsed(self, touchFactor(self, touch));
  return true;
}

// The lift lays the scrubber out again, at rest.
void TimeControls_endTracking(id self, SEL, id touch, id) {
  double factor = touchFactor(self, touch);
  showElapsed(self, factor);
  seekTo(self, factor);
  send<void>(self, "setNeedsLayout"_sel);
}

// A finger a little above or below the bars still catches them.
bool TimeControls_pointInside(id self, SEL, CGPoint point, id) {
  CGRect b = boundsOf(self);
  b.origin.y -= kScrubberTouchOutset;
  b.size.height += 2 * kScrubberTouchOutset;
  return CGRectContainsPoint(b, point);
}

// The factor as the bars and texts show it.
double shownFactor(const MRUNowPlayingTimeControlsView* v) {
  return std::isfinite(v->elapsedTimeFactor) ? std::clamp(v->elapsedTimeFactor, 0.0, 1.0) : 0;
}

// New texts relayout the view through their labels.
void writeTimes(const MRUNowPlayingTimeControlsView* v) {
  double f = shownFactor(v);
  double elapsed = f * v->duration;
  send<void>(v->elapsedTimeLabel, "setText:"_sel, fnd::string(elapsedTimeText(elapsed)));
  send<void>(v->remainingTimeLabel, "setText:"_sel, fnd::string(remainingTimeText(v->duration - elapsed)));
}

Ref<> makeBar(id parent, appearance::Color fill) {
  Ref<> bar = makeView("UIView");
  appearance::fillRounded(bar.get(), fill, kTrackHeight / 2);
  addSubview(parent, bar.get());
  return bar;
}

Ref<> makeTimeLabel(id parent, NSInteger alignment) {
  Ref<> label = appearance::addLabel(parent, 12, UIFontWeightMedium, appearance::secondaryLabelColor());
  send<void>(label, "setTextAlignment:"_sel, alignment);
  return label;
}

id TimeControls_initWithFrame(id self, SEL, CGRect frame) {
  return send<id>(self, "initWithFrame:primaryAction:"_sel, frame, nil);
}

id TimeControls_initWithFramePrimaryAction(id self, SEL, CGRect frame, id action) {
  self = sendSuper<id>(superclassOf<kName>(), self, "initWithFrame:"_sel, frame);
  if (!self) return nil;
  MRUNowPlayingTimeControlsView* v = asTimeControls(self);
  v->primaryAction = Ref<>::retain(action);
  v->elapsedTrack = makeBar(self, appearance::kPlayedTrack);
  v->remainingTrack = makeBar(self, appearance::kUnplayedTrack);
  v->knobView = makeBar(self, appearance::kKnob);
  roundCorners(v->knobView.get(), kKnobSize / 2);
  v->elapsedTimeLabel = makeTimeLabel(self, NSTextAlignmentLeft);
  v->remainingTimeLabel = makeTimeLabel(self, NSTextAlignmentRight);
  writeTimes(v);
  return self;
}

// The host's own parts are placed before the superclass applies the constraints, so that
// views tied to the time labels follow where the labels are now.
void TimeControls_layoutSubviews(id self, SEL) {
  MRUNowPlayingTimeControlsView* v = asTimeControls(self);
  CGFloat w = boundsOf(self).size.width;
  double f = shownFactor(v);
  setFrame(v->elapsedTrack.get(), elapsedTrackFrame(w, f));
  setFrame(v->remainingTrack.get(), remainingTrackFrame(w, f));
  setFrame(v->knobView.get(), knobFrame(w, f));
  setFrame(v->elapsedTimeLabel.get(), elapsedTimeLabelFrame(w));
  setFrame(v->remainingTimeLabel.get(), remainingTimeLabelFrame(w));
  sendSuper<void>(superclassOf<kName>(), self, "layoutSubviews"_sel);
}

// The factor is kept as given, not-a-number included: the host does not judge it. The
// bars follow at the next layout.
void TimeControls_setElapsedTimeFactor(id self, SEL, double factor) {
  MRUNowPlayingTimeControlsView* v = asTimeControls(self);
  if (v->elapsedTimeFactor == factor) return;
  v->elapsedTimeFactor = factor;
  send<void>(self, "setNeedsLayout"_sel);
}

void TimeControls_updateElapsedTime(id self, SEL) { writeTimes(asTimeControls(self)); }

}  // namespace

}  // namespace lv::host

std::string lv::host::elapsedTimeText(double seconds) { return minutesAndSeconds(seconds); }
std::string lv::host::remainingTimeText(double seconds) { return "-" + minutesAndSeconds(seconds); }

void lv::host::registerMRUNowPlayingTimeControlsView() {
  using T = MRUNowPlayingTimeControlsView;
  Class cls = defineMediaView<T>(kName.text, "UIControl");
  rt::addIvar(cls, "_elapsedTimeFactor", &T::elapsedTimeFactor);
  rt::addIvar(cls, "_elapsedTimeLabel", &T::elapsedTimeLabel);
  rt::addIvar(cls, "_remainingTimeLabel", &T::remainingTimeLabel);
  rt::addMethod(cls, "elapsedTimeLabel"_sel, rt::objectGetter<&T::elapsedTimeLabel>);
  rt::addMethod(cls, "remainingTimeLabel"_sel, rt::objectGetter<&T::remainingTimeLabel>);
  rt::addMethod(cls, "knobView"_sel, rt::objectGetter<&T::knobView>);
  rt::addMethod(cls, "elapsedTrack"_sel, rt::objectGetter<&T::elapsedTrack>);
  rt::addMethod(cls, "remainingTrack"_sel, rt::objectGetter<&T::remainingTrack>);
  rt::addMethod(cls, "elapsedTimeFactor"_sel, rt::fieldGetter<&T::elapsedTimeFactor>);
  rt::addMethod(cls, "duration"_sel, rt::fieldGetter<&T::duration>);
  rt::addMethod(cls, "isPlaying"_sel, rt::fieldGetter<&T::playing>);
  rt::addMethod(cls, "beginPlaybackWithDuration:"_sel, TimeControls_beginPlayback);
  rt::addMethod(cls, "endPlayback"_sel, TimeControls_endPlayback);
  rt::addMethod(cls, "setPaused:"_sel, TimeControls_setPaused);
  rt::addMethod(cls, "isPaused"_sel, rt::fieldGetter<&T::paused>);
  rt::addMethod(cls, "initWithFrame:"_sel, TimeControls_initWithFrame);
  rt::addMethod(cls, "initWithFrame:primaryAction:"_sel, TimeControls_initWithFramePrimaryAction);
  rt::addMethod(cls, "setElapsedTimeFactor:"_sel, TimeControls_setElapsedTimeFactor);
  rt::addMethod(cls, "updateElapsedTime"_sel, TimeControls_updateElapsedTime);
  rt::addMethod(cls, "setFrame:"_sel, callSuper<kName, void, CGRect>);
  rt::addMethod(cls, "setNeedsLayout"_sel, callSuper<kName, void>);
  rt::addMethod(cls, "layoutSubviews"_sel, TimeControls_layoutSubviews);
  rt::addMethod(cls, "beginTrackingWithTouch:withEvent:"_sel, TimeControls_beginTracking);
  rt::addMethod(cls, "continueTrackingWithTouch:withEvent:"_sel, TimeControls_continueTracking);
  rt::addMethod(cls, "endTrackingWithTouch:withEvent:"_sel, TimeControls_endTracking);
  rt::addMethod(cls, "pointInside:withEvent:"_sel, TimeControls_pointInside);
}
