#include "time/time_labels_hooks.h"

#include <UIKit/UIFontDescriptor.h>

#include "startup/globals.h"
#include "startup/host_values.h"
#include "startup/slot.h"
#include "startup/view_messages.h"
#include "time/label_heights.h"
#include "time/time_text_mirroring.h"

namespace lv::timecontrols {

namespace {

// The row's place in the platter; its width leaves 45 points on either side.
constexpr CGFloat kRowX = 45;
constexpr CGFloat kRowY = 375;
constexpr CGFloat kRowSideMargins = 2 * kRowX;

constexpr CGFloat kTimeFontSize = 11;
constexpr CGFloat kTimeLabelTop = 17;
constexpr CGFloat kTimeLabelWidth = 40;
constexpr CGFloat kLeftTimeOffset = -35;  // from the view's left edge
constexpr CGFloat kRightTimeOffset = 10;  // from the view's right edge
// A time never moves: a pause longer than any song, and no speed.
constexpr double kTimePause = 300;
constexpr float kTimeScrollSpeed = 0;

void addTimeLabel(id self, SEL setter, id hostLabel, id horizontalAnchor, CGFloat offset) {
  Strong made = create(objc_getClass("CBAutoScrollLabel"));
  id label = made.get();
  send<void>(self, setter, label);
  send<void>(label, "setText:"_sel, send<id>(hostLabel, "text"_sel));
  send<void>(label, "setFont:"_sel,
             send<id>(objc_getClass("UIFont"), "systemFontOfSize:weight:"_sel, kTimeFontSize, UIFontWeightMedium));
  send<void>(label, "setTextColor:"_sel, send<id>(objc_getClass("UIColor"), "secondaryLabelColor"_sel));
  send<void>(label, "setPauseInterval:"_sel, kTimePause);
  send<void>(label, "setScrollSpeed:"_sel, kTimeScrollSpeed);
  send<void>(self, "addSubview:"_sel, label);
  send<void>(label, "setTranslatesAutoresizingMaskIntoConstraints:"_sel, false);

  activate(send<id>(anchor(label, "topAnchor"_sel), "constraintEqualToAnchor:constant:"_sel,
                    anchor(self, "topAnchor"_sel), kTimeLabelTop));
  activate(send<id>(anchor(label, "widthAnchor"_sel), "constraintEqualToConstant:"_sel, kTimeLabelWidth));
  activateEqualHeight(label, hostLabel);
  activate(send<id>(anchor(label, "leftAnchor"_sel), "constraintEqualToAnchor:constant:"_sel,
                    horizontalAnchor, offset));
}

bool hasTimeLabels(id self) {
  return send<id>(self, "leftTime"_sel) || send<id>(self, "rightTime"_sel);
}

void afterTimeChange(id self) {
  if (!inPlatterContext(self)) return;
  send<void>(self, "setMaskedCornersForSlider"_sel);
  mirrorTimeTexts(self);
}

}  // namespace

}  // namespace lv::timecontrols

void lv::timecontrols::MRUNowPlayingTimeControlsView_setFrame(id self, SEL _cmd, CGRect frame) {
  if (inPlatterContext(self))
    frame = CGRectMake(kRowX, kRowY, controlsWidth - kRowSideMargins, frame.size.height);
  slot<MRUNowPlayingTimeControlsView_setFrame>(self, _cmd, frame);
}

// Every time-controls view gets its own labels, not only the first one laid out;
// TfirstTimeLoaded still records that the first has.
void lv::timecontrols::MRUNowPlayingTimeControlsView_setNeedsLayout(id self, SEL _cmd) {
  if (inPlatterContext(self)) {
    if (!hasTimeLabels(self)) {
      send<void>(self, "addLVTimes"_sel);
      TfirstTimeLoaded = true;
    }
    setHidden(send<id>(self, "elapsedTimeLabel"_sel), true);
    setHidden(send<id>(self, "remainingTimeLabel"_sel), true);
    mirrorTimeTexts(self);
    setHidden(send<id>(self, "knobView"_sel), true);
  }
  slot<MRUNowPlayingTimeControlsView_setNeedsLayout>(self, _cmd);
}

// The context is asked before the host initialiser has run.
id lv::timecontrols::MRUNowPlayingTimeControlsView_initWithFramePrimaryAction(id self, SEL _cmd, CGRect frame, id action) {
  bool platter = inPlatterContext(self);
  id view = slot<MRUNowPlayingTimeControlsView_initWithFramePrimaryAction>(self, _cmd, frame, action);
  if (platter) send<void>(view, "adjustSizeOfTrack"_sel);
  return view;
}

void lv::timecontrols::MRUNowPlayingTimeControlsView_layoutSubviews(id self, SEL _cmd) {
  slot<MRUNowPlayingTimeControlsView_layoutSubviews>(self, _cmd);
  if (inPlatterContext(self)) send<void>(self, "adjustSizeOfTrack"_sel);
}

void lv::timecontrols::MRUNowPlayingTimeControlsView_setElapsedTimeFactor(id self, SEL _cmd, double factor) {
  slot<MRUNowPlayingTimeControlsView_setElapsedTimeFactor>(self, _cmd, factor);
  afterTimeChange(self);
}

void lv::timecontrols::MRUNowPlayingTimeControlsView_updateElapsedTime(id self, SEL _cmd) {
  slot<MRUNowPlayingTimeControlsView_updateElapsedTime>(self, _cmd);
  afterTimeChange(self);
}

void lv::timecontrols::MRUNowPlayingTimeControlsView_addLVTimes(id self, SEL) {
  addTimeLabel(self, "setLeftTime:"_sel, send<id>(self, "elapsedTimeLabel"_sel),
               anchor(self, "leftAnchor"_sel), kLeftTimeOffset);
  addTimeLabel(self, "setRightTime:"_sel, send<id>(self, "remainingTimeLabel"_sel),
               anchor(self, "rightAnchor"_sel), kRightTimeOffset);
}
