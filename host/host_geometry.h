#pragma once
// Where the host lays out its lock screen, in points. The library moves and resizes some
// of these views; these are the places the host gives before it does. Frames of children
// are in their parent's coordinates; `w` is the parent's width.
#include <algorithm>

#include "quartz/geometry.h"
#include "uikit/responder.h"

namespace lv::host::geometry {

// The values of the lock screen's own media views, which this host builds.
inline constexpr NSInteger kPlatterLayout = 4;
inline constexpr NSInteger kPlatterContext = 2;
inline constexpr NSInteger kPlatterArtworkStyle = 1;
inline constexpr NSInteger kLegibilityStyle = 2;

// The cover sheet: date and clock at the top, the focus pill below them, then the list
// of notifications (and the media platter) inside the list insets.
inline constexpr CGFloat kDateTop = 28, kDateHeight = 22;
inline constexpr CGFloat kClockTop = 48, kClockHeight = 80;
inline constexpr CGFloat kFocusTop = 132, kFocusWidth = 180, kFocusHeight = 24;
inline constexpr UIEdgeInsets kListViewInsets{162, 0, 34, 0};

inline CGRect dateFrame(CGFloat w) { return {{0, kDateTop}, {w, kDateHeight}}; }
inline CGRect clockFrame(CGFloat w) { return {{0, kClockTop}, {w, kClockHeight}}; }
inline CGRect focusFrame(CGFloat w) { return {{(w - kFocusWidth) / 2, kFocusTop}, {kFocusWidth, kFocusHeight}}; }

// The list view inside the cover sheet's bounds; never negative in size.
inline CGRect listFrame(CGRect bounds, UIEdgeInsets insets) {
  return {{bounds.origin.x + insets.left, bounds.origin.y + insets.top},
          {std::max<CGFloat>(bounds.size.width - insets.left - insets.right, 0),
           std::max<CGFloat>(bounds.size.height - insets.top - insets.bottom, 0)}};
}

// The media platter: centred in the list, at its top, as wide as the list allows. This
// width is the media controls' width, the library's `controlsWidth`: 359 on the phone,
// 344 on the small phone, 440 on the tablet and on every phone turned to landscape.
inline constexpr CGFloat kPlatterSideMargin = 15.5;
inline constexpr CGFloat kPlatterMaxWidth = 440;
inline constexpr CGFloat kPlatterCornerRadius = 13;
inline constexpr double kPreferredMediaRemoteHeight = 206;

inline CGFloat platterWidth(CGFloat listWidth) {
  return std::clamp<CGFloat>(listWidth - 2 * kPlatterSideMargin, 0, kPlatterMaxWidth);
}
inline CGRect adjunctItemFrame(CGFloat listWidth, CGSize controls) {
  return {{(listWidth - controls.width) / 2, 0}, controls};
}

// Inside the media controls (width w, height kPreferredMediaRemoteHeight).
inline CGRect headerFrame(CGFloat w) { return {{0, 0}, {w, 76}}; }
inline CGRect timeControlsFrame(CGFloat w) { return {{16, 82}, {w - 32, 34}}; }
inline CGRect transportControlsFrame(CGFloat w) { return {{(w - 216) / 2, 122}, {216, 44}}; }
inline constexpr CGFloat kVolumeControlsHeight = 14, kSuggestionsCornerRadius = 12;
inline CGRect volumeControlsFrame(CGFloat w) { return {{16, 176}, {w - 32, kVolumeControlsHeight}}; }
inline CGRect suggestionsFrame(CGFloat w) { return {{16, 122}, {w - 32, 56}}; }

// Inside the header.
inline constexpr CGRect kArtworkFrame{{16, 16}, {44, 44}};
inline CGRect labelViewFrame(CGFloat w) { return {{72, 14}, {w - 72 - 58, 48}}; }
inline CGRect routingButtonFrame(CGFloat w) { return {{w - 16 - 28, 24}, {28, 28}}; }

// Inside the label view: the route on top, then title and subtitle, each as wide as its
// text up to the label view's width.
inline constexpr CGFloat kRouteTop = 0, kRouteHeight = 15;
inline constexpr CGFloat kTitleTop = 16, kSubtitleTop = 32, kTextHeight = 16;

// Inside the time controls (width w): the played and unplayed bars meet at the elapsed
// factor f, the knob sits where they meet, the times below the bars at either end.
inline constexpr CGFloat kTrackTop = 8, kTrackHeight = 4;
inline constexpr CGFloat kKnobSize = 10;
inline constexpr CGFloat kTimeLabelTop = 18, kTimeLabelWidth = 60, kTimeLabelHeight = 14;
// How far beyond its bounds, above and below, a finger still catches the scrubber.
inline constexpr CGFloat kScrubberTouchOutset = 12;

inline CGRect elapsedTrackFrame(CGFloat w, double f) { return {{0, kTrackTop}, {w * f, kTrackHeight}}; }
inline CGRect remainingTrackFrame(CGFloat w, double f) {
  return {{w * f, kTrackTop}, {w - w * f, kTrackHeight}};
}
inline CGRect knobFrame(CGFloat w, double f) {
  return {{w * f - kKnobSize / 2, kTrackTop + kTrackHeight / 2 - kKnobSize / 2}, {kKnobSize, kKnobSize}};
}
inline CGRect elapsedTimeLabelFrame(CGFloat) { return {{0, kTimeLabelTop}, {kTimeLabelWidth, kTimeLabelHeight}}; }
inline CGRect remainingTimeLabelFrame(CGFloat w) {
  return {{w - kTimeLabelWidth, kTimeLabelTop}, {kTimeLabelWidth, kTimeLabelHeight}};
}

// The transport buttons (previous, play/pause, next) spread over the controls' width w:
// the outer two at its edges, the middle one at its centre.
inline constexpr CGFloat kTransportButtonSize = 44;
inline CGRect transportButtonFrame(int index, CGFloat w) {
  CGFloat spacing = std::max<CGFloat>(w - kTransportButtonSize, 0) / 2;
  return {{index * spacing, 0}, {kTransportButtonSize, kTransportButtonSize}};
}

// Inside the artwork view (bounds b): image, shadow and placeholder fill it; the app icon
// sits on its lower right corner.
inline constexpr CGFloat kArtworkCornerRadius = 8;
inline constexpr CGFloat kIconSize = 18;
inline CGRect iconFrame(CGRect b) {
  return {{b.size.width - kIconSize + 4, b.size.height - kIconSize + 4}, {kIconSize, kIconSize}};
}
inline CGRect placeholderImageFrame(CGRect b) {
  CGFloat side = std::min(b.size.width, b.size.height) / 2;
  return {{(b.size.width - side) / 2, (b.size.height - side) / 2}, {side, side}};
}

}  // namespace lv::host::geometry
