#pragma once
// The now-playing view, its controls view and header, and the small views among them:
// transport controls, routing button and suggestions.
#include "host/media_view.h"

struct MRUNowPlayingView : lv::host::MediaView<UIView> {
  Ref<> controlsView;
};

struct MRUNowPlayingControlsView : lv::host::MediaView<UIView> {
  Ref<> headerView, timeControlsView, transportControlsView, volumeControlsView, suggestionsView;
};

struct MRUNowPlayingHeaderView : lv::host::MediaView<UIView> {
  Ref<> artworkView, labelView, routingButton;
};

// The play/pause button shows pause while playing and play while paused.
struct MRUNowPlayingTransportControlsView : lv::host::MediaView<UIView> {
  Ref<> buttons[3];  // previous, play/pause, next
  bool paused = false;
};

struct MRUNowPlayingRoutingButton : lv::host::MediaView<UIControl> {};

struct MRUMediaSuggestionsView : lv::host::MediaView<UIView> {};

namespace lv::host {

void registerMRUNowPlayingView();
void registerMRUNowPlayingControlsView();
void registerMRUNowPlayingHeaderView();
void registerMRUNowPlayingTransportControlsView();
void registerMRUNowPlayingRoutingButton();
void registerMRUMediaSuggestionsView();

}  // namespace lv::host
