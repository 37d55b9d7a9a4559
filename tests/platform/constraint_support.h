#pragma once
// Helpers for the layout tests: active constraints made through anchors, as the library
// makes them.
#include "quartz/geometry.h"
#include "runtime/runtime.h"

namespace testing_support {

// Collects the platform's diagnostics, a line each, while it lives.
struct CapturedDiagnostics {
  std::string text;
  CapturedDiagnostics() {
    rt::setDiagnosticSink([this](std::string_view line) { (text += line) += '\n'; });
  }
  ~CapturedDiagnostics() { rt::setDiagnosticSink(nullptr); }
};

inline id activate(id constraint) {
  send<void>(constraint, "setActive:"_sel, true);
  return constraint;
}

// view.a == other.b + constant, active.
inline id tie(id view, SEL a, id other, SEL b, CGFloat constant = 0) {
  return activate(send<id>(send<id>(view, a), "constraintEqualToAnchor:constant:"_sel, send<id>(other, b), constant));
}

// view.dimension == constant, active.
inline id fix(id view, SEL dimension, CGFloat constant) {
  return activate(send<id>(send<id>(view, dimension), "constraintEqualToConstant:"_sel, constant));
}

}  // namespace testing_support
