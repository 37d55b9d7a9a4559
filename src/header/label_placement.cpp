#include "header/label_placement.h"

#include <CoreGraphics/CGGeometry.h>

#include "header/header_values.h"
#include "startup/animate.h"
#include "startup/globals.h"
#include "startup/view_messages.h"

namespace lv::header {

namespace {

// Places one header label by the artwork's state, read now: while the artwork is
// enlarged, around the controls' middle by the width of the host's matching text
// (`hostText` of the host label view); otherwise back at its home centre. Only the
// horizontal position changes.
void placeLabel(id header, SEL label, SEL hostText) {
  id view = send<id>(header, label);
  if (!view) return;
  CGRect frame = send<CGRect>(view, "frame"_sel);
  if (!Expanded) {
    send<void>(view, "setCenter:"_sel, CGPointMake(kHomeCentreX, frame.origin.y + frame.size.height * 0.5));
    return;
  }
  id hostView = send<id>(mruLabel, hostText);
  double middle = controlsWidth * 0.5 - send<CGRect>(send<id>(header, "labelStackView"_sel), "frame"_sel).origin.x;
  frame.origin.x = frameWidth(hostView) > kCentredTextWidth
                       ? middle + kWideTextOffset
                       : middle + frameWidth(hostView) * -0.5 + kCentredShift;
  send<void>(view, "setFrame:"_sel, frame);
}

void placeTitle(id header) { placeLabel(header, "titleLabel"_sel, "titleMarqueeView"_sel); }
void placeArtist(id header) { placeLabel(header, "artistLabel"_sel, "subtitleMarqueeView"_sel); }

}  // namespace

}  // namespace lv::header

// Two animations that run together, one per label.
void lv::header::MRUNowPlayingHeaderView_centreFrame(id self, SEL) {
  animate(kCentringDuration, 0, UIViewAnimationOptionCurveEaseInOut, [self] { placeTitle(self); });
  animate(kCentringDuration, 0, UIViewAnimationOptionCurveEaseInOut, [self] { placeArtist(self); });
}

void lv::header::MRUNowPlayingHeaderView_centreFrameWithoutAnimation(id self, SEL) {
  placeTitle(self);
  placeArtist(self);
}
