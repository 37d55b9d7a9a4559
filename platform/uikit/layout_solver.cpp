#include "uikit/layout_solver.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace uikit {

namespace {

// Below these, a coefficient is zero and an equation's remainder is satisfied.
constexpr CGFloat kZero = 1e-9;
constexpr CGFloat kSatisfied = 1e-6;

enum Var { kLeft, kTop, kWidth, kHeight, kVarsPerItem };

// A linear row: Σ coef[i]·x[i] = rhs.
struct Row {
  std::vector<CGFloat> coef;
  CGFloat rhs = 0;
  size_t pivot = 0;
};

// The reduced system. Every row has its own pivot column, which is zero in all other
// rows, so a full set of rows reads the solution off directly.
class System {
 public:
  explicit System(size_t vars) : vars_(vars) {}

  Row row() const { return Row{std::vector<CGFloat>(vars_, 0.0), 0, 0}; }

  // Takes `r` unless it contradicts the rows taken; a redundant row is taken silently.
  bool take(Row r) {
    for (const Row& existing : rows_) {
      CGFloat f = r.coef[existing.pivot];
      if (f == 0) continue;
      for (size_t i = 0; i < vars_; ++i) r.coef[i] -= f * existing.coef[i];
      r.rhs -= f * existing.rhs;
    }
    size_t pivot = 0;
    for (size_t i = 1; i < vars_; ++i)
      if (std::fabs(r.coef[i]) > std::fabs(r.coef[pivot])) pivot = i;
    if (vars_ == 0 || std::fabs(r.coef[pivot]) < kZero) return std::fabs(r.rhs) < kSatisfied;

    CGFloat scale = r.coef[pivot];
    for (CGFloat& c : r.coef) c /= scale;
    r.rhs /= scale;
    r.coef[pivot] = 1;
    r.pivot = pivot;
    for (Row& existing : rows_) {
      CGFloat f = existing.coef[pivot];
      if (f == 0) continue;
      for (size_t i = 0; i < vars_; ++i) existing.coef[i] -= f * r.coef[i];
      existing.rhs -= f * r.rhs;
      existing.coef[pivot] = 0;
    }
    rows_.push_back(std::move(r));
    return true;
  }

  std::vector<CGFloat> values() const {
    std::vector<CGFloat> x(vars_, 0.0);
    for (const Row& r : rows_) x[r.pivot] = r.rhs;
    return x;
  }

 private:
  size_t vars_;
  std::vector<Row> rows_;
};

}  // namespace

int LayoutSolver::addItem(CGRect frame, bool fixed) {
  items_.push_back({frame, fixed});
  return int(items_.size() - 1);
}

size_t LayoutSolver::addEquation(const LayoutEquation& equation) {
  equations_.push_back(equation);
  return equations_.size() - 1;
}

LayoutSolver::Solution LayoutSolver::solve() const {
  // Columns only for items that may move; a fixed item's attributes are constants.
  std::vector<long> firstVar(items_.size(), -1);
  size_t vars = 0;
  for (size_t i = 0; i < items_.size(); ++i)
    if (!items_[i].fixed) firstVar[i] = long(vars), vars += kVarsPerItem;
  System system(vars);

  // Adds factor × item.attribute to the row's left side.
  auto addTerm = [&](Row& r, int item, LayoutAttribute attribute, CGFloat factor) {
    using A = LayoutAttribute;
    const CGRect& f = items_[item].frame;
    CGFloat at[kVarsPerItem] = {0, 0, 0, 0};
    switch (attribute) {
      case A::Left: case A::Leading: at[kLeft] = 1; break;
      case A::Right: case A::Trailing: at[kLeft] = 1, at[kWidth] = 1; break;
      case A::CenterX: at[kLeft] = 1, at[kWidth] = 0.5; break;
      case A::Width: at[kWidth] = 1; break;
      case A::Top: at[kTop] = 1; break;
      case A::Bottom: at[kTop] = 1, at[kHeight] = 1; break;
      case A::CenterY: at[kTop] = 1, at[kHeight] = 0.5; break;
      case A::Height: at[kHeight] = 1; break;
      case A::NotAnAttribute: break;
    }
    if (firstVar[item] >= 0) {
      for (int v = 0; v < kVarsPerItem; ++v) r.coef[firstVar[item] + v] += factor * at[v];
    } else {
      const CGFloat value[kVarsPerItem] = {f.origin.x, f.origin.y, f.size.width, f.size.height};
      for (int v = 0; v < kVarsPerItem; ++v) r.rhs -= factor * at[v] * value[v];
    }
  };
  auto valid = [&](int item) { return item >= 0 && size_t(item) < items_.size(); };

  std::vector<size_t> order(equations_.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return equations_[a].priority > equations_[b].priority;
  });

  Solution solution;
  for (size_t index : order) {
    const LayoutEquation& e = equations_[index];
    bool hasSecond = e.item2 >= 0 && e.attribute2 != LayoutAttribute::NotAnAttribute;
    if (!valid(e.item1) || e.attribute1 == LayoutAttribute::NotAnAttribute ||
        (hasSecond && !valid(e.item2)) || !std::isfinite(e.multiplier) ||
        !std::isfinite(e.constant)) {
      solution.dropped.push_back(index);
      continue;
    }
    Row r = system.row();
    r.rhs = e.constant;
    addTerm(r, e.item1, e.attribute1, 1);
    if (hasSecond) addTerm(r, e.item2, e.attribute2, -e.multiplier);
    if (!system.take(std::move(r))) solution.dropped.push_back(index);
  }

  // What nothing fixed keeps its value: every size before any position, so that a view
  // tied by one edge moves rather than stretches, whatever the order of the items.
  for (const std::pair<Var, Var>& pass : {std::pair(kWidth, kHeight), std::pair(kLeft, kTop)}) {
    for (size_t i = 0; i < items_.size(); ++i) {
      if (firstVar[i] < 0) continue;
      const CGRect& f = items_[i].frame;
      const CGFloat value[kVarsPerItem] = {f.origin.x, f.origin.y, f.size.width, f.size.height};
      for (Var var : {pass.first, pass.second}) {
        Row r = system.row();
        r.coef[firstVar[i] + var] = 1;
        r.rhs = value[var];
        system.take(std::move(r));
      }
    }
  }

  std::vector<CGFloat> x = system.values();
  for (size_t i = 0; i < items_.size(); ++i) {
    if (firstVar[i] < 0) {
      solution.frames.push_back(items_[i].frame);
      continue;
    }
    const CGFloat* v = &x[firstVar[i]];
    solution.frames.push_back(CGRectMake(v[kLeft], v[kTop], v[kWidth], v[kHeight]));
  }
  return solution;
}

}  // namespace uikit
