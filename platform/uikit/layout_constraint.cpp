#include "uikit/layout_constraint.h"

#include "runtime/class_setup.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace {

using uikit::LayoutAttribute;

Class g_anchor, g_xAnchor, g_yAnchor, g_dimension, g_constraint, g_viewState;
uint64_t g_activations = 0;

constexpr size_t kAttributeCount = size_t(LayoutAttribute::CenterY) + 1;

// What the layout engine keeps for one view, hung on the view as an associated object so
// that it goes with the view: its anchors and every constraint that names it.
struct ViewLayoutState : objc_object {
  id view = nil;  // unowned: the view owns this state
  std::vector<NSLayoutConstraint*> named;  // unowned; each removes itself when it goes
  Ref<> anchors[kAttributeCount];
  ~ViewLayoutState();
};

const char kStateKey = 0;

ViewLayoutState* stateOf(id view) {
  return static_cast<ViewLayoutState*>(objc_getAssociatedObject(view, &kStateKey));
}

ViewLayoutState* makeStateOf(id view) {
  if (ViewLayoutState* s = stateOf(view)) return s;
  Ref<> state = rt::create(g_viewState);
  static_cast<ViewLayoutState*>(state.get())->view = view;
  objc_setAssociatedObject(view, &kStateKey, state.get(), OBJC_ASSOCIATION_RETAIN_NONATOMIC);
  return static_cast<ViewLayoutState*>(state.get());
}

NSLayoutConstraint* asConstraint(id c) { return static_cast<NSLayoutConstraint*>(c); }
NSLayoutAnchor* asAnchor(id a) { return static_cast<NSLayoutAnchor*>(a); }

void deactivate(NSLayoutConstraint* c) {
  c->twin = nullptr;
  if (!c->active) return;
  c->active = false;
  uikit::needsLayoutFor(*c);
  rt::release(c);  // the engine's hold; may free c
}

ViewLayoutState::~ViewLayoutState() {
  for (Ref<>& a : anchors)
    if (a) asAnchor(a.get())->item = nil;
  // Held while they are let go: deactivating one may release another through its twin.
  std::vector<Ref<NSLayoutConstraint>> list = rt::retainAll(named);
  named.clear();
  for (const auto& c : list) {
    if (c->firstItem == view) c->firstItem = nil;
    if (c->secondItem == view) c->secondItem = nil;
  }
  for (const auto& c : list) deactivate(c.get());
}

void forget(id view, NSLayoutConstraint* c) {
  if (ViewLayoutState* s = view ? stateOf(view) : nullptr)
    s->named.erase(std::remove(s->named.begin(), s->named.end(), c), s->named.end());
}

bool sameRelation(const NSLayoutConstraint& a, const NSLayoutConstraint& b) {
  return a.firstItem == b.firstItem && a.secondItem == b.secondItem &&
         a.firstAttribute == b.firstAttribute && a.secondAttribute == b.secondAttribute &&
         a.multiplier == b.multiplier && a.constant == b.constant && a.priority == b.priority;
}

const char* attributeName(LayoutAttribute a) {
  static const char* const names[kAttributeCount] = {
      "notAnAttribute", "left", "right", "top", "bottom", "leading",
      "trailing", "width", "height", "centerX", "centerY"};
  size_t i = size_t(a);
  return i < kAttributeCount ? names[i] : "?";
}

// Constraints

bool NSLayoutConstraint_isActive(id self, SEL) {
  NSLayoutConstraint* c = asConstraint(self);
  return c->active || (c->twin && asConstraint(c->twin.get())->active);
}

