#include "uikit/view_layout.h"

#include <algorithm>

#include "quartz/animation_engine.h"
#include "uikit/view_parts.h"

namespace uikit {

namespace {

ConstraintLayoutHook g_constraintHook = nullptr;

// Roots of trees holding views flagged for layout; weak, a view leaving drops itself.
std::vector<UIView*>& pendingRoots() {
  static auto* roots = new std::vector<UIView*>;
  return *roots;
}

UIView* rootOf(UIView* v) {
  while (v->superview) v = v->superview;
  return v;
}

void markAncestors(UIView* v) {
  for (UIView* a = v->superview; a && !a->descendantNeedsLayout; a = a->superview)
    a->descendantNeedsLayout = true;
  UIView* root = rootOf(v);
  auto& roots = pendingRoots();
  if (std::find(roots.begin(), roots.end(), root) == roots.end()) roots.push_back(root);
}

// Lays out `v` if flagged, then its subviews, top-down.
void layoutBranch(UIView* v) {
  if (!v->needsLayout && !v->descendantNeedsLayout) return;
  auto keep = Ref<UIView>::retain(v);
  if (v->needsLayout) {
    v->needsLayout = false;
    send<void>(v, "layoutSubviews"_sel);
  }
  v->descendantNeedsLayout = false;
  std::vector<Ref<UIView>> subviews(v->subviews.begin(), v->subviews.end());
  for (const Ref<UIView>& sub : subviews)
    if (sub->superview == v) layoutBranch(sub.get());
}

void UIView_setNeedsLayout(id self, SEL) {
  UIView* v = detail::asView(self);
  v->needsLayout = true;
  markAncestors(v);
  // Flagged by a completion, after this commit's layout pass: ask for another commit.
  if (quartz::committingAnimations()) quartz::requestCommit();
}

void UIView_layoutSubviews(id self, SEL) {
  if (g_constraintHook) g_constraintHook(self);
}

// Starts at the highest flagged ancestor: its layout may change the receiver's size.
void UIView_layoutIfNeeded(id self, SEL) {
  UIView* start = detail::asView(self);
  for (UIView* a = start->superview; a; a = a->superview)
    if (a->needsLayout) start = a;
  layoutBranch(start);
}

}  // namespace

void setConstraintLayoutHook(ConstraintLayoutHook hook) { g_constraintHook = hook; }

void runLayoutPass() {
  // Views flagged again by their own layout wait for a later round; a bounded number of
  // rounds keeps a view that always flags itself from stalling the commit.
  for (int round = 0; round < 8 && !pendingRoots().empty(); ++round) {
    std::vector<Ref<UIView>> roots = rt::retainAll(pendingRoots());
    pendingRoots().clear();
    for (const Ref<UIView>& r : roots) layoutBranch(rootOf(r.get()));
  }
}

namespace detail {

void layoutFlagsMoved(UIView* view) {
  if (view->needsLayout || view->descendantNeedsLayout) markAncestors(view);
}

void forgetLayoutRoot(UIView* view) {
  auto& roots = pendingRoots();
  roots.erase(std::remove(roots.begin(), roots.end(), view), roots.end());
}

void addLayoutMethods(Class v) {
  rt::addMethod(v, "setNeedsLayout"_sel, UIView_setNeedsLayout);
  rt::addMethod(v, "layoutSubviews"_sel, UIView_layoutSubviews);
  rt::addMethod(v, "layoutIfNeeded"_sel, UIView_layoutIfNeeded);
}

}  // namespace detail
}  // namespace uikit
