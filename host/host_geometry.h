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

// The lock screen's furniture over the cover sheet, in window coordinates (window size s):
// the status bar across the top (the time on the left, signal and battery on the right),
// the quick-action buttons in the bottom corners, the home indicator between them.
inline constexpr CGFloat kStatusBarHeight = 26, kStatusBarInset = 26;
inline constexpr CGFloat kStatusTimeWidth = 60, kStatusIndicatorsWidth = 46, kStatusIndicatorsHeight = 12;
inline CGRect statusBarFrame(CGSize s) { return {{0, 0}, {s.width, kStatusBarHeight}}; }
inline CGRect statusTimeFrame() { return {{kStatusBarInset, 0}, {kStatusTimeWidth, kStatusBarHeight}}; }
inline CGRect statusIndicatorsFrame(CGFloat w) {
  return {{w - kStatusBarInset - kStatusIndicatorsWidth, (kStatusBarHeight - kStatusIndicatorsHeight) / 2},
          {kStatusIndicatorsWidth, kStatusIndicatorsHeight}};
}
inline constexpr CGFloat kQuickActionSize = 50, kQuickActionInset = 46, kQuickActionBottom = 46;
// `right` picks the bottom right corner (the camera) over the bottom left (the torch).
inline CGRect quickActionFrame(CGSize s, bool right) {
  CGFloat x = right ? s.width - kQuickActionInset - kQuickActionSize : kQuickActionInset;
  return {{x, s.height - kQuickActionBottom - kQuickActionSize}, {kQuickActionSize, kQuickActionSize}};
}
inline constexpr CGFloat kHomeIndicatorWidth = 134, kHomeIndicatorHeight = 5, kHomeIndicatorBottom = 8;
inline CGRect homeIndicatorFrame(CGSize s) {
  return {{(s.width - kHomeIndicatorWidth) / 2, s.height - kHomeIndicatorBottom - kHomeIndicatorHeight},
          {kHomeIndicatorWidth, kHomeIndicatorHeight}};
}

// The answer to an unlock request, in window coordinates: a banner slides down to the
// top, the passcode prompt up from the bottom; `shown` picks where they rest over the
// window rather than where they wait beyond its edge. The prompt reaches below the window
// by its corner radius, so only its top corners are round.
inline constexpr CGFloat kBannerTop = 30, kBannerMargin = 8, kBannerMaxWidth = 400, kBannerHeight = 56;
inline constexpr CGFloat kBannerCornerRadius = 14, kBannerIconSize = 32;
inline CGRect bannerFrame(CGSize s, bool shown) {
  CGFloat w = std::min(s.width - 2 * kBannerMargin, kBannerMaxWidth);
  return {{(s.width - w) / 2, shown ? kBannerTop : -kBannerHeight}, {w, kBannerHeight}};
}
inline constexpr CGRect kBannerIconFrame{{12, 12}, {kBannerIconSize, kBannerIconSize}};
inline CGRect bannerTitleFrame(CGFloat w) { return {{56, 10}, {w - 68, 18}}; }
inline CGRect bannerSubtitleFrame(CGFloat w) { return {{56, 28}, {w - 68, 18}}; }

inline constexpr CGFloat kPasscodeMaxHeight = 430, kPasscodeTopMargin = 40, kPasscodeCornerRadius = 20;
inline CGRect passcodeFrame(CGSize s, bool shown) {
  CGFloat h = std::clamp<CGFloat>(s.height - kPasscodeTopMargin, 0, kPasscodeMaxHeight);
  return {{0, shown ? s.height - h : s.height}, {s.width, h + kPasscodeCornerRadius}};
}
// Inside the prompt (width w): its title, six dots, then the keys 1 to 9 in rows of three
// and 0 under 8.
inline constexpr CGFloat kPasscodeDotSize = 12, kPasscodeDotSpacing = 24;
inline constexpr CGFloat kPasscodeKeySize = 64, kPasscodeKeyGap = 16, kPasscodeKeysTop = 100;
inline CGRect passcodeTitleFrame(CGFloat w) { return {{0, 24}, {w, 22}}; }
inline CGRect passcodeDotFrame(CGFloat w, int index) {
  return {{w / 2 + (index - 2.5) * kPasscodeDotSpacing - kPasscodeDotSize / 2, 62}, {kPasscodeDotSize, kPasscodeDotSize}};
}
// `digit` 0 to 9.
inline CGRect passcodeKeyFrame(CGFloat w, int digit) {
  int slot = digit == 0 ? 10 : digit - 1;
  CGFloat pitch = kPasscodeKeySize + kPasscodeKeyGap;
  return {{w / 2 + (slot % 3 - 1) * pitch - kPasscodeKeySize / 2, kPasscodeKeysTop + (slot / 3) * (pitch - 4)},
          {kPasscodeKeySize, kPasscodeKeySize}};
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
