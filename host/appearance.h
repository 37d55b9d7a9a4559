#pragma once
// The host's colours and fonts.
#include "foundation/values.h"
#include "runtime/runtime.h"
#include "uikit/font.h"

namespace lv::host::appearance {

struct Color {
  double r, g, b, a;
};

inline constexpr Color kWallpaper{0.58, 0.66, 0.80, 1};
inline constexpr Color kDarkText{0, 0, 0, 0.85};
inline constexpr Color kLightText{1, 1, 1, 1};
inline constexpr Color kFocusPill{0, 0, 0, 0.25};
inline constexpr Color kMaterial{0.11, 0.11, 0.13, 0.78};
inline constexpr Color kOverlayMaterial{0.11, 0.11, 0.13, 0.94};
inline constexpr Color kControlFill{1, 1, 1, 0.18};
inline constexpr Color kPlayedTrack{1, 1, 1, 0.85};
inline constexpr Color kUnplayedTrack{1, 1, 1, 0.25};
inline constexpr Color kKnob{1, 1, 1, 1};
inline constexpr Color kArtworkShadow{0, 0, 0, 0.3};
inline constexpr Color kPlaceholder{0.35, 0.35, 0.38, 1};
inline constexpr Color kAppIcon{0.95, 0.3, 0.35, 1};
inline constexpr Color kHomeIndicator{1, 1, 1, 0.85};

// An autoreleased UIColor.
inline id color(Color c) {
  return send<id>(objc_getClass("UIColor"), "colorWithRed:green:blue:alpha:"_sel, c.r, c.g, c.b, c.a);
}
inline id labelColor() { return send<id>(objc_getClass("UIColor"), "labelColor"_sel); }
inline id secondaryLabelColor() { return send<id>(objc_getClass("UIColor"), "secondaryLabelColor"_sel); }

inline id font(CGFloat size, CGFloat weight) { return uikit::systemFont(size, weight); }

// Gives `view` a background colour with rounded corners.
inline void fillRounded(id view, Color fill, CGFloat radius) {
  send<void>(view, "setBackgroundColor:"_sel, color(fill));
  send<void>(send<id>(view, "layer"_sel), "setCornerRadius:"_sel, radius);
}

// A UILabel in the system font, added to `parent`.
inline Ref<> addLabel(id parent, CGFloat size, CGFloat weight, id textColor) {
  Ref<> label = rt::create(objc_getClass("UILabel"), "initWithFrame:"_sel, CGRect{});
  send<void>(label, "setFont:"_sel, font(size, weight));
  send<void>(label, "setTextColor:"_sel, textColor);
  send<void>(parent, "addSubview:"_sel, label.get());
  return label;
}

// Legibility style 1 asks for light text; any other for dark text.
inline Color textForLegibility(NSInteger style) { return style == 1 ? kLightText : kDarkText; }

inline constexpr const char* kRouteName = "Speaker";
inline constexpr const char* kNotPlaying = "Not Playing";
inline constexpr const char* kDateText = "Monday 14 June";
inline constexpr const char* kClockText = "9:41";

}  // namespace lv::host::appearance
