#pragma once
// The artwork's two squares. The current one lives in the globals dOriginX, dOriginY,
// dFrameWidth and dFrameHeight; a dOriginX of 0 means the small square has no x yet.
#include <CoreGraphics/CGGeometry.h>

#include "bridge/send.h"

namespace lv::artwork {

// The small square, where the artwork starts.
inline constexpr double kCollapsedSide = 70;
inline constexpr double kCollapsedY = 310;

// x of the small square before any toggle: 100 on a tablet, 4 on a small phone, else 16.5.
double defaultOriginX();

// Store the small square (centred on the controls, less 5) or the large one.
void storeCollapsedFrame();
void storeExpandedFrame();

CGRect storedFrame();

// The frame a style-1 artwork view takes in place of `asked`, by its vertical size class.
// Compact collapses the artwork, hides the cover-sheet backgrounds and puts the header's
// labels back at their places beside the small square.
CGRect frameRule(id artworkView, CGRect asked);

}  // namespace lv::artwork
