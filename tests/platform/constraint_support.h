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

// view.a == other.b + constant, active.
inline id tie(id view, SEL a, id other, SEL b, CGFloat constant = 0) {
  id c = send<id>(send<id>(view, a), "constraintEqualToAnchor:constant:"_sel, send<id>(other, b),
                  constant);
  send<void>(c, "setActive:"_sel, true);
  return c;
}

// view.dimension == constant, active.
inline id fix(id view, SEL dimension, CGFloat constant) {
  id c = send<id>(send<id>(view, dimension), "constraintEqualToConstant:"_sel, constant);
  send<void>(c, "setActive:"_sel, true);
  return c;
}

}  // namespace testing_support
