#pragma once
// Helpers for the renderer's tests: small scenes made of views, and probes of pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "foundation/block.h"
#include "foundation/run_loop.h"
#include "foundation/values.h"
#include "render/renderer.h"
#include "runtime/runtime.h"
#include "uikit/image.h"
#include "uikit/view.h"
#include "uikit/view_animation.h"

namespace lv::render {
inline void PrintTo(const Pixel& p, std::ostream* os) {
  *os << "rgba(" << int(p.r) << ", " << int(p.g) << ", " << int(p.b) << ", " << int(p.a) << ")";
}
}  // namespace lv::render

namespace render_support {

inline constexpr lv::render::Pixel kWhite{255, 255, 255, 255};
inline constexpr lv::render::Pixel kRed{255, 0, 0, 255};
inline constexpr lv::render::Pixel kBlue{0, 0, 255, 255};
inline constexpr lv::render::Pixel kClear{0, 0, 0, 0};

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

// The class of that name, registered as a subclass of `super` if nobody has yet (the
// host's classes are known to the renderer by name alone).
inline Class classNamed(const char* name, const char* super = "UIView") {
  if (Class c = objc_getClass(name)) return c;
  Class c = objc_allocateClassPair(objc_getClass(super), name, 0);
  objc_registerClassPair(c);
  return c;
}

inline lv::render::Picture draw(lv::render::Renderer& renderer, id window, double scale = 1) {
  auto picture = renderer.renderWindow(window, scale);
  if (!picture) ADD_FAILURE() << picture.error().reason;
  return std::move(picture.value());
}

// Slides `view` linearly to x 80 (the top row, 10 points square) over `seconds`.
inline void slideRight(id view, double seconds = 1) {
  send<void>(objc_getClass("UIView"), "animateWithDuration:delay:options:animations:completion:"_sel, seconds, 0.0,
             UIViewAnimationOptionCurveLinear,
             fnd::block<void()>([view] { send<void>(view, "setFrame:"_sel, CGRectMake(80, 0, 10, 10)); }), nil);
}

// An image of `width` × `height` pixels whose left half is `left` and right half `right`
// (RGBA bytes).
inline id twoColorImage(long width, long height, std::vector<uint8_t> left, std::vector<uint8_t> right,
                        double scale = 1) {
  std::vector<uint8_t> rgba;
  for (long i = 0; i < width * height; ++i) {
    const auto& c = i % width < width / 2 ? left : right;
    rgba.insert(rgba.end(), c.begin(), c.end());
  }
  return uikit::imageWithRGBA(width, height, scale, std::move(rgba));
}

// A renderer and a white window, with the run loop drained after each test so that no
// animation outlives it.
struct Scene : testing::Test {
  rt::AutoreleasePool pool;
  lv::render::Renderer renderer;
  Ref<> window = makeWindow(100, 100);

  void TearDown() override { fnd::RunLoop::main().runUntilIdle(); }
};

// The pixel expected at (x, y) in pixels, each channel within `tolerance`.
struct Probe {
  int x, y;
  lv::render::Pixel want;
  int tolerance = 0;
};

inline int distance(lv::render::Pixel a, lv::render::Pixel b) {
  return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b), std::abs(a.a - b.a)});
}

// A scene built in the 100-point white window, drawn at `scale`, and what its pixels show.
struct PaintCase {
  const char* name;
  double scale;
  void (*build)(id window);
  std::vector<Probe> probes;
};

struct ScenePaint : Scene, testing::WithParamInterface<PaintCase> {};

inline std::string caseName(const testing::TestParamInfo<PaintCase>& info) { return info.param.name; }

// A mask fading across `bounds` from left to right through clear, black, black, clear at
// `locations`; y is given in points, as the marquee gives it.
inline Ref<> fadeMask(CGRect bounds, std::initializer_list<double> locations) {
  Ref<> mask = rt::create(objc_getClass("CAGradientLayer"));
  send<void>(mask, "setFrame:"_sel, bounds);
  send<void>(mask, "setStartPoint:"_sel, CGPointMake(0, CGRectGetMidY(bounds)));
  send<void>(mask, "setEndPoint:"_sel, CGPointMake(1, CGRectGetMidY(bounds)));
  id clear = send<id>(send<id>(objc_getClass("UIColor"), "clearColor"_sel), "CGColor"_sel);
  id black = send<id>(send<id>(objc_getClass("UIColor"), "blackColor"_sel), "CGColor"_sel);
  send<void>(mask, "setColors:"_sel, fnd::array({clear, black, black, clear}));
  std::vector<id> stops;
  for (double at : locations) stops.push_back(fnd::number(at));
  send<void>(mask, "setLocations:"_sel, fnd::array(stops));
  return mask;
}

// Mean brightness (0–255, of r, g and b) and variance of brightness over a pixel rectangle.
struct Stats {
  double mean = 0, variance = 0;
};

inline Stats stats(const lv::render::Picture& p, int x0, int y0, int x1, int y1) {
  double sum = 0, sq = 0, n = double(x1 - x0) * (y1 - y0);
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      lv::render::Pixel px = p.pixel(x, y);
      double v = (px.r + px.g + px.b) / 3.0;
      sum += v, sq += v * v;
    }
  return {sum / n, sq / n - sum / n * (sum / n)};
}

}  // namespace render_support
