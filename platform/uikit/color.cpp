#include "uikit/color.h"

#include "runtime/class_setup.h"

#include <functional>

namespace {

Class g_UIColor, g_CGColor;

UIColor* asColor(id self) { return static_cast<UIColor*>(self); }

// The dark appearance the lock screen uses: labels are white, secondary labels a light
// grey-blue at 60 %.
constexpr uikit::RGBA kLabel{1, 1, 1, 1};
constexpr uikit::RGBA kSecondaryLabel{235 / 255.0, 235 / 255.0, 245 / 255.0, 0.6};

id makeColor(Class cls, uikit::RGBA components) {
  auto* color = static_cast<UIColor*>(rt::allocateInstance(cls));
  color->components = components;
  return rt::autorelease(color);
}

Class instanceClass(id cls) { return reinterpret_cast<Class>(cls); }

id UIColor_initWithRedGreenBlueAlpha(id self, SEL, CGFloat r, CGFloat g, CGFloat b, CGFloat a) {
  asColor(self)->components = {r, g, b, a};
  return self;
}
id UIColor_initWithWhiteAlpha(id self, SEL, CGFloat white, CGFloat a) {
  asColor(self)->components = {white, white, white, a};
  return self;
}
id UIColor_colorWithRedGreenBlueAlpha(id cls, SEL, CGFloat r, CGFloat g, CGFloat b, CGFloat a) {
  return makeColor(instanceClass(cls), {r, g, b, a});
}
id UIColor_colorWithWhiteAlpha(id cls, SEL, CGFloat white, CGFloat a) {
  return makeColor(instanceClass(cls), {white, white, white, a});
}
id UIColor_clearColor(id cls, SEL) { return makeColor(instanceClass(cls), {0, 0, 0, 0}); }
id UIColor_blackColor(id cls, SEL) { return makeColor(instanceClass(cls), {0, 0, 0, 1}); }
id UIColor_whiteColor(id cls, SEL) { return makeColor(instanceClass(cls), {1, 1, 1, 1}); }
id UIColor_labelColor(id cls, SEL) { return makeColor(instanceClass(cls), kLabel); }
id UIColor_secondaryLabelColor(id cls, SEL) { return makeColor(instanceClass(cls), kSecondaryLabel); }

id UIColor_colorWithAlphaComponent(id self, SEL, CGFloat alpha) {
  uikit::RGBA c = asColor(self)->components;
  c.a = alpha;
  return makeColor(self->isa, c);
}

bool UIColor_getRedGreenBlueAlpha(id self, SEL, CGFloat* r, CGFloat* g, CGFloat* b, CGFloat* a) {
  const uikit::RGBA& c = asColor(self)->components;
  if (r) *r = c.r;
  if (g) *g = c.g;
  if (b) *b = c.b;
  if (a) *a = c.a;
  return true;
}

id UIColor_CGColor(id self, SEL) {
  UIColor* color = asColor(self);
  if (!color->cgColor) {
    auto* cg = static_cast<CGColor*>(rt::allocateInstance(g_CGColor));
    cg->components = color->components;
    color->cgColor = Ref<>::adopt(cg);
  }
  return color->cgColor.get();
}

// A UIColor equals a UIColor, a CGColor a CGColor, when their components are equal.
bool Color_isEqual(id self, SEL, id other) {
  if (self == other) return true;
  Class family = rt::isKindOfClass(self, g_UIColor) ? g_UIColor : g_CGColor;
  return rt::isKindOfClass(other, family) && uikit::rgba(self) == uikit::rgba(other);
}
NSUInteger Color_hash(id self, SEL) {
  uikit::RGBA c = uikit::rgba(self);
  std::hash<double> h;
  return h(c.r) ^ (h(c.g) << 1) ^ (h(c.b) << 2) ^ (h(c.a) << 3);
}
id Color_copy(id self, SEL) { return rt::retain(self); }

}  // namespace

namespace uikit {

RGBA rgba(id colorOrCGColor) {
  if (!colorOrCGColor) return {};
  if (rt::isKindOfClass(colorOrCGColor, g_UIColor)) return asColor(colorOrCGColor)->components;
  if (rt::isKindOfClass(colorOrCGColor, g_CGColor))
    return static_cast<CGColor*>(colorOrCGColor)->components;
  rt::fatal(std::string("uikit::rgba: an object of class ") + class_getName(colorOrCGColor->isa) +
            " is not a colour");
}

namespace {

void registerColorClasses() {
  using rt::addClassMethod;
  using rt::addMethod;
  g_CGColor = rt::defineClass<CGColor>("CGColor", "NSObject");
  addMethod(g_CGColor, "isEqual:"_sel, Color_isEqual);
  addMethod(g_CGColor, "hash"_sel, Color_hash);
  addMethod(g_CGColor, "copy"_sel, Color_copy);

  g_UIColor = rt::defineClass<UIColor>("UIColor", "NSObject");
  addMethod(g_UIColor, "initWithRed:green:blue:alpha:"_sel, UIColor_initWithRedGreenBlueAlpha);
  addMethod(g_UIColor, "initWithWhite:alpha:"_sel, UIColor_initWithWhiteAlpha);
  addClassMethod(g_UIColor, "colorWithRed:green:blue:alpha:"_sel, UIColor_colorWithRedGreenBlueAlpha);
  addClassMethod(g_UIColor, "colorWithWhite:alpha:"_sel, UIColor_colorWithWhiteAlpha);
  addClassMethod(g_UIColor, "clearColor"_sel, UIColor_clearColor);
  addClassMethod(g_UIColor, "blackColor"_sel, UIColor_blackColor);
  addClassMethod(g_UIColor, "whiteColor"_sel, UIColor_whiteColor);
  addClassMethod(g_UIColor, "labelColor"_sel, UIColor_labelColor);
  addClassMethod(g_UIColor, "secondaryLabelColor"_sel, UIColor_secondaryLabelColor);
  addMethod(g_UIColor, "colorWithAlphaComponent:"_sel, UIColor_colorWithAlphaComponent);
  addMethod(g_UIColor, "getRed:green:blue:alpha:"_sel, UIColor_getRedGreenBlueAlpha, "B@:^d^d^d^d");
  addMethod(g_UIColor, "CGColor"_sel, UIColor_CGColor);
  addMethod(g_UIColor, "isEqual:"_sel, Color_isEqual);
  addMethod(g_UIColor, "hash"_sel, Color_hash);
  addMethod(g_UIColor, "copy"_sel, Color_copy);
}

LV_CLASS_SETUP(registerColorClasses);

}  // namespace

}  // namespace uikit
