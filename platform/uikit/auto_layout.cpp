#include "uikit/auto_layout.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "runtime/class_setup.h"
#include "uikit/layout_constraint.h"
#include "uikit/stack_view.h"

namespace uikit {

namespace {

// Compression resistance's default: intrinsic sizes give way to required constraints and
// to a stack's arrangement.
constexpr float kIntrinsicPriority = 750;
// Solutions closer than this to the current geometry are the current geometry.
constexpr CGFloat kSame = 1e-6;

bool differs(CGFloat a, CGFloat b) { return std::fabs(a - b) > kSame; }

UIView* asView(id v) { return static_cast<UIView*>(v); }
CGRect boundsOf(id v) { return send<CGRect>(v, "bounds"_sel); }
CGPoint centerOf(id v) { return send<CGPoint>(v, "center"_sel); }

// A view's frame in its superview's bounds coordinates, untransformed (as the layout
// engine sees it: the centre and the bounds size).
CGRect layoutFrame(id v) {
  CGSize size = boundsOf(v).size;
  CGPoint c = centerOf(v);
  return {{c.x - size.width / 2, c.y - size.height / 2}, size};
}

// The top-left corner of a view's layout frame in its root's bounds coordinates.
CGPoint rootTopLeft(UIView* v) {
  if (!v->superview) return boundsOf(v).origin;
  CGPoint parent = rootTopLeft(v->superview);
  CGPoint parentOrigin = boundsOf(v->superview).origin;
  CGPoint own = layoutFrame(v).origin;
  return {parent.x - parentOrigin.x + own.x, parent.y - parentOrigin.y + own.y};
}

UIView* rootOf(UIView* v) {
  while (v->superview) v = v->superview;
  return v;
}

bool isInside(UIView* v, UIView* ancestor) {
  for (UIView* p = v->superview; p; p = p->superview)
    if (p == ancestor) return true;
  return false;
}

class Pass {
 public:
  explicit Pass(UIView* superview) : super_(superview) {}

  void run() {
    for (const Ref<UIView>& sub : super_->subviews)
      if (!sub->translatesAutoresizingMaskIntoConstraints) movable_.push_back(sub.get());
    if (movable_.empty()) return;

    CGRect bounds = boundsOf(super_);
    items_[super_] = solver_.addItem(bounds, true);
    for (UIView* sub : movable_) items_[sub] = solver_.addItem(layoutFrame(sub));

    addConstraints();
    addIntrinsicSizes();
    if (UIStackView* stack = asStackView(super_)) addArrangement(stack);

    LayoutSolver::Solution solution = solver_.solve();
    report(solution.dropped);
    for (UIView* sub : movable_) apply(sub, solution.frames[items_[sub]]);
  }

 private:
  // The item of a view this pass may refer to: the superview, its direct subviews and
  // views outside its subtree (where they are now). Views deeper in the subtree belong
  // to their own superview's pass.
  int itemOf(id view) {
    if (auto it = items_.find(view); it != items_.end()) return it->second;
    UIView* v = asView(view);
    int item = -1;
    if (v->superview == super_) {
      item = solver_.addItem(layoutFrame(v), true);
    } else if (!isInside(v, super_) && rootOf(v) == rootOf(super_)) {
      CGPoint at = rootTopLeft(v), origin = rootTopLeft(super_);
      CGPoint own = boundsOf(super_).origin;
      item = solver_.addItem(
          {{at.x - origin.x + own.x, at.y - origin.y + own.y}, boundsOf(v).size}, true);
    }
    items_[view] = item;
    return item;
  }

  // In the order they were activated, so that equal priorities keep that order.
  void addConstraints() {
    std::vector<NSLayoutConstraint*> taken;
    for (UIView* sub : movable_)
      for (NSLayoutConstraint* c : activeConstraints(sub))
        if (std::find(taken.begin(), taken.end(), c) == taken.end()) taken.push_back(c);
    std::sort(taken.begin(), taken.end(), [](const NSLayoutConstraint* a, const NSLayoutConstraint* b) {
      return a->activation < b->activation;
    });
    for (NSLayoutConstraint* c : taken) {
      int first = itemOf(c->firstItem);
      int second = c->secondItem ? itemOf(c->secondItem) : -1;
      if (first < 0 || (c->secondItem && second < 0)) continue;
      size_t index = solver_.addEquation(
          {first, c->firstAttribute, second, c->secondAttribute, c->multiplier, c->constant, c->priority});
      byEquation_[index] = c;
    }
  }

  void addIntrinsicSizes() {
    for (UIView* sub : movable_) {
      CGSize size = send<CGSize>(sub, "intrinsicContentSize"_sel);
      int item = items_[sub];
      if (size.width != UIViewNoIntrinsicMetric)
        solver_.addEquation({item, LayoutAttribute::Width, -1, LayoutAttribute::NotAnAttribute, 1,
                             size.width, kIntrinsicPriority});
      if (size.height != UIViewNoIntrinsicMetric)
        solver_.addEquation({item, LayoutAttribute::Height, -1, LayoutAttribute::NotAnAttribute, 1,
                             size.height, kIntrinsicPriority});
    }
  }

  // Arranged views that are still subviews and shown.
  void addArrangement(UIStackView* stack) {
    std::vector<std::pair<UIView*, int>> arranged;
    for (const Ref<UIView>& v : stack->arranged)
      if (v->superview == super_ && !send<bool>(v.get(), "isHidden"_sel))
        arranged.emplace_back(v.get(), itemOf(v.get()));
    addStackArrangement(stack, items_[super_], arranged, solver_);
  }

  void report(const std::vector<size_t>& dropped) {
    for (size_t index : dropped) {
      auto it = byEquation_.find(index);
      if (it == byEquation_.end()) continue;
      NSLayoutConstraint* c = it->second;
      if (c->priority < kLayoutPriorityRequired || c->reported) continue;
      c->reported = true;
      rt::diagnose("Auto Layout: unable to satisfy the constraints in %s; breaking %s",
                   describeItem(super_).c_str(), describe(*c).c_str());
    }
  }

  // Bounds, then centre, each only when it changes; as the device's engine writes them.
  static void apply(UIView* view, CGRect solved) {
    CGRect bounds = boundsOf(view);
    if (differs(bounds.size.width, solved.size.width) || differs(bounds.size.height, solved.size.height))
      send<void>(view, "setBounds:"_sel, CGRect{bounds.origin, solved.size});
    CGPoint center{solved.origin.x + solved.size.width / 2, solved.origin.y + solved.size.height / 2};
    CGPoint current = centerOf(view);
    if (differs(current.x, center.x) || differs(current.y, center.y))
      send<void>(view, "setCenter:"_sel, center);
  }

  UIView* super_;
  std::vector<UIView*> movable_;
  LayoutSolver solver_;
  std::unordered_map<id, int> items_;
  std::unordered_map<size_t, NSLayoutConstraint*> byEquation_;
};

}  // namespace

void layoutConstrainedSubviews(id view) {
  if (!view) return;
  Pass(asView(view)).run();
}

namespace {

void registerAutoLayout() { setConstraintLayoutHook(&layoutConstrainedSubviews); }

LV_CLASS_SETUP(registerAutoLayout);

}  // namespace

}  // namespace uikit
