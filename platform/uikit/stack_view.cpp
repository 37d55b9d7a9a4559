#include "uikit/stack_view.h"

#include <algorithm>

#include "foundation/values.h"
#include "runtime/accessors.h"
#include "runtime/class_setup.h"

namespace {

using uikit::LayoutAttribute;

Class g_UIStackView;

// Just below required: explicit constraints on the arranged views win, and a filling
// arrangement still stretches views past their intrinsic sizes.
constexpr float kArrangementPriority = 999;
// Placements that need not size the views (centring, one edge, equal gaps) rank below
// intrinsic sizes, so that a view placed explicitly keeps its own size.
constexpr float kPlacementPriority = 749;
// How far apart equally spaced views stand when nothing else decides it.
constexpr float kSpacingPreference = 250;

UIStackView* asStack(id self) { return static_cast<UIStackView*>(self); }

void relayout(id self) { send<void>(self, "setNeedsLayout"_sel); }

void removeArranged(UIStackView* stack, id view) {
  auto& list = stack->arranged;
  list.erase(std::remove_if(list.begin(), list.end(),
                            [view](const Ref<UIView>& v) { return v.get() == view; }),
             list.end());
}

void UIStackView_addArrangedSubview(id self, SEL, id view) {
  if (!view) return;
  UIStackView* stack = asStack(self);
  auto keep = Ref<UIView>::retain(static_cast<UIView*>(view));
  removeArranged(stack, view);
  stack->arranged.push_back(keep);
  if (send<id>(view, "superview"_sel) != self) send<void>(self, "addSubview:"_sel, view);
  send<void>(view, "setTranslatesAutoresizingMaskIntoConstraints:"_sel, false);
  relayout(self);
}

void UIStackView_removeArrangedSubview(id self, SEL, id view) {
  removeArranged(asStack(self), view);
  relayout(self);
}

// A view that leaves the stack is no longer arranged in it.
void UIStackView_willRemoveSubview(id self, SEL, id view) {
  removeArranged(asStack(self), view);
  relayout(self);
  sendSuper<void>(g_UIStackView->superclass, self, "willRemoveSubview:"_sel, view);
}

id UIStackView_initWithArrangedSubviews(id self, SEL, id views) {
  self = send<id>(self, "initWithFrame:"_sel, CGRect{});
  if (!self || !views) return self;
  for (const Ref<>& view : fnd::arrayItems(views)) UIStackView_addArrangedSubview(self, nullptr, view.get());
  return self;
}

id UIStackView_arrangedSubviews(id self, SEL) {
  const auto& arranged = asStack(self)->arranged;
  return fnd::array({arranged.begin(), arranged.end()});
}

template <auto Field, class T>
void UIStackView_set(id self, SEL, T value) {
  T& field = asStack(self)->*Field;
  if (field == value) return;
  field = value;
  relayout(self);
}

}  // namespace

