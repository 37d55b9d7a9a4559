#pragma once
// CAGradientLayer: an axial gradient between `startPoint` and `endPoint` in the unit
// space of the layer's bounds. `colors` is an NSArray of CGColor objects, `locations` an
// NSArray of NSNumber (nil spreads the colours evenly).
#include "quartz/layer.h"

struct CAGradientLayer : CALayer {
  Ref<> colors;
  Ref<> locations;
  CGPoint startPoint{0.5, 0};
  CGPoint endPoint{0.5, 1};
};

namespace quartz {
}
