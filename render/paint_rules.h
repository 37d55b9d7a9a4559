#pragma once
// Painting rules: how instances of a class draw their own content. The renderer draws
// what every layer has (background colour, corner radius, clipping, alpha, mask,
// transform); a rule adds what only its class shows (an image, a text, a blur). Rules are
// keyed by class name, so a rule may name a class that is registered later; an object
// uses the rule of the nearest class in its superclass chain that has one.
#include <cairo.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "quartz/layer.h"
#include "render/geometry.h"
#include "runtime/runtime.h"

namespace lv::render {

// An object drawn under the object being painted, and the opacity it is drawn with.
struct DrawnOpacity {
  id object;
  float opacity;
};

// What has been drawn under the object being painted.
class Beneath {
 public:
  virtual ~Beneath() = default;
  // A signature of everything drawn so far that touches `area` (device pixels): equal
  // signatures mean equal pixels there. With `apart`, that object's opacity is left out,
  // so equal signatures mean pixels that differ at most as its opacity does.
  virtual uint64_t signature(PixelRect area, id apart = nullptr) const = 0;
  // The objects drawn so far that touch `area` with an opacity below 1, in the order
  // drawn; the ancestors of the object being painted do not count.
  virtual std::vector<DrawnOpacity> translucent(PixelRect area) const = 0;
  // Paints again what has been drawn so far, at full opacity, into `cr`, whose user space
  // is the picture's device pixels divided by `shrink`; with `change`, that object drawn
  // with that opacity instead of its own.
  virtual void paint(cairo_t* cr, double shrink, std::optional<DrawnOpacity> change) const = 0;
  // The picture's rectangle in device pixels.
  virtual PixelRect extent() const = 0;
};

struct PaintContext {
  cairo_t* cr;           // user space: the object's bounds coordinates, in points
  id object;             // the view, or the layer when it belongs to no view
  const CALayer* layer;  // the object's layer (the object itself when it is one)
  CGRect bounds{};       // the object's bounds on screen (presentation value)
  double scale;          // device pixels per point
  const Beneath& beneath;
  float opacity = 1;     // what a rule that draws with opacity draws its content with
};

struct PaintRule {
  // Draws the object's content above its background colour and below its sublayers and
  // subviews.
  std::function<void(const PaintContext&)> paint = {};
  // Draws above the object's subviews, as a glyph over the button it labels. May be empty.
  std::function<void(const PaintContext&)> paintOver = {};
  // What the content depends on beyond the layer's own properties (the image, the text);
  // it keeps the signatures of what lies beneath later objects honest. May be empty.
  std::function<uint64_t(id object)> contentKey = {};
  // Whether `paint` draws its content in one operation with PaintContext::opacity and
  // there is no `paintOver`: a translucent object with no background and no children then
  // needs no group of its own.
  bool drawsOpacity = false;
};

class PaintRules {
 public:
  // Replaces any rule already given for `className`.
  void add(const std::string& className, PaintRule rule);
  // The rule of the nearest class in `cls`'s chain that has one; null when none has.
  const PaintRule* find(Class cls) const;

 private:
  std::unordered_map<std::string, PaintRule> byName_;
  mutable std::unordered_map<Class, const PaintRule*> resolved_;
};

}  // namespace lv::render
