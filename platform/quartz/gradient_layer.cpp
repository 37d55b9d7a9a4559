#include "quartz/gradient_layer.h"

#include <string>

#include "runtime/accessors.h"
#include "runtime/class_setup.h"

namespace quartz {

namespace {

void requireArray(id value, const char* selector) {
  if (value && !rt::isKindOfClass(value, objc_getClass("NSArray")))
    rt::fatal(std::string("-[CAGradientLayer ") + selector + "]: expects an NSArray, got " +
              class_getName(value->isa));
}

void CAGradientLayer_setColors(id self, SEL, id colors) {
  requireArray(colors, "setColors:");
  static_cast<CAGradientLayer*>(self)->colors = Ref<>::retain(colors);
}

void CAGradientLayer_setLocations(id self, SEL, id locations) {
  requireArray(locations, "setLocations:");
  static_cast<CAGradientLayer*>(self)->locations = Ref<>::retain(locations);
}

void registerGradientLayerClass() {
  using rt::addMethod;
  Class c = rt::defineClass<CAGradientLayer>("CAGradientLayer", "CALayer");
  addMethod(c, "colors"_sel, rt::objectGetter<&CAGradientLayer::colors>);
  addMethod(c, "setColors:"_sel, CAGradientLayer_setColors);
  addMethod(c, "locations"_sel, rt::objectGetter<&CAGradientLayer::locations>);
  addMethod(c, "setLocations:"_sel, CAGradientLayer_setLocations);
  rt::addFieldProperty<&CAGradientLayer::startPoint>(c, "startPoint"_sel, "setStartPoint:"_sel);
  rt::addFieldProperty<&CAGradientLayer::endPoint>(c, "endPoint"_sel, "setEndPoint:"_sel);
}

LV_CLASS_SETUP(registerGradientLayerClass, "CALayer");

}  // namespace

}  // namespace quartz
