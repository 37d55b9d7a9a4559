#include <gtest/gtest.h>

#include "foundation/values.h"
#include "quartz/gradient_layer.h"
#include "uikit/view.h"
#include "view_support.h"

namespace {

// What a view's state does to its layer shows in the render tests' pictures.
TEST(Layer, SublayersBelongToOneSuperlayerAndGradientColoursMustBeAnArray) {
  long before = rt::liveObjectCount();
  {
    rt::AutoreleasePool pool;
    id a = send<id>(objc_getClass("CALayer"), "layer"_sel);
    id b = send<id>(objc_getClass("CALayer"), "layer"_sel);
    id s = send<id>(objc_getClass("CALayer"), "layer"_sel);
    send<void>(a, "addSublayer:"_sel, s);
    send<void>(b, "addSublayer:"_sel, s);
    EXPECT_EQ(send<id>(a, "sublayers"_sel), nil);
    EXPECT_EQ(send<id>(s, "superlayer"_sel), b);
    EXPECT_DEATH(send<void>(s, "addSublayer:"_sel, b), "cannot contain itself");
    EXPECT_DEATH(send<void>(send<id>(objc_getClass("CAGradientLayer"), "layer"_sel), "setColors:"_sel, fnd::number(1L)),
                 "expects an NSArray");
  }
  EXPECT_EQ(rt::liveObjectCount(), before);
}

// Each step, then whether actions are disabled; an inner transaction starts with its outer
// one's setting, and a commit without a begin does nothing.
TEST(Transaction, NestedTransactionsDisableActions) {
  Class t = objc_getClass("CATransaction");
  const std::pair<const char*, bool> steps[] = {{"", false},    {"begin", false}, {"disable", true},
                                                {"begin", true}, {"enable", false}, {"commit", true},
                                                {"commit", false}, {"commit", false}};
  for (auto [step, disabled] : steps) {
    std::string s = step;
    if (s == "disable" || s == "enable") send<void>(t, "setDisableActions:"_sel, s == "disable");
    else if (!s.empty()) send<void>(t, sel_registerName(step));
    EXPECT_EQ(send<bool>(t, "disableActions"_sel), disabled) << s;
  }
}

}  // namespace
