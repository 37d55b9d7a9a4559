#pragma once
// Paints one frame: walks a view tree at the run loop's current moment using the
// presentation values, applying what every layer has and each class's painting rule.
// One FramePainter per frame; it paints again, into a smaller picture, what lies beneath
// the object it is painting when a rule asks for that.
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

  uint64_t signature(PixelRect area, id apart) const override;
  std::vector<DrawnOpacity> translucent(PixelRect area) const override;
  void paint(cairo_t* cr, double shrink, std::optional<DrawnOpacity> change) const override;
  PixelRect extent() const override;

 private:
  // Paints into `cr` (borrowed) what lies beneath `stop`: the objects drawn before it, its
  // ancestors without their opacity and mask, which apply to `stop` too.
  FramePainter(cairo_t* cr, double scale, const PaintRules& rules, id stop, std::optional<DrawnOpacity> change);

  // What was drawn for one object, for the signatures.
  struct Drawn {
    id object;
    PixelRect box;
    uint64_t key;    // geometry and looks, without opacity
    float opacity;
  };

  void paintNode(CALayer* layer, id object, UIView* view);
  float opacityOf(CALayer* layer, id object) const;
  void record(CALayer* layer, id object, CGRect bounds, const PaintRule* rule, float opacity);
  void paintBackground(const CALayer* layer, CGRect bounds, float opacity);
  void finishGroup(float opacity, CALayer* mask);
  bool isOpen(id object) const;

  cairo_surface_t* target_;
  cairo_t* cr_;
  double scale_;
  const PaintRules& rules_;
  UIView* root_ = nullptr;
  id stop_ = nullptr;                       // painting ends on reaching it
  bool stopped_ = false;
  std::optional<DrawnOpacity> change_;
  std::vector<Drawn> drawn_;
  std::vector<id> open_;                    // objects being painted, outermost first
  std::vector<cairo_surface_t*> groups_;    // open content groups, outermost first
};

}  // namespace lv::render
