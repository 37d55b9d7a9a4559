#include "artwork/cover_sheet_background.h"

#include "startup/animate.h"
#include "startup/globals.h"
#include "startup/view_messages.h"

namespace lv::artwork {

namespace {

constexpr double kFade = 0.5;
constexpr double kQuickFade = 0.05;
constexpr double kQuickFadeDelay = 0.45;

void fadeIn(id view, double duration, double delay) {
  setHidden(view, false);
  setAlpha(view, 0.0);
  animate(duration, delay, UIViewAnimationOptionCurveLinear, [held = Strong(view)] { setAlpha(held.get(), 1.0); });
}

// Hidden once the fade has run its course. A fade cut short was replaced by a newer
// change of the same view (a tap that expands again), which the hiding would undo.
void fadeOut(id view, double duration, double delay) {
  setAlpha(view, 1.0);
  Strong held(view);
  animate(duration, delay, UIViewAnimationOptionCurveLinear, [held] { setAlpha(held.get(), 0.0); },
          [held](bool finished) {
            if (finished) setHidden(held.get(), true);
          });
}

}  // namespace

}  // namespace lv::artwork

id lv::artwork::backgroundImageView() { return send<id>(coverSheetView, "lumivaneArtworkBackgroundImageView"_sel); }

id lv::artwork::backgroundView() { return send<id>(coverSheetView, "lumivaneArtworkBackgroundView"_sel); }

void lv::artwork::setBackgroundsHidden(bool hidden) {
  setHidden(backgroundView(), hidden);
  setHidden(backgroundImageView(), hidden);
}

void lv::artwork::fadeInBackgrounds() {
  fadeIn(backgroundImageView(), kQuickFade, kQuickFadeDelay);
  fadeIn(backgroundView(), kFade, 0);
}

void lv::artwork::fadeOutBackgrounds() {
  fadeOut(backgroundImageView(), kFade, 0);
  fadeOut(backgroundView(), kQuickFade, kQuickFadeDelay);
}
