// Feeds arbitrary bytes, read as UTF-8 with ill-formed sequences left in, to
// +[UIColor pf_colorWithHexString:alpha:]. Every input must give a colour: the clear
// colour, or components between 0 and 1 with the alpha passed in.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "color/hex_color.h"
#include "foundation/values.h"
#include "uikit/color.h"

namespace {

constexpr double kAlpha = 0.5;

bool isUnit(double v) { return v >= 0 && v <= 1; }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  lv::color::registerHexColorMethods();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  rt::AutoreleasePool pool;
  id text = size ? fnd::string(std::string_view(reinterpret_cast<const char*>(data), size)) : nil;
  id color = send<id>(objc_getClass("UIColor"), "pf_colorWithHexString:alpha:"_sel, text, kAlpha);
  if (!color) std::abort();
  uikit::RGBA c = uikit::rgba(color);
  bool clear = c == uikit::RGBA{};
  if (!clear && !(isUnit(c.r) && isUnit(c.g) && isUnit(c.b) && c.a == kAlpha)) std::abort();
  return 0;
}
