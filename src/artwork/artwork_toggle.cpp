#include "artwork/artwork_toggle.h"

#include "artwork/artwork_frames.h"
#include "artwork/artwork_view.h"
#include "artwork/cover_sheet_background.h"
#include "startup/animate.h"
#include "startup/globals.h"
#include "startup/view_messages.h"

namespace lv::artwork {

namespace {

constexpr double kBlinkOut = 0.15;
constexpr double kBlinkBackDelay = 0.25;
constexpr double kBlinkBack = 0.15;
constexpr double kMove = 0.3;
constexpr double kMoveDelay = 0.1;

// The host's label view fades out and comes back while the header's texts move.
void blinkLabelView() {
  Strong label(mruLabel);
  setAlpha(label.get(), 1.0);
  animate(kBlinkOut, 0, UIViewAnimationOptionCurveLinear, [label] { setAlpha(label.get(), 0.0); },
          [label](bool) {
            animate(kBlinkBack, kBlinkBackDelay, UIViewAnimationOptionCurveLinear, [label] { setAlpha(label.get(), 1.0); });
          });
}

void moveTo(id view, CGRect frame) {
  animate(kMove, kMoveDelay, UIViewAnimationOptionCurveEaseInOut,
          [view = Strong(view), frame] { send<void>(view, "setFrame:"_sel, frame); });
}

CGRect storedBounds() { return CGRectMake(0, 0, dFrameWidth, dFrameHeight); }

// The artwork view's own frame goes through its setFrame: replacement.
void moveArtwork(id artworkView) {
  moveTo(send<id>(artworkView, "artworkImageView"_sel), storedBounds());
  moveTo(artworkView, storedFrame());
  moveTo(send<id>(artworkView, "artworkShadowView"_sel), storedBounds());
}

void playHaptic() {
  Strong generator = create(objc_getClass("UIImpactFeedbackGenerator"));
  send<void>(generator, "prepare"_sel);
  send<void>(generator, "impactOccurred"_sel);
}

}  // namespace

}  // namespace lv::artwork

void lv::artwork::toggleArtwork(id artworkView) {
  if (Expanded) {
    storeCollapsedFrame();
    fadeOutBackgrounds();
    Expanded = NO;
  } else {
    fadeInBackgrounds();
    storeExpandedFrame();
    Expanded = YES;
  }
  if (!CenterLabel) blinkLabelView();
  moveArtwork(artworkView);
  send<void>(headerView, "centreFrame"_sel);
  roundCorners(artworkView);
  if (HapticFeedback) playHaptic();
}
