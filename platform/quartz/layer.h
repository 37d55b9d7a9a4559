#pragma once
// CALayer: the geometry and appearance of one rectangle. A view owns one layer and is its
// delegate; standalone layers (masks, decoration) have no delegate. Geometry follows
// QuartzCore: `position` is where the anchor point of `bounds` sits in the superlayer,
// `transform` applies about that anchor, and `frame` is derived from the three.
#include <QuartzCore/CALayer.h>

#include <vector>

#include "quartz/animation.h"
#include "quartz/geometry.h"
#include "runtime/runtime.h"

struct CALayer : objc_object {
  CGRect bounds{};
  CGPoint position{};
  CGPoint anchorPoint{0.5, 0.5};
  CGAffineTransform transform = CGAffineTransformIdentity;
  float opacity = 1;
  bool hidden = false;
  CGFloat cornerRadius = 0;
  NSUInteger maskedCorners = 15;
  bool masksToBounds = false;
  Ref<> mask;
  bool shouldRasterize = false;
  CGFloat rasterizationScale = 1;
  Ref<> backgroundColor;  // a CGColor object
  std::vector<Ref<CALayer>> sublayers;
  CALayer* superlayer = nullptr;  // weak: the superlayer owns its sublayers
  id delegate = nil;                // weak: the view that owns this layer
  std::vector<Ref<CAAnimation>> animations;  // at most one per property
  ~CALayer();
};

namespace quartz {

Class layerClass();

// Setters of the animatable properties. They do nothing when the value is unchanged;
// otherwise the model changes at once and, inside a view animation block, an animation
// from the value on screen to the new one is recorded.
void setPosition(CALayer* layer, CGPoint position);
void setBoundsOrigin(CALayer* layer, CGPoint origin);
void setBoundsSize(CALayer* layer, CGSize size);
void setTransform(CALayer* layer, CGAffineTransform transform);
void setOpacity(CALayer* layer, float opacity);

// What is on screen at the run loop's current time (the presentation values).
CGPoint presentationPosition(const CALayer* layer);
CGRect presentationBounds(const CALayer* layer);
CGAffineTransform presentationTransform(const CALayer* layer);
float presentationOpacity(const CALayer* layer);
CGRect presentationFrame(const CALayer* layer);

// The bounding box of the transformed bounds, placed at `position`.
CGRect frameOf(CGRect bounds, CGPoint position, CGPoint anchor, CGAffineTransform transform);

// Position and bounds size that give `frame` under `transform`: the bounds size is the
// frame mapped back through the inverse transform (kept when the transform cannot be
// inverted), and the position puts the transformed bounds' centre at the frame's centre.
struct Placement {
  CGPoint position{};
  CGSize size{};
};
Placement placementForFrame(CGRect frame, CGSize currentSize, CGPoint anchor,
                            CGAffineTransform transform);

// Maps a point between a layer's bounds coordinates and its superlayer's.
CGPoint pointToSuperlayer(const CALayer* layer, CGPoint p);
CGPoint pointFromSuperlayer(const CALayer* layer, CGPoint p);

}  // namespace quartz