namespace uikit {

UIStackView* asStackView(id view) {
  return view && rt::isKindOfClass(view, g_UIStackView) ? asStack(view) : nullptr;
}

void addStackArrangement(UIStackView* stack, int s,
                         const std::vector<std::pair<UIView*, int>>& arranged,
                         LayoutSolver& solver) {
  if (arranged.empty()) return;
  using A = LayoutAttribute;
  bool vertical = stack->axis == UILayoutConstraintAxisVertical;
  A lead = vertical ? A::Top : A::Leading, trail = vertical ? A::Bottom : A::Trailing;
  A size = vertical ? A::Height : A::Width, mid = vertical ? A::CenterY : A::CenterX;
  A crossLead = vertical ? A::Leading : A::Top, crossTrail = vertical ? A::Trailing : A::Bottom;
  A crossMid = vertical ? A::CenterX : A::CenterY;
  auto tie = [&](int i1, A a1, int i2, A a2, CGFloat constant = 0, CGFloat multiplier = 1,
                 float priority = kArrangementPriority) {
    solver.addEquation({i1, a1, i2, a2, multiplier, constant, priority});
  };
  auto place = [&](int i1, A a1, int i2, A a2) { tie(i1, a1, i2, a2, 0, 1, kPlacementPriority); };

  // Across the axis. Baselines are taken as the edges they lie nearest to.
  for (const auto& [view, item] : arranged) {
    switch (stack->alignment) {
      case UIStackViewAlignmentLeading:
      case UIStackViewAlignmentFirstBaseline: place(item, crossLead, s, crossLead); break;
      case UIStackViewAlignmentCenter: place(item, crossMid, s, crossMid); break;
      case UIStackViewAlignmentTrailing:
      case UIStackViewAlignmentLastBaseline: place(item, crossTrail, s, crossTrail); break;
      default:
        tie(item, crossLead, s, crossLead);
        tie(item, crossTrail, s, crossTrail);
    }
  }

  // Along the axis: the first and last views meet the stack's ends.
  bool spaced = stack->distribution == UIStackViewDistributionEqualSpacing ||
                stack->distribution == UIStackViewDistributionEqualCentering;
  float ends = spaced ? kPlacementPriority : kArrangementPriority;
  int first = arranged.front().second;
  tie(first, lead, s, lead, 0, 1, ends);
  tie(arranged.back().second, trail, s, trail, 0, 1, ends);
  auto alongSize = [&](UIView* view) {
    CGSize intrinsic = send<CGSize>(view, "intrinsicContentSize"_sel);
    return vertical ? intrinsic.height : intrinsic.width;
  };
  CGFloat firstSize = alongSize(arranged.front().first);
  int firstSpacer = -1;
  for (size_t i = 0; i + 1 < arranged.size(); ++i) {
    int a = arranged[i].second, b = arranged[i + 1].second;
    switch (stack->distribution) {
      case UIStackViewDistributionEqualSpacing:
      case UIStackViewDistributionEqualCentering: {
        // The gaps (or the distances between centres) are spacer items of equal size.
        bool centres = stack->distribution == UIStackViewDistributionEqualCentering;
        int spacer = solver.addItem(CGRect{});
        place(spacer, lead, a, centres ? mid : trail);
        place(spacer, trail, b, centres ? mid : lead);
        if (firstSpacer < 0) {
          firstSpacer = spacer;
          tie(b, lead, a, trail, stack->spacing, 1, kSpacingPreference);
        } else {
          place(spacer, size, firstSpacer, size);
        }
        break;
      }
      case UIStackViewDistributionFillEqually:
        tie(b, lead, a, trail, stack->spacing);
        tie(b, size, first, size);
        break;
      case UIStackViewDistributionFillProportionally: {
        tie(b, lead, a, trail, stack->spacing);
        CGFloat own = alongSize(arranged[i + 1].first);
        if (firstSize > 0 && own > 0) tie(b, size, first, size, 0, own / firstSize);
        break;
      }
      default: tie(b, lead, a, trail, stack->spacing);
    }
  }
}

namespace {

void registerStackViewClasses() {
  using rt::addMethod;
  g_UIStackView = rt::defineClass<UIStackView>("UIStackView", "UIView");
  Class c = g_UIStackView;
  addMethod(c, "initWithArrangedSubviews:"_sel, UIStackView_initWithArrangedSubviews);
  addMethod(c, "addArrangedSubview:"_sel, UIStackView_addArrangedSubview);
  addMethod(c, "removeArrangedSubview:"_sel, UIStackView_removeArrangedSubview);
  addMethod(c, "willRemoveSubview:"_sel, UIStackView_willRemoveSubview);
  addMethod(c, "arrangedSubviews"_sel, UIStackView_arrangedSubviews);
  addMethod(c, "axis"_sel, rt::fieldGetter<&UIStackView::axis>);
  addMethod(c, "setAxis:"_sel, UIStackView_set<&UIStackView::axis, NSInteger>);
  addMethod(c, "alignment"_sel, rt::fieldGetter<&UIStackView::alignment>);
  addMethod(c, "setAlignment:"_sel, UIStackView_set<&UIStackView::alignment, NSInteger>);
  addMethod(c, "distribution"_sel, rt::fieldGetter<&UIStackView::distribution>);
  addMethod(c, "setDistribution:"_sel, UIStackView_set<&UIStackView::distribution, NSInteger>);
  addMethod(c, "spacing"_sel, rt::fieldGetter<&UIStackView::spacing>);
  addMethod(c, "setSpacing:"_sel, UIStackView_set<&UIStackView::spacing, CGFloat>);
}

LV_CLASS_SETUP(registerStackViewClasses, "UIView");

}  // namespace

}  // namespace uikit
