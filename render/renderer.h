#pragma once
// Draws what a window shows at the run loop's current moment, as the device would put it
// on screen: presentation values (so a picture taken mid-animation shows the motion),
// hidden views, alpha, clipping, rounded and masked corners, mask layers, transforms,
// background colours and each class's painting rule.
//
//   lv::render::Renderer renderer;
//   auto picture = renderer.renderWindow(window, 3);
//   if (!picture) return picture.error().reason;
//   auto written = picture.value().writePng("frame.png");
//
// A look of one's own is one more rule, keyed by class name:
//
//   renderer.rules().add("SBClockView", {.paint = [](const lv::render::PaintContext& c) { … }});
//
// Keep one Renderer for a series of frames: decoded images and backdrop blurs are kept
// from one frame to the next while they are still drawn. Main thread only.
#include <cstdint>
#include <string>

#include "render/blur.h"
#include "render/image_cache.h"
#include "render/paint_rules.h"
#include "render/picture.h"
#include "foundation/result.h"

namespace lv::render {

struct RenderError {
  std::string reason;
  const std::string& message() const { return reason; }
};

class Renderer {
 public:
  Renderer();
  Renderer(const Renderer&) = delete;
  Renderer& operator=(const Renderer&) = delete;

  // `window` (any view) with its frame's top left corner at the picture's, `scale`
  // pixels per point; the picture is as large as the frame.
  fnd::Result<Picture, RenderError> renderWindow(id window, double scale);

  // A hash of what renderWindow would show now (see render/scene_signature.h); 0 for
  // anything that is not a view.
  uint64_t sceneSignature(id window) const;

  PaintRules& rules() { return rules_; }
  // How many backdrop blurs have been computed since the renderer was made.
  long blursComputed() const { return blurs_.computed(); }

 private:
  ImageCache images_;
  BlurCache blurs_;
  PaintRules rules_;  // after the caches: its rules refer to them
};

}  // namespace lv::render
