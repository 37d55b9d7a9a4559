#include "artwork/artwork_hooks.h"

#include "artwork/artwork_frames.h"
#include "artwork/artwork_toggle.h"
#include "artwork/artwork_view.h"
#include "artwork/cover_sheet_background.h"
#include "header/header_text_refresh.h"
#include "startup/globals.h"
#include "startup/slot.h"
#include "startup/view_messages.h"

namespace lv::artwork {

namespace {

constexpr CGRect kLabelViewFrame{{20, 320}, {250, 55}};

// Only the first platter artwork to reach a window takes the tap and drops the host's
// placeholder; the backgrounds start hidden and the label view fully shown.
void setUpFirstWindow(id self) {
  send<void>(self, "addGestures"_sel);
  send<void>(self, "setUserInteractionEnabled:"_sel, true);
  setHidden(send<id>(self, "placeholderBackground"_sel), true);
  setHidden(send<id>(self, "placeholderImageView"_sel), true);
  setHidden(backgroundImageView(), true);
  setHidden(backgroundView(), true);
  setAlpha(mruLabel, 1.0);
  send<void>(mruLabel, "setFrame:"_sel, kLabelViewFrame);
  firstTimeLoaded = YES;
}

}  // namespace

}  // namespace lv::artwork

void lv::artwork::MRUArtworkView_didMoveToWindow(id self, SEL _cmd) {
  slot<MRUArtworkView_didMoveToWindow>(self, _cmd);
  if (!isPlatterStyle(self)) return;
  if (!firstTimeLoaded) {
    setUpFirstWindow(self);
    return;
  }
  setBackgroundsHidden(!Expanded);
}

void lv::artwork::MRUArtworkView_layoutSubviews(id self, SEL _cmd) {
  send<void>(self, "_setContinuousCornerRadius:"_sel, kCornerRadius);
  send<void>(self, "_setCornerRadius:"_sel, kCornerRadius);
  slot<MRUArtworkView_layoutSubviews>(self, _cmd);
}

void lv::artwork::MRUArtworkView_updateVisibility(id self, SEL _cmd) {
  if (isPlatterStyle(self)) send<void>(backgroundImageView(), "setImage:"_sel, send<id>(self, "artworkImage"_sel));
  header::refreshHeaderText();
  slot<MRUArtworkView_updateVisibility>(self, _cmd);
}

void lv::artwork::MRUArtworkView_setFrame(id self, SEL _cmd, CGRect frame) {
  if (isPlatterStyle(self)) frame = frameRule(self, frame);
  setHidden(send<id>(self, "iconView"_sel), true);
  setHidden(send<id>(self, "iconShadowView"_sel), true);
  roundCorners(self);
  slot<MRUArtworkView_setFrame>(self, _cmd, frame);
}

void lv::artwork::MRUArtworkView_addGestures(id self, SEL) {
  addTap(self, self, "handleTap"_sel);
}

// Ignored in a compact-height layout and while there is no artwork to enlarge.
void lv::artwork::MRUArtworkView_handleTap(id self, SEL) {
  if (verticalSizeClass(self) == UIUserInterfaceSizeClassCompact) return;
  if (!send<id>(self, "artworkImage"_sel)) return;
  send<void>(self, "handleAnimation"_sel);
}

void lv::artwork::MRUArtworkView_handleAnimation(id self, SEL) { toggleArtwork(self); }
