#include "render/renderer.h"

#include <cmath>

#include "render/frame_painter.h"
#include "render/scene_signature.h"
#include "render/standard_rules.h"

namespace lv::render {

namespace {

// cairo's limit on an image surface's side.
constexpr double kMaxSide = 32767;

}  // namespace

}  // namespace lv::render

lv::render::Renderer::Renderer() { addStandardRules(rules_, images_, blurs_); }

lv::render::Result<lv::render::Picture, lv::render::RenderError> lv::render::Renderer::renderWindow(id window, double scale) {
  if (!window || !rt::isKindOfClass(window, uikit::viewClass()))
    return RenderError{"nothing to render: not a view"};
  if (!std::isfinite(scale) || scale <= 0)
    return RenderError{"scale must be a positive number, got " + std::to_string(scale)};
  auto* root = static_cast<UIView*>(window);
  CGRect frame = quartz::presentationFrame(root->layer.get());
  double w = std::ceil(frame.size.width * scale - 1e-9), h = std::ceil(frame.size.height * scale - 1e-9);
  if (!(w >= 1 && h >= 1)) return RenderError{"the window has no area to render"};
  if (w > kMaxSide || h > kMaxSide)
    return RenderError{"picture of " + std::to_string(long(w)) + "x" + std::to_string(long(h)) +
                       " pixels is too large"};
  Picture picture(int(w), int(h), scale);
  if (cairo_surface_status(picture.surface()) != CAIRO_STATUS_SUCCESS)
    return RenderError{std::string("cannot make the picture: ") +
                       cairo_status_to_string(cairo_surface_status(picture.surface()))};
  {
    FramePainter painter(picture.surface(), scale, rules_);
    painter.paintRoot(root);
  }
  images_.endFrame();
  blurs_.endFrame();
  return picture;
}

uint64_t lv::render::Renderer::sceneSignature(id window) const {
  if (!window || !rt::isKindOfClass(window, uikit::viewClass())) return 0;
  return lv::render::sceneSignature(static_cast<UIView*>(window), rules_);
}
