#pragma once
// Paints one frame: walks a view tree at the run loop's current moment using the
// presentation values, applying what every layer has and each class's painting rule.
// One FramePainter per frame.
#include <cairo.h>

#include <vector>

#include "render/paint_rules.h"
#include "uikit/view.h"

namespace lv::render {

class FramePainter : public Beneath {
 public:
  FramePainter(cairo_surface_t* target, double scale, const PaintRules& rules);
  ~FramePainter() override;
  FramePainter(const FramePainter&) = delete;
  FramePainter& operator=(const FramePainter&) = delete;

  // Paints `root` with its frame's origin at the picture's top left corner.
  void paintRoot(UIView* root);

  uint64_t signature(PixelRect area) const override;
  void paint(cairo_t* cr) const override;
  PixelRect extent() const override;

 private:
  // What was drawn for one object, for the signatures.
  struct Drawn {
    id object;
    PixelRect box;
    uint64_t key;    // geometry and looks, without opacity
    float opacity;
  };

  void paintNode(CALayer* layer, id object, UIView* view);
  void record(CALayer* layer, id object, CGRect bounds, const PaintRule* rule, float opacity);
  void paintBackground(const CALayer* layer, CGRect bounds, float opacity);
  void finishGroup(float opacity, CALayer* mask);
  bool isOpen(id object) const;

  cairo_surface_t* target_;
  cairo_t* cr_;
  double scale_;
  const PaintRules& rules_;
  std::vector<Drawn> drawn_;
  std::vector<id> open_;                    // objects being painted, outermost first
  std::vector<cairo_surface_t*> groups_;    // open content groups, outermost first
};

}  // namespace lv::render
