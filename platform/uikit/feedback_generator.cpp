#include "uikit/feedback_generator.h"

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

void registerFeedbackClasses() {
  Class base = rt::defineClass<UIFeedbackGenerator>("UIFeedbackGenerator", rt::rootClass());
  rt::addMethod(base, "prepare"_sel, UIFeedbackGenerator_prepare);
  Class impact = rt::defineClass<UIImpactFeedbackGenerator>("UIImpactFeedbackGenerator", base);
  rt::addMethod(impact, "initWithStyle:"_sel, UIImpactFeedbackGenerator_initWithStyle);
  rt::addMethod(impact, "impactOccurred"_sel, UIImpactFeedbackGenerator_impactOccurred);
}

const HapticRecord& hapticRecord() { return record(); }

}  // namespace uikit
