#pragma once
// The media platter's views: the now-playing view and its controls, header, label view,
// artwork, time controls, transport controls, routing button and suggestions. `layout`,
// `context` and `style` are knobs that only the stand-in has; they start at the values
// of the lock screen's own platter.
#include <string>

#include "host/host_geometry.h"
#include "uikit/view.h"

namespace host {

template <class Base>
struct MediaView : Base {
  NSInteger layout = geometry::kPlatterLayout;
  NSInteger context = geometry::kPlatterContext;
};

}  // namespace host

struct MRUNowPlayingView : host::MediaView<UIView> {};
struct MRUNowPlayingTransportControlsView : host::MediaView<UIView> {};
struct MRUNowPlayingRoutingButton : host::MediaView<UIControl> {};
struct MRUMediaSuggestionsView : host::MediaView<UIView> {};
struct MRUNowPlayingHeaderView : host::MediaView<UIView> {};

struct MRUNowPlayingControlsView : host::MediaView<UIView> {
  Ref<> volumeControlsView;
};

struct MRUNowPlayingLabelView : host::MediaView<UIView> {
  Ref<> titleMarqueeView, subtitleMarqueeView, routeLabel;  // views
  Ref<> title, subtitle, placeholderText;                   // NSString
};

struct MRUNowPlayingTimeControlsView : host::MediaView<UIControl> {
  double elapsedTimeFactor = 0;  // 0 to 1
  double duration = 0;           // seconds
  Ref<> elapsedTimeLabel, remainingTimeLabel;
  Ref<> knobView, elapsedTrack, remainingTrack;
  Ref<> primaryAction;
};

struct MRUArtworkView : host::MediaView<UIView> {
  NSInteger style = host::geometry::kPlatterArtworkStyle;
  Ref<> artworkImage;  // UIImage
  Ref<> artworkImageView, artworkShadowView, iconView, iconShadowView;
  Ref<> placeholderBackground, placeholderImageView;
  CGFloat cornerRadius = 0, continuousCornerRadius = 0;
};

namespace host {

// "m:ss" for the elapsed time, "-m:ss" for the remaining time, as the host writes them.
std::string elapsedTimeText(double seconds);
std::string remainingTimeText(double seconds);

void registerMRUNowPlayingView();
void registerMRUNowPlayingControlsView();
void registerMRUNowPlayingHeaderView();
void registerMRUNowPlayingTransportControlsView();
void registerMRUNowPlayingTimeControlsView();
void registerMRUNowPlayingLabelView();
void registerMRUArtworkView();
void registerMRUNowPlayingRoutingButton();
void registerMRUMediaSuggestionsView();

}  // namespace host
