#include <gtest/gtest.h>

#include "render_support.h"

using namespace render_support;

namespace {

// Fills the left half of the bounds.
lv::render::PaintRule fill(double r, double g, double b) {
  return {.paint = [=](const lv::render::PaintContext& c) {
    cairo_set_source_rgb(c.cr, r, g, b);
    cairo_rectangle(c.cr, c.bounds.origin.x, c.bounds.origin.y, c.bounds.size.width / 2, c.bounds.size.height);
    cairo_fill(c.cr);
  }};
}

// The rule found is looked up again once a nearer class gets one; it draws above the
// background and below the subviews.
TEST_F(Scene, TheMostSpecificRuleWinsAndDrawsAboveTheBackgroundAndBelowSubviews) {
  lv::render::PaintRules& rules = renderer.rules();
  Class base = classNamed("RulesTestBase"), derived = classNamed("RulesTestDerived", "RulesTestBase");
  Class further = classNamed("RulesTestFurther", "RulesTestDerived");
  rules.add("RulesTestBase", fill(1, 0, 0));
  EXPECT_EQ(rules.find(further), rules.find(base));
  rules.add("RulesTestDerived", fill(0, 1, 0));
  EXPECT_NE(rules.find(further), rules.find(base));
  EXPECT_EQ(rules.find(further), rules.find(derived));
  EXPECT_EQ(rules.find(objc_getClass("UIView")), nullptr);
  EXPECT_EQ(rules.find(nullptr), nullptr);
  rules.add("RulesTestLate", fill(1, 0, 0));
  EXPECT_NE(rules.find(classNamed("RulesTestLate")), nullptr) << "named before its class existed";

  Ref<> painted = addView(window.get(), CGRectMake(0, 0, 100, 100), color(1, 0, 0), "RulesTestFurther");
  addView(painted.get(), CGRectMake(0, 0, 10, 10), color(0, 0, 1));
  lv::render::Picture p = draw(renderer, window.get());
  EXPECT_EQ(p.pixel(5, 5), kBlue);
  EXPECT_EQ(p.pixel(30, 30), (lv::render::Pixel{0, 255, 0, 255}));
  EXPECT_EQ(p.pixel(70, 30), kRed);
}

}  // namespace