// An equal active constraint leaves this one as its twin instead of stating the same
// relation twice, so that code activating the same relation again and again does not
// pile constraints up.
void activate(NSLayoutConstraint* c) {
  if (c->active || !c->firstItem) return;
  if (ViewLayoutState* s = stateOf(c->firstItem)) {
    for (NSLayoutConstraint* other : s->named) {
      if (other != c && other->active && sameRelation(*other, *c)) {
        c->twin = Ref<>::retain(other);
        return;
      }
    }
  }
  c->twin = nullptr;
  c->active = true;
  c->activation = ++g_activations;
  c->reported = false;
  rt::retain(c);
  uikit::needsLayoutFor(*c);
}

void NSLayoutConstraint_setActive(id self, SEL, bool active) {
  NSLayoutConstraint* c = asConstraint(self);
  if (active) {
    if (c->twin && asConstraint(c->twin.get())->active) return;
    activate(c);
  } else {
    deactivate(c);
  }
}

// A change to a constraint that is active only through its twin makes it state its own
// relation.
void changed(NSLayoutConstraint* c) {
  if (c->twin) {
    c->twin = nullptr;
    activate(c);
  } else if (c->active) {
    c->reported = false;
    uikit::needsLayoutFor(*c);
  }
}

CGFloat NSLayoutConstraint_constant(id self, SEL) { return asConstraint(self)->constant; }
void NSLayoutConstraint_setConstant(id self, SEL, CGFloat constant) {
  NSLayoutConstraint* c = asConstraint(self);
  if (c->constant == constant) return;
  if (!std::isfinite(constant)) {
    rt::diagnose("NSLayoutConstraint: constant %g is not finite; ignored", constant);
    return;
  }
  c->constant = constant;
  changed(c);
}

float NSLayoutConstraint_priority(id self, SEL) { return asConstraint(self)->priority; }
void NSLayoutConstraint_setPriority(id self, SEL, float priority) {
  NSLayoutConstraint* c = asConstraint(self);
  if (!(priority > 0) || priority > uikit::kLayoutPriorityRequired) {
    rt::diagnose("NSLayoutConstraint: priority %g is outside (0, 1000]; ignored", double(priority));
    return;
  }
  if (c->priority == priority) return;
  c->priority = priority;
  changed(c);
}

CGFloat NSLayoutConstraint_multiplier(id self, SEL) { return asConstraint(self)->multiplier; }
id NSLayoutConstraint_firstItem(id self, SEL) { return asConstraint(self)->firstItem; }
id NSLayoutConstraint_secondItem(id self, SEL) { return asConstraint(self)->secondItem; }
NSInteger NSLayoutConstraint_firstAttribute(id self, SEL) {
  return NSInteger(asConstraint(self)->firstAttribute);
}
NSInteger NSLayoutConstraint_secondAttribute(id self, SEL) {
  return NSInteger(asConstraint(self)->secondAttribute);
}
NSInteger NSLayoutConstraint_relation(id, SEL) { return 0; }  // NSLayoutRelationEqual

// Anchors

// A constraint from the anchor `self`, to the anchor `other` when `toAnchor`, otherwise to
// the constant alone. Anchors that cannot be tied give nil and a diagnostic, where the
// device would raise.
id makeConstraint(id self, bool toAnchor, id other, CGFloat multiplier, CGFloat constant) {
  NSLayoutAnchor* first = asAnchor(self);
  auto refuse = [&](const char* why) -> id {
    rt::diagnose("NSLayoutAnchor: cannot make a constraint from %s: %s",
                 attributeName(first->attribute), why);
    return nil;
  };
  if (!first->item) return refuse("its view is gone");
  if (!std::isfinite(multiplier) || !std::isfinite(constant))
    return refuse("the multiplier or constant is not finite");
  NSLayoutAnchor* second = nullptr;
  if (toAnchor) {
    if (!other || !rt::isKindOfClass(other, g_anchor)) return refuse("the other object is not an anchor");
    second = asAnchor(other);
    if (!second->item) return refuse("the other anchor's view is gone");
    if (second->isa != first->isa) return refuse("the anchors lie on different axes");
    auto directional = [](LayoutAttribute a) {
      return a == LayoutAttribute::Leading || a == LayoutAttribute::Trailing;
    };
    auto absolute = [](LayoutAttribute a) {
      return a == LayoutAttribute::Left || a == LayoutAttribute::Right;
    };
    if ((directional(first->attribute) && absolute(second->attribute)) ||
        (absolute(first->attribute) && directional(second->attribute)))
      return refuse("leading and trailing cannot be tied to left and right");
  }
  auto* c = asConstraint(rt::allocateInstance(g_constraint));
  c->firstItem = first->item;
  c->firstAttribute = first->attribute;
  if (second) {
    c->secondItem = second->item;
    c->secondAttribute = second->attribute;
  }
  c->multiplier = multiplier;
  c->constant = constant;
  makeStateOf(c->firstItem)->named.push_back(c);
  if (c->secondItem && c->secondItem != c->firstItem) makeStateOf(c->secondItem)->named.push_back(c);
  return rt::autorelease(c);
}

