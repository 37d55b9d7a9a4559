#include "uikit/trait_collection.h"

#include "runtime/accessors.h"
#include "runtime/class_setup.h"
#include "uikit/view_parts.h"

namespace uikit {

namespace {

Class g_traitCollection = nullptr;

id UITraitCollection_withVerticalSizeClass(id, SEL, NSInteger sizeClass) {
  return traitCollection(sizeClass);
}

bool UITraitCollection_isEqual(id self, SEL, id other) {
  return other && rt::isKindOfClass(other, g_traitCollection) &&
         static_cast<UITraitCollection*>(self)->verticalSizeClass ==
             static_cast<UITraitCollection*>(other)->verticalSizeClass;
}

id UIView_traitCollection(id self, SEL) { return traitCollection(effectiveVerticalSizeClass(self)); }

void UIView_traitCollectionDidChange(id, SEL, id) {}

void notifyInheritors(UIView* v, id previous) {
  send<void>(v, "traitCollectionDidChange:"_sel, previous);
  std::vector<Ref<UIView>> subviews(v->subviews.begin(), v->subviews.end());
  for (const Ref<UIView>& sub : subviews)
    if (!sub->verticalSizeClass) notifyInheritors(sub.get(), previous);
}

}  // namespace

id traitCollection(NSInteger verticalSizeClass) {
  auto* t = static_cast<UITraitCollection*>(rt::allocateInstance(g_traitCollection));
  t->verticalSizeClass = verticalSizeClass;
  return rt::autorelease(t);
}

namespace {

void registerTraitCollectionClass() {
  Class c = g_traitCollection =
      rt::defineClass<UITraitCollection>("UITraitCollection", "NSObject");
  rt::addClassMethod(c, "traitCollectionWithVerticalSizeClass:"_sel,
                     UITraitCollection_withVerticalSizeClass);
  rt::addMethod(c, "verticalSizeClass"_sel, rt::fieldGetter<&UITraitCollection::verticalSizeClass>);
  rt::addMethod(c, "isEqual:"_sel, UITraitCollection_isEqual);
}

LV_CLASS_SETUP(registerTraitCollectionClass);

}  // namespace

NSInteger effectiveVerticalSizeClass(id view) {
  for (UIView* v = detail::asView(view); v; v = v->superview)
    if (v->verticalSizeClass) return *v->verticalSizeClass;
  return UIUserInterfaceSizeClassUnspecified;
}

void setVerticalSizeClass(id view, std::optional<NSInteger> sizeClass) {
  if (!view) return;
  UIView* v = detail::asView(view);
  NSInteger previous = effectiveVerticalSizeClass(v);
  v->verticalSizeClass = sizeClass;
  if (effectiveVerticalSizeClass(v) != previous) notifyInheritors(v, traitCollection(previous));
}

namespace detail {

void traitsMoved(UIView* view, NSInteger previous) {
  if (!view->verticalSizeClass && effectiveVerticalSizeClass(view) != previous)
    notifyInheritors(view, traitCollection(previous));
}

void addTraitMethods(Class v) {
  rt::addMethod(v, "traitCollection"_sel, UIView_traitCollection);
  rt::addMethod(v, "traitCollectionDidChange:"_sel, UIView_traitCollectionDidChange);
}

}  // namespace detail
}  // namespace uikit
