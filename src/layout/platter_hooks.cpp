#include "layout/platter_hooks.h"

#include "layout/system_version.h"
#include "startup/globals.h"
#include "startup/host_values.h"
#include "startup/slot.h"
#include "startup/view_messages.h"

namespace lv::layout {

namespace {

constexpr double kListTopInsetChange = -350;
constexpr double kTrimmedMaterialY = 308;
constexpr double kTrimmedMaterialHeight = 190;
constexpr double kRoutingButtonY = 420;
constexpr double kSuggestionsY = 320;
constexpr CGFloat kPlatterCornerRadius = 23.5;
// The legibility style whose text is light.
constexpr NSInteger kLightTextLegibilityStyle = 1;

}  // namespace

}  // namespace lv::layout

constinit double lv::layout::mediaRemoteHeight = 0;

// Pulls the list up over the artwork background when it shows in a compact height. With
// no cover sheet captured there is no image view to ask, which counts as showing.
UIEdgeInsets lv::layout::CSCombinedListViewController_listViewDefaultContentInsets(id self, SEL _cmd) {
  UIEdgeInsets insets = slot<CSCombinedListViewController_listViewDefaultContentInsets>(self, _cmd);
  if (!enabled) return insets;
  if (!isVerticallyCompact(self)) return insets;
  id background = send<id>(coverSheetView, "lumivaneArtworkBackgroundImageView"_sel);
  if (send<bool>(background, "isHidden"_sel)) return insets;
  insets.top += kListTopInsetChange;
  return insets;
}

// No focus activity view ever comes into being; the caller frees the allocation.
id lv::layout::CSFocusActivityView_initWithFrame(id, SEL, CGRect) { return nil; }

NSInteger lv::layout::UILegibilitySettings_style(id, SEL) { return kLightTextLegibilityStyle; }

CGRect lv::layout::CSMediaControlsViewController_suggestedFrameForMediaControls(id self, SEL _cmd) {
  CGRect frame = slot<CSMediaControlsViewController_suggestedFrameForMediaControls>(self, _cmd);
  frame.size.height = systemIsAtLeast15() ? mediaRemoteHeight : kMediaControlsHeight;
  return frame;
}

double lv::layout::CSMediaControlsViewController_preferredMediaRemoteHeight(id, SEL) {
  mediaRemoteHeight = kMediaControlsHeight;
  return mediaRemoteHeight;
}

void lv::layout::MRUNowPlayingControlsView_setNeedsLayout(id self, SEL _cmd) {
  if (inPlatterLayout(self)) setHidden(send<id>(self, "volumeControlsView"_sel), YES);
  slot<MRUNowPlayingControlsView_setNeedsLayout>(self, _cmd);
}

void lv::layout::MRUNowPlayingControlsView_setFrame(id self, SEL _cmd, CGRect frame) {
  if (inPlatterContext(self)) controlsWidth = frame.size.width;
  slot<MRUNowPlayingControlsView_setFrame>(self, _cmd, frame);
}

// A receiver whose initialisation failed is gone and is not captured.
id lv::layout::CSAdjunctItemView_initWithFrame(id self, SEL _cmd, CGRect frame) {
  id result = slot<CSAdjunctItemView_initWithFrame>(self, _cmd, frame);
  if (!result) return nil;
  storeStrong(adjunctItemView, self);
  return result;
}

void lv::layout::MRUNowPlayingRoutingButton_setFrame(id self, SEL _cmd, CGRect frame) {
  if (inPlatterContext(self)) frame.origin.y = kRoutingButtonY;
  slot<MRUNowPlayingRoutingButton_setFrame>(self, _cmd, frame);
}

// The corners go to the captured adjunct item view's platter, whichever platter view is
// being configured.
void lv::layout::PLPlatterView_configureBackgroundView(id self, SEL _cmd, id backgroundView) {
  if (systemIsAtLeast15())
    send<void>(send<id>(adjunctItemView, "platterView"_sel), "setCornerRadius:"_sel, kPlatterCornerRadius);
  slot<PLPlatterView_configureBackgroundView>(self, _cmd, backgroundView);
}

// Every material view framed at the full platter height keeps only its bottom part.
void lv::layout::MTMaterialView_setFrame(id self, SEL _cmd, CGRect frame) {
  if (frame.size.height == kMediaControlsHeight) {
    frame.origin.y = kTrimmedMaterialY;
    frame.size.height = kTrimmedMaterialHeight;
  }
  slot<MTMaterialView_setFrame>(self, _cmd, frame);
}

void lv::layout::MRUNowPlayingView_didMoveToWindow(id self, SEL _cmd) {
  slot<MRUNowPlayingView_didMoveToWindow>(self, _cmd);
  if (NfirstTimeLoaded || !inPlatterLayout(self)) return;
  send<void>(self, "addGestures"_sel);
  NfirstTimeLoaded = YES;
}

void lv::layout::MRUNowPlayingView_addGestures(id self, SEL) {
  if (!inPlatterLayout(self)) return;
  addTap(self, self, "play"_sel);
}

// The now-playing view's tap action is empty on purpose.
void lv::layout::MRUNowPlayingView_play(id, SEL) {}

// Outside layout 4 the host is not asked to frame the view at all.
void lv::layout::MRUMediaSuggestionsView_setFrame(id self, SEL _cmd, CGRect frame) {
  if (!inPlatterLayout(self)) return;
  send<void>(mruLabel, "setPlaceholderText:"_sel, nil);
  frame.origin.y = kSuggestionsY;
  slot<MRUMediaSuggestionsView_setFrame>(self, _cmd, frame);
}
