#pragma once
// The host's own values for what it lays out and answers, in points. The library changes
// some of these; these are what the host gives before it does.
#include "quartz/geometry.h"
#include "uikit/responder.h"

namespace host::geometry {

inline constexpr UIEdgeInsets kListViewInsets{120, 0, 40, 0};
inline constexpr CGRect kSuggestedMediaControlsFrame{{0, 0}, {359, 200}};
inline constexpr double kPreferredMediaRemoteHeight = 200;
inline constexpr NSInteger kLegibilityStyle = 2;

// The values of the lock screen's own media views, which this host builds.
inline constexpr NSInteger kPlatterLayout = 4;
inline constexpr NSInteger kPlatterContext = 2;
inline constexpr NSInteger kPlatterArtworkStyle = 1;

}  // namespace host::geometry