id NSLayoutAnchor_equalTo(id self, SEL, id other) { return makeConstraint(self, true, other, 1, 0); }
id NSLayoutAnchor_equalToConstant(id self, SEL, id other, CGFloat constant) {
  return makeConstraint(self, true, other, 1, constant);
}
id NSLayoutDimension_equalToAnchorMultiplierConstant(id self, SEL, id other, CGFloat multiplier,
                                                     CGFloat constant) {
  return makeConstraint(self, true, other, multiplier, constant);
}
id NSLayoutDimension_equalToAnchorMultiplier(id self, SEL, id other, CGFloat multiplier) {
  return makeConstraint(self, true, other, multiplier, 0);
}
id NSLayoutDimension_equalToConstant(id self, SEL, CGFloat constant) {
  return makeConstraint(self, false, nil, 1, constant);
}

template <LayoutAttribute A>
id UIView_anchor(id self, SEL) {
  ViewLayoutState* s = makeStateOf(self);
  Ref<>& slot = s->anchors[size_t(A)];
  if (!slot) {
    Class cls = A == LayoutAttribute::Width || A == LayoutAttribute::Height ? g_dimension
                : A == LayoutAttribute::Top || A == LayoutAttribute::Bottom ||
                        A == LayoutAttribute::CenterY
                    ? g_yAnchor
                    : g_xAnchor;
    slot = Ref<>::adopt(rt::allocateInstance(cls));
    asAnchor(slot.get())->item = self;
    asAnchor(slot.get())->attribute = A;
  }
  return slot.get();
}

}  // namespace

NSLayoutConstraint::~NSLayoutConstraint() {
  forget(firstItem, this);
  if (secondItem != firstItem) forget(secondItem, this);
}

