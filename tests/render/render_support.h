#pragma once
// Helpers for the renderer's tests: small scenes made of views, and probes of pictures.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <vector>

#include "render/renderer.h"
#include "runtime/runtime.h"
#include "uikit/image.h"
#include "uikit/view.h"

namespace render {
inline void PrintTo(const Pixel& p, std::ostream* os) {
  *os << "rgba(" << int(p.r) << ", " << int(p.g) << ", " << int(p.b) << ", " << int(p.a) << ")";
}
}  // namespace render

namespace render_support {

inline constexpr render::Pixel kWhite{255, 255, 255, 255};
inline constexpr render::Pixel kRed{255, 0, 0, 255};
inline constexpr render::Pixel kBlue{0, 0, 255, 255};
inline constexpr render::Pixel kClear{0, 0, 0, 0};

inline id color(double r, double g, double b, double a = 1) {
  return send<id>(objc_getClass("UIColor"), "colorWithRed:green:blue:alpha:"_sel, r, g, b, a);
}

inline Ref<> makeView(CGRect frame, id background = nil, const char* cls = "UIView") {
  Ref<> v = rt::create(objc_getClass(cls), "initWithFrame:"_sel, frame);
  if (background) send<void>(v, "setBackgroundColor:"_sel, background);
  return v;
}

inline Ref<> addView(id superview, CGRect frame, id background = nil, const char* cls = "UIView") {
  Ref<> v = makeView(frame, background, cls);
  send<void>(superview, "addSubview:"_sel, v.get());
  return v;
}

// A white window of `width` × `height` points.
inline Ref<> makeWindow(double width, double height) {
  return makeView(CGRectMake(0, 0, width, height), color(1, 1, 1), "UIWindow");
}

// The host's backdrop view class, stood in for when the host has not registered it.
inline Class backdropClass() {
  if (Class c = objc_getClass("_UIBackdropView")) return c;
  Class c = objc_allocateClassPair(objc_getClass("UIView"), "_UIBackdropView", 0);
  objc_registerClassPair(c);
  return c;
}

inline render::Picture draw(render::Renderer& renderer, id window, double scale = 1) {
  auto picture = renderer.renderWindow(window, scale);
  if (!picture) ADD_FAILURE() << picture.error().reason;
  return std::move(picture.value());
}

// An image of `width` × `height` pixels whose left half is `left` and right half `right`
// (RGBA bytes).
inline id twoColorImage(long width, long height, std::vector<uint8_t> left, std::vector<uint8_t> right,
                        double scale = 1) {
  std::vector<uint8_t> rgba;
  for (long y = 0; y < height; ++y)
    for (long x = 0; x < width; ++x) {
      const auto& c = x < width / 2 ? left : right;
      rgba.insert(rgba.end(), c.begin(), c.end());
    }
  return uikit::imageWithRGBA(width, height, scale, std::move(rgba));
}

// Mean brightness (0–255, of r, g and b) and variance of brightness over a pixel rectangle.
struct Stats {
  double mean = 0, variance = 0;
};

inline Stats stats(const render::Picture& p, int x0, int y0, int x1, int y1) {
  double sum = 0, sq = 0;
  long n = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      render::Pixel px = p.pixel(x, y);
      double v = (px.r + px.g + px.b) / 3.0;
      sum += v, sq += v * v, ++n;
    }
  double mean = sum / double(n);
  return {mean, sq / double(n) - mean * mean};
}

}  // namespace render_support
