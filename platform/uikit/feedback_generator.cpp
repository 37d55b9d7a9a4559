#include "uikit/feedback_generator.h"

#include "runtime/class_setup.h"

namespace {

uikit::HapticRecord& record() {
  static uikit::HapticRecord r;
  return r;
}

UIImpactFeedbackGenerator* asImpact(id g) { return static_cast<UIImpactFeedbackGenerator*>(g); }

id UIImpactFeedbackGenerator_initWithStyle(id self, SEL, NSInteger style) {
  asImpact(self)->style = style;
  return self;
}
void UIFeedbackGenerator_prepare(id, SEL) { ++record().prepares; }
void UIImpactFeedbackGenerator_impactOccurred(id self, SEL) {
  record().impacts.push_back(asImpact(self)->style);
}

}  // namespace

namespace uikit {

namespace {

void registerFeedbackClasses() {
  Class base = rt::defineClass<UIFeedbackGenerator>("UIFeedbackGenerator", "NSObject");
  rt::addMethod(base, "prepare"_sel, UIFeedbackGenerator_prepare);
  Class impact =
      rt::defineClass<UIImpactFeedbackGenerator>("UIImpactFeedbackGenerator", "UIFeedbackGenerator");
  rt::addMethod(impact, "initWithStyle:"_sel, UIImpactFeedbackGenerator_initWithStyle);
  rt::addMethod(impact, "impactOccurred"_sel, UIImpactFeedbackGenerator_impactOccurred);
}

LV_CLASS_SETUP(registerFeedbackClasses);

}  // namespace

const HapticRecord& hapticRecord() { return record(); }

}  // namespace uikit
