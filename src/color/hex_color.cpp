#include "color/hex_color.h"

#include <CoreGraphics/CGGeometry.h>
#include <Foundation/NSRange.h>

#include <cstring>

#include "bridge/methods.h"
#include "bridge/values.h"

namespace lv::color {

namespace {

// A colour text is six hexadecimal digits, two per component, each component at most 255.
constexpr NSUInteger kDigitCount = 6;
constexpr NSUInteger kDigitsPerComponent = 2;
constexpr double kComponentMax = 255;
constexpr int kRedShift = 16;
constexpr int kGreenShift = 8;
constexpr int kBlueShift = 0;

Class uiColor() { return objc_getClass("UIColor"); }

id clearColor() { return send<id>(uiColor(), "clearColor"_sel); }

// Bits 16–23, 8–15 and 0–7 of `hex`; the bits above, sign included, play no part.
id colorWithHexAlpha(id, SEL, long hex, float alpha) {
  auto component = [hex](int shift) {
    return double(float(double((hex >> shift) & 0xFF) / kComponentMax));
  };
  return send<id>(uiColor(), "colorWithRed:green:blue:alpha:"_sel, component(kRedShift), component(kGreenShift),
                  component(kBlueShift), double(alpha));
}

id colorWithHex(id, SEL, long hex) {
  return send<id>(uiColor(), "pf_colorWithHex:alpha:"_sel, hex, 1.0f);
}

// The scanner reads the hexadecimal digits a group starts with; a group that starts with
// none leaves the value as it was, zero.
double componentOfGroup(id digits, NSUInteger at) {
  id group = send<id>(digits, "substringWithRange:"_sel, NSMakeRange(at, kDigitsPerComponent));
  id scanner = send<id>(objc_getClass("NSScanner"), "scannerWithString:"_sel, group);
  unsigned value = 0;
  send<bool>(scanner, "scanHexInt:"_sel, &value);
  return double(float(value) / float(kComponentMax));
}

id colorWithHexStringAlpha(id, SEL, id text, double alpha) {
  id separators = send<id>(objc_getClass("NSCharacterSet"), "whitespaceAndNewlineCharacterSet"_sel);
  id digits = send<id>(send<id>(text, "stringByTrimmingCharactersInSet:"_sel, separators),
                       "uppercaseString"_sel);
  if (send<NSUInteger>(digits, "length"_sel) < kDigitCount) return clearColor();
  for (const char* prefix : {"0X", "#"})
    if (send<bool>(digits, "hasPrefix:"_sel, string(prefix)))
      digits = send<id>(digits, "substringFromIndex:"_sel, NSUInteger(std::strlen(prefix)));
  if (send<NSUInteger>(digits, "length"_sel) != kDigitCount) return clearColor();
  return send<id>(uiColor(), "colorWithRed:green:blue:alpha:"_sel, componentOfGroup(digits, 0),
                  componentOfGroup(digits, kDigitsPerComponent), componentOfGroup(digits, 2 * kDigitsPerComponent),
                  alpha);
}

id colorWithHexString(id self, SEL, id text) {
  return send<id>(self, "pf_colorWithHexString:alpha:"_sel, text, 1.0);
}

// A diagonal gradient over the view's bounds as they are now, from `fromHex` at the
// top-left corner to `toHex` at the bottom-right. The caller adds the layer where it wants.
id gradualChangingColor(id, SEL, id view, id fromHex, id toHex) {
  id layer = send<id>(objc_getClass("CAGradientLayer"), "layer"_sel);
  send<void>(layer, "setFrame:"_sel, send<CGRect>(view, "bounds"_sel));
  id from = send<id>(send<id>(uiColor(), "pf_colorWithHexString:"_sel, fromHex), "CGColor"_sel);
  id to = send<id>(send<id>(uiColor(), "pf_colorWithHexString:"_sel, toHex), "CGColor"_sel);
  send<void>(layer, "setColors:"_sel, array({from, to}));
  send<void>(layer, "setStartPoint:"_sel, CGPointMake(0, 0));
  send<void>(layer, "setEndPoint:"_sel, CGPointMake(1, 1));
  send<void>(layer, "setLocations:"_sel, array({number(0.0), number(1.0)}));
  return layer;
}

}  // namespace

}  // namespace lv::color

void lv::color::registerHexColorMethods() {
  Class cls = uiColor();
  if (!cls) return;
  addClassMethod<colorWithHex>(cls, "pf_colorWithHex:"_sel);
  addClassMethod<colorWithHexAlpha>(cls, "pf_colorWithHex:alpha:"_sel);
  addClassMethod<colorWithHexStringAlpha>(cls, "pf_colorWithHexString:alpha:"_sel);
  addClassMethod<colorWithHexString>(cls, "pf_colorWithHexString:"_sel);
  addClassMethod<gradualChangingColor>(cls, "pf_setGradualChangingColor:fromColor:toColor:"_sel);
}
