#pragma once
// The places the header subsystem gives its views on the platter, in points.

namespace lv::header {

inline constexpr double kHeaderHeight = 498;

// The label stack: its left edge sits this far from the header's middle, its top this far
// below the header's top (where the host label view is put), and it holds two rows.
inline constexpr double kStackLeftFromMiddle = -72.5;
inline constexpr double kStackTop = 315;
inline constexpr double kStackWidth = 225;
inline constexpr double kLabelHeight = 30;

inline constexpr double kLabelFontSize = 17;
inline constexpr double kLabelPauseInterval = 4;
inline constexpr float kLabelScrollSpeed = 30;

// Placement of a label: a text at most kCentredTextWidth wide is centred by its own
// width, kCentredShift to the right of the controls' middle; a wider one starts at
// kWideTextOffset from that middle. At rest a label is centred at kHomeCentreX.
inline constexpr double kCentredTextWidth = 225;
inline constexpr double kCentredShift = 6;
inline constexpr double kWideTextOffset = -112;
inline constexpr double kHomeCentreX = 112;
inline constexpr double kCentringDuration = 0.3;

// The host label view: x from the controls' middle, then shifted right; y and width.
inline constexpr double kLabelViewLeftFromMiddle = -112.5;
inline constexpr double kLabelViewShift = 40;
inline constexpr double kLabelViewY = 315;
inline constexpr double kLabelViewWidth = 225;

inline constexpr double kTransportLeftFromMiddle = -125;
inline constexpr double kTransportY = 420;
inline constexpr double kTransportWidth = 250;

}  // namespace lv::header
