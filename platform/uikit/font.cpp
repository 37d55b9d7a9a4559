#include "uikit/font.h"

#include <cmath>

#include "foundation/values.h"
#include "runtime/class_setup.h"

extern "C" {
const UIFontWeight UIFontWeightUltraLight = -0.8;
const UIFontWeight UIFontWeightThin = -0.6;
const UIFontWeight UIFontWeightLight = -0.4;
const UIFontWeight UIFontWeightRegular = 0.0;
const UIFontWeight UIFontWeightMedium = 0.23;
const UIFontWeight UIFontWeightSemibold = 0.3;
const UIFontWeight UIFontWeightBold = 0.4;
const UIFontWeight UIFontWeightHeavy = 0.56;
const UIFontWeight UIFontWeightBlack = 0.62;
}

namespace {

Class g_UIFont;

constexpr const char* kFamily = "Inter";

struct Weight {
  const CGFloat* uikit;
  int pango;
  const char* style;
};

// Each UIKit weight and the Inter face that stands in for it.
const Weight kWeights[] = {
    {&UIFontWeightThin, 100, "Thin"},         {&UIFontWeightUltraLight, 200, "ExtraLight"},
    {&UIFontWeightLight, 300, "Light"},       {&UIFontWeightRegular, 400, "Regular"},
    {&UIFontWeightMedium, 500, "Medium"},     {&UIFontWeightSemibold, 600, "SemiBold"},
    {&UIFontWeightBold, 700, "Bold"},         {&UIFontWeightHeavy, 800, "ExtraBold"},
    {&UIFontWeightBlack, 900, "Black"},
};

const Weight& nearestWeight(CGFloat weight) {
  const Weight* best = &kWeights[3];
  for (const Weight& w : kWeights)
    if (std::fabs(*w.uikit - weight) < std::fabs(*best->uikit - weight)) best = &w;
  return *best;
}

UIFont* asFont(id font) { return static_cast<UIFont*>(font); }

id makeFont(CGFloat size, CGFloat weight) {
  if (!std::isfinite(size) || size < 0) size = 0;
  if (!std::isfinite(weight)) weight = 0;
  const Weight& w = nearestWeight(weight);
  UIFont* font = asFont(rt::allocateInstance(g_UIFont));
  font->face = {kFamily, w.pango, size};
  font->weight = weight;
  font->fontName = std::string(kFamily) + "-" + w.style;
  return rt::autorelease(font);
}

id UIFont_systemFontOfSizeWeight(id, SEL, CGFloat size, CGFloat weight) { return makeFont(size, weight); }
id UIFont_systemFontOfSize(id, SEL, CGFloat size) { return makeFont(size, UIFontWeightRegular); }
id UIFont_boldSystemFontOfSize(id, SEL, CGFloat size) { return makeFont(size, UIFontWeightBold); }
id UIFont_fontWithSize(id self, SEL, CGFloat size) { return makeFont(size, asFont(self)->weight); }

CGFloat UIFont_pointSize(id self, SEL) { return asFont(self)->face.pointSize; }
id UIFont_fontName(id self, SEL) { return fnd::string(asFont(self)->fontName); }
id UIFont_familyName(id self, SEL) { return fnd::string(asFont(self)->face.family); }
CGFloat UIFont_lineHeight(id self, SEL) { return uikit::fontMetrics(asFont(self)->face).lineHeight; }
CGFloat UIFont_ascender(id self, SEL) { return uikit::fontMetrics(asFont(self)->face).ascender; }
CGFloat UIFont_descender(id self, SEL) { return uikit::fontMetrics(asFont(self)->face).descender; }

bool UIFont_isEqual(id self, SEL, id other) {
  if (self == other) return true;
  if (!other || !rt::isKindOfClass(other, g_UIFont)) return false;
  return asFont(self)->face == asFont(other)->face;
}

NSUInteger UIFont_hash(id self, SEL) {
  const uikit::FontFace& f = asFont(self)->face;
  return std::hash<CGFloat>{}(f.pointSize) * 31 + NSUInteger(f.weight);
}

id UIFont_copy(id self, SEL) { return rt::retain(self); }

}  // namespace

namespace uikit {

namespace {

void registerFontClasses() {
  using rt::addMethod;
  using rt::addClassMethod;
  g_UIFont = rt::defineClass<UIFont>("UIFont", "NSObject");
  addClassMethod(g_UIFont, "systemFontOfSize:weight:"_sel, UIFont_systemFontOfSizeWeight);
  addClassMethod(g_UIFont, "systemFontOfSize:"_sel, UIFont_systemFontOfSize);
  addClassMethod(g_UIFont, "boldSystemFontOfSize:"_sel, UIFont_boldSystemFontOfSize);
  addMethod(g_UIFont, "fontWithSize:"_sel, UIFont_fontWithSize);
  addMethod(g_UIFont, "pointSize"_sel, UIFont_pointSize);
  addMethod(g_UIFont, "fontName"_sel, UIFont_fontName);
  addMethod(g_UIFont, "familyName"_sel, UIFont_familyName);
  addMethod(g_UIFont, "lineHeight"_sel, UIFont_lineHeight);
  addMethod(g_UIFont, "ascender"_sel, UIFont_ascender);
  addMethod(g_UIFont, "descender"_sel, UIFont_descender);
  addMethod(g_UIFont, "isEqual:"_sel, UIFont_isEqual);
  addMethod(g_UIFont, "hash"_sel, UIFont_hash);
  addMethod(g_UIFont, "copy"_sel, UIFont_copy);
}

LV_CLASS_SETUP(registerFontClasses);

}  // namespace

id systemFont(CGFloat size, CGFloat weight) { return makeFont(size, weight); }

FontFace fontFace(id font) {
  if (!font || !rt::isKindOfClass(font, g_UIFont)) return {};
  return asFont(font)->face;
}

}  // namespace uikit
