#include "time/scrubber_hooks.h"

#include <CoreGraphics/CGAffineTransform.h>
#include <QuartzCore/CALayer.h>
#include <UIKit/UIView.h>

#include <utility>

#include "bridge/block.h"
#include "bridge/ivars.h"
#include "startup/globals.h"
#include "startup/host_values.h"
#include "startup/slot.h"
#include "startup/small_device.h"
#include "startup/view_messages.h"
#include "time/bar_height.h"
#include "time/label_heights.h"
#include "time/time_text_mirroring.h"

namespace lv::timecontrols {

namespace {

constexpr double kExtraBarHeight = 3;
constexpr double kExtraBarHeightSmallDevice = 2;

constexpr NSUInteger kLeftCorners = kCALayerMinXMinYCorner | kCALayerMinXMaxYCorner;
constexpr NSUInteger kRightCorners = kCALayerMaxXMinYCorner | kCALayerMaxXMaxYCorner;
constexpr NSUInteger kAllCorners = kLeftCorners | kRightCorners;
constexpr double kNothingPlayed = 0.005;
constexpr double kPlayedToTheEnd = 0.995;

// While dragged the row stretches and the host's labels inside it are squeezed back.
constexpr CGFloat kLargeRowScale = 1.5;
constexpr CGFloat kLargeHostLabelScale = 0.7;
constexpr double kSpringDuration = 0.5;
constexpr double kSpringDamping = 0.7;
constexpr double kSpringVelocity = 0.2;

// Masks of the played and the unplayed bar: only the pill's outer ends are rounded. A
// factor that is not a number takes the middle case.
std::pair<NSUInteger, NSUInteger> cornerMasks(double factor) {
  if (factor <= kNothingPlayed) return {kLeftCorners, kAllCorners};
  if (factor >= kPlayedToTheEnd) return {kAllCorners, kRightCorners};
  return {kLeftCorners, kRightCorners};
}

double extraBarHeight() { return isSmallDeviceSB() ? kExtraBarHeightSmallDevice : kExtraBarHeight; }

void roundBar(id bar) {
  if (!bar) return;
  double height = enlargeBar(bar, extraBarHeight());
  id layer = send<id>(bar, "layer"_sel);
  send<void>(layer, "setMasksToBounds:"_sel, true);
  send<void>(layer, "setCornerRadius:"_sel, height / 2);
  send<void>(bar, "setClipsToBounds:"_sel, true);
}

void animateTrack(id self, CGFloat rowScale, CGFloat hostLabelScale) {
  if (!inPlatterContext(self)) return;
  matchLabelHeights(self);
  id elapsedLabel = nil;
  id remainingLabel = nil;
  readIvar(self, "_elapsedTimeLabel", elapsedLabel);
  readIvar(self, "_remainingTimeLabel", remainingLabel);
  // The animations block runs before the animation call returns.
  id animations = block<void()>([=] {
    CGAffineTransform labels = CGAffineTransformScale(CGAffineTransformIdentity, 1, hostLabelScale);
    send<void>(self, "setTransform:"_sel, CGAffineTransformScale(CGAffineTransformIdentity, 1, rowScale));
    send<void>(elapsedLabel, "setTransform:"_sel, labels);
    send<void>(remainingLabel, "setTransform:"_sel, labels);
  });
  send<void>(objc_getClass("UIView"),
             "animateWithDuration:delay:usingSpringWithDamping:initialSpringVelocity:options:animations:completion:"_sel,
             kSpringDuration, 0.0, kSpringDamping, kSpringVelocity, UIViewAnimationOptionCurveEaseOut, animations,
             static_cast<id>(nil));
}

void afterTracking(id self, SEL animation) {
  send<void>(self, animation);
  send<void>(self, "adjustSizeOfTrack"_sel);
  mirrorTimeTexts(self);
}

}  // namespace

}  // namespace lv::timecontrols

// The host's own test of where tracking may begin is bypassed: anywhere inside counts.
bool lv::timecontrols::MRUNowPlayingTimeControlsView_beginTracking(id self, SEL _cmd, id touch, id event) {
  if (!inPlatterContext(self)) return slot<MRUNowPlayingTimeControlsView_beginTracking>(self, _cmd, touch, event);
  afterTracking(self, "animateTrackToLarge"_sel);
  return true;
}

bool lv::timecontrols::MRUNowPlayingTimeControlsView_continueTracking(id self, SEL _cmd, id touch, id event) {
  bool tracking = slot<MRUNowPlayingTimeControlsView_continueTracking>(self, _cmd, touch, event);
  if (inPlatterContext(self)) afterTracking(self, "animateTrackToLarge"_sel);
  return tracking;
}

void lv::timecontrols::MRUNowPlayingTimeControlsView_endTracking(id self, SEL _cmd, id touch, id event) {
  slot<MRUNowPlayingTimeControlsView_endTracking>(self, _cmd, touch, event);
  if (inPlatterContext(self)) afterTracking(self, "animateTrackToSmall"_sel);
}

// A cancelled drag returns to the small state as an ended one does.
void lv::timecontrols::MRUNowPlayingTimeControlsView_cancelTracking(id self, SEL _cmd, id event) {
  slot<MRUNowPlayingTimeControlsView_cancelTracking>(self, _cmd, event);
  if (inPlatterContext(self)) afterTracking(self, "animateTrackToSmall"_sel);
}

// Touches count anywhere inside the bounds; the host's own test is never asked.
bool lv::timecontrols::MRUNowPlayingTimeControlsView_pointInside(id self, SEL, CGPoint point, id) {
  return CGRectContainsPoint(send<CGRect>(self, "bounds"_sel), point);
}

void lv::timecontrols::MRUNowPlayingTimeControlsView_adjustSizeOfTrack(id self, SEL) {
  if (!inPlatterContext(self)) return;
  matchLabelHeights(self);
  roundBar(send<id>(self, "elapsedTrack"_sel));
  roundBar(send<id>(self, "remainingTrack"_sel));

  id knob = send<id>(self, "knobView"_sel);
  setHidden(knob, true);
  CGRect bounds = send<CGRect>(self, "bounds"_sel);
  CGRect bar = send<CGRect>(send<id>(self, "elapsedTrack"_sel), "bounds"_sel);
  send<void>(knob, "setFrame:"_sel, CGRectMake(bounds.origin.x, bounds.origin.y, bounds.size.width, bar.size.height));
  send<void>(self, "setMaskedCornersForSlider"_sel);
}

void lv::timecontrols::MRUNowPlayingTimeControlsView_setMaskedCornersForSlider(id self, SEL) {
  if (!inPlatterContext(self)) return;
  double factor = 0;
  if (!readIvar(self, "_elapsedTimeFactor", factor)) return;
  auto [played, unplayed] = cornerMasks(factor);
  send<void>(send<id>(send<id>(self, "elapsedTrack"_sel), "layer"_sel), "setMaskedCorners:"_sel, played);
  send<void>(send<id>(send<id>(self, "remainingTrack"_sel), "layer"_sel), "setMaskedCorners:"_sel, unplayed);
}

void lv::timecontrols::MRUNowPlayingTimeControlsView_animateTrackToLarge(id self, SEL) {
  animateTrack(self, kLargeRowScale, kLargeHostLabelScale);
}

void lv::timecontrols::MRUNowPlayingTimeControlsView_animateTrackToSmall(id self, SEL) { animateTrack(self, 1, 1); }