namespace uikit {

std::vector<NSLayoutConstraint*> activeConstraints(id view) {
  std::vector<NSLayoutConstraint*> out;
  if (ViewLayoutState* s = view ? stateOf(view) : nullptr)
    for (NSLayoutConstraint* c : s->named)
      if (c->active) out.push_back(c);
  return out;
}

// By serial rather than address, so that the same run reads the same.
std::string describeItem(id item) {
  if (!item) return "<gone>";
  return "<" + item->isa->name + " #" + std::to_string(rt::serialOf(item)) + ">";
}

std::string describe(const NSLayoutConstraint& c) {
  std::ostringstream s;
  s << describeItem(c.firstItem) << "." << attributeName(c.firstAttribute) << " == ";
  if (c.secondAttribute != LayoutAttribute::NotAnAttribute) {
    if (c.multiplier != 1) s << c.multiplier << " × ";
    s << describeItem(c.secondItem) << "." << attributeName(c.secondAttribute) << " + ";
  }
  s << c.constant << " @" << c.priority;
  return s.str();
}

void needsLayoutFor(const NSLayoutConstraint& c) {
  for (id item : {c.firstItem, c.secondItem})
    if (item) send<void>(send<id>(item, "superview"_sel), "setNeedsLayout"_sel);
}

namespace {

void registerLayoutConstraintClasses() {
  using rt::addMethod;
  g_viewState = rt::defineClass<ViewLayoutState>("_UIViewLayoutState", "NSObject");

  g_anchor = rt::defineClass<NSLayoutAnchor>("NSLayoutAnchor", "NSObject");
  addMethod(g_anchor, "constraintEqualToAnchor:"_sel, NSLayoutAnchor_equalTo);
  addMethod(g_anchor, "constraintEqualToAnchor:constant:"_sel, NSLayoutAnchor_equalToConstant);
  g_xAnchor = rt::defineClass<NSLayoutAnchor>("NSLayoutXAxisAnchor", "NSLayoutAnchor");
  g_yAnchor = rt::defineClass<NSLayoutAnchor>("NSLayoutYAxisAnchor", "NSLayoutAnchor");
  g_dimension = rt::defineClass<NSLayoutAnchor>("NSLayoutDimension", "NSLayoutAnchor");
  addMethod(g_dimension, "constraintEqualToConstant:"_sel, NSLayoutDimension_equalToConstant);
  addMethod(g_dimension, "constraintEqualToAnchor:multiplier:"_sel,
            NSLayoutDimension_equalToAnchorMultiplier);
  addMethod(g_dimension, "constraintEqualToAnchor:multiplier:constant:"_sel,
            NSLayoutDimension_equalToAnchorMultiplierConstant);

  g_constraint = rt::defineClass<NSLayoutConstraint>("NSLayoutConstraint", "NSObject");
  addMethod(g_constraint, "isActive"_sel, NSLayoutConstraint_isActive);
  addMethod(g_constraint, "setActive:"_sel, NSLayoutConstraint_setActive);
  addMethod(g_constraint, "constant"_sel, NSLayoutConstraint_constant);
  addMethod(g_constraint, "setConstant:"_sel, NSLayoutConstraint_setConstant);
  addMethod(g_constraint, "priority"_sel, NSLayoutConstraint_priority);
  addMethod(g_constraint, "setPriority:"_sel, NSLayoutConstraint_setPriority);
  addMethod(g_constraint, "multiplier"_sel, NSLayoutConstraint_multiplier);
  addMethod(g_constraint, "firstItem"_sel, NSLayoutConstraint_firstItem);
  addMethod(g_constraint, "secondItem"_sel, NSLayoutConstraint_secondItem);
  addMethod(g_constraint, "firstAttribute"_sel, NSLayoutConstraint_firstAttribute);
  addMethod(g_constraint, "secondAttribute"_sel, NSLayoutConstraint_secondAttribute);
  addMethod(g_constraint, "relation"_sel, NSLayoutConstraint_relation);

  Class view = objc_getClass("UIView");
  using A = LayoutAttribute;
  addMethod(view, "leftAnchor"_sel, UIView_anchor<A::Left>);
  addMethod(view, "rightAnchor"_sel, UIView_anchor<A::Right>);
  addMethod(view, "topAnchor"_sel, UIView_anchor<A::Top>);
  addMethod(view, "bottomAnchor"_sel, UIView_anchor<A::Bottom>);
  addMethod(view, "leadingAnchor"_sel, UIView_anchor<A::Leading>);
  addMethod(view, "trailingAnchor"_sel, UIView_anchor<A::Trailing>);
  addMethod(view, "widthAnchor"_sel, UIView_anchor<A::Width>);
  addMethod(view, "heightAnchor"_sel, UIView_anchor<A::Height>);
  addMethod(view, "centerXAnchor"_sel, UIView_anchor<A::CenterX>);
  addMethod(view, "centerYAnchor"_sel, UIView_anchor<A::CenterY>);
}

LV_CLASS_SETUP(registerLayoutConstraintClasses, "UIView");

}  // namespace

}  // namespace uikit
