#pragma once
// The media platter's views: the now-playing view and its controls, header, label view,
// artwork, time controls, transport controls, routing button and suggestions. Each
// places its children in layoutSubviews (host_geometry.h). The leaves (label view, time
// controls, artwork, transport controls) make their own parts; the containers (now-playing
// view, controls view, header) are given theirs (now_playing_tree.h).
// `layout`, `context` and `style` are knobs that only the stand-in has; they start at the
// values of the lock screen's own platter.
#include <string>

#include "foundation/run_loop.h"
#include "host/host_geometry.h"
#include "runtime/accessors.h"
#include "uikit/view.h"

namespace host {

template <class Base>
struct MediaView : Base {
  NSInteger layout = geometry::kPlatterLayout;
  NSInteger context = geometry::kPlatterContext;
};

}  // namespace host

struct MRUNowPlayingView : host::MediaView<UIView> {
  Ref<> controlsView;
};

struct MRUNowPlayingControlsView : host::MediaView<UIView> {
  Ref<> headerView, timeControlsView, transportControlsView, volumeControlsView, suggestionsView;
};

struct MRUNowPlayingHeaderView : host::MediaView<UIView> {
  Ref<> artworkView, labelView, routingButton;
};

// The play/pause button shows pause while playing and play while paused.
struct MRUNowPlayingTransportControlsView : host::MediaView<UIView> {
  Ref<> buttons[3];  // previous, play/pause, next
  bool paused = false;
};

struct MRUNowPlayingRoutingButton : host::MediaView<UIControl> {};

struct MRUMediaSuggestionsView : host::MediaView<UIView> {};

// The route, title and subtitle texts; with no title the title line shows the
// placeholder text.
struct MRUNowPlayingLabelView : host::MediaView<UIView> {
  Ref<> titleMarqueeView, subtitleMarqueeView, routeLabel;  // UILabel
  Ref<> title, subtitle, placeholderText;                   // NSString
};

// The scrubber. While playing it advances its elapsed time every second; a touch moves
// the elapsed factor, and where the finger lifts playback goes on.
struct MRUNowPlayingTimeControlsView : host::MediaView<UIControl> {
  double elapsedTimeFactor = 0;  // 0 to 1
  double duration = 0;           // seconds
  Ref<> elapsedTimeLabel, remainingTimeLabel;
  Ref<> knobView, elapsedTrack, remainingTrack;
  Ref<> primaryAction;
  bool playing = false;
  bool paused = false;      // playing, with the clock held at startElapsed
  double startElapsed = 0;  // elapsed seconds at startTime
  double startTime = 0;     // run loop time
  fnd::RunLoop::TimerId tick = 0;  // the next second's update, while playing
};

// The artwork, or a placeholder without one; a new artwork updates the visibility.
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

void MediaView_traitCollectionDidChange(id self, SEL, id previous);

// A media view class with its knobs. Its layout depends on the traits, so a change of
// them asks for a layout.
template <class T>
Class defineMediaView(const char* name, const char* superclass) {
  Class cls = rt::defineClass<T>(name, superclass);
  rt::addMethod(cls, "layout"_sel, rt::fieldGetter<&T::layout>);
  rt::addMethod(cls, "setLayout:"_sel, rt::fieldSetter<&T::layout>);
  rt::addMethod(cls, "context"_sel, rt::fieldGetter<&T::context>);
  rt::addMethod(cls, "setContext:"_sel, rt::fieldSetter<&T::context>);
  rt::addMethod(cls, "traitCollectionDidChange:"_sel, MediaView_traitCollectionDidChange);
  return cls;
}

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
