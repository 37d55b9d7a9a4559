#pragma once
// Where a view shows content of a given size, by UIViewContentMode.
#include "quartz/geometry.h"
#include "runtime/types.h"

namespace render {

inline constexpr NSInteger UIViewContentModeScaleToFill = 0;
inline constexpr NSInteger UIViewContentModeScaleAspectFit = 1;
inline constexpr NSInteger UIViewContentModeScaleAspectFill = 2;
inline constexpr NSInteger UIViewContentModeRedraw = 3;
inline constexpr NSInteger UIViewContentModeCenter = 4;
inline constexpr NSInteger UIViewContentModeTop = 5;
inline constexpr NSInteger UIViewContentModeBottom = 6;
inline constexpr NSInteger UIViewContentModeLeft = 7;
inline constexpr NSInteger UIViewContentModeRight = 8;
inline constexpr NSInteger UIViewContentModeTopLeft = 9;
inline constexpr NSInteger UIViewContentModeTopRight = 10;
inline constexpr NSInteger UIViewContentModeBottomLeft = 11;
inline constexpr NSInteger UIViewContentModeBottomRight = 12;

// The rectangle, in `bounds`' coordinates, that content of `size` fills. Unknown modes
// scale to fill.
CGRect contentRect(NSInteger mode, CGRect bounds, CGSize size);

}  // namespace render
