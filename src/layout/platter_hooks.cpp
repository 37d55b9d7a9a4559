#include "layout/platter_hooks.h"

#include "startup/slot.h"

namespace lv::layout {

constinit double mediaRemoteHeight = 0;

UIEdgeInsets CSCombinedListViewController_listViewDefaultContentInsets(id self, SEL _cmd) {
  return slot<CSCombinedListViewController_listViewDefaultContentInsets>(self, _cmd);
}

// No focus activity view ever comes into being; the caller frees the allocation.
id CSFocusActivityView_initWithFrame(id, SEL, CGRect) { return nil; }

NSInteger UILegibilitySettings_style(id, SEL) { return 1; }

CGRect CSMediaControlsViewController_suggestedFrameForMediaControls(id self, SEL _cmd) {
  return slot<CSMediaControlsViewController_suggestedFrameForMediaControls>(self, _cmd);
}

double CSMediaControlsViewController_preferredMediaRemoteHeight(id, SEL) {
  mediaRemoteHeight = kMediaControlsHeight;
  return mediaRemoteHeight;
}

void MRUNowPlayingControlsView_setNeedsLayout(id self, SEL _cmd) {
  slot<MRUNowPlayingControlsView_setNeedsLayout>(self, _cmd);
}

void MRUNowPlayingControlsView_setFrame(id self, SEL _cmd, CGRect frame) {
  slot<MRUNowPlayingControlsView_setFrame>(self, _cmd, frame);
}

id CSAdjunctItemView_initWithFrame(id self, SEL _cmd, CGRect frame) {
  return slot<CSAdjunctItemView_initWithFrame>(self, _cmd, frame);
}

void MRUNowPlayingRoutingButton_setFrame(id self, SEL _cmd, CGRect frame) {
  slot<MRUNowPlayingRoutingButton_setFrame>(self, _cmd, frame);
}

void PLPlatterView_configureBackgroundView(id self, SEL _cmd, id backgroundView) {
  slot<PLPlatterView_configureBackgroundView>(self, _cmd, backgroundView);
}

void MTMaterialView_setFrame(id self, SEL _cmd, CGRect frame) {
  slot<MTMaterialView_setFrame>(self, _cmd, frame);
}

void MRUNowPlayingView_didMoveToWindow(id self, SEL _cmd) {
  slot<MRUNowPlayingView_didMoveToWindow>(self, _cmd);
}

void MRUNowPlayingView_addGestures(id, SEL) {}

// The now-playing view's tap action is empty on purpose.
void MRUNowPlayingView_play(id, SEL) {}

void MRUMediaSuggestionsView_setFrame(id self, SEL _cmd, CGRect frame) {
  slot<MRUMediaSuggestionsView_setFrame>(self, _cmd, frame);
}

}  // namespace lv::layout
