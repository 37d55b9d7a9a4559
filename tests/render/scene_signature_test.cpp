#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "render_support.h"

using namespace render_support;

namespace {

struct SceneSignature : Scene {
  uint64_t now() const { return renderer.sceneSignature(window); }
};

TEST_F(SceneSignature, AMovingViewChangesItEveryFrameUntilItStopsAndASceneAtRestKeepsIt) {
  Ref<> box = addView(window, CGRectMake(0, 0, 10, 10), color(1, 0, 0));
  uint64_t before = now();
  fnd::RunLoop::main().runFor(1);
  send<void>(box, "setFrame:"_sel, CGRectMake(0, 0, 10, 10));
  EXPECT_EQ(now(), before) << "time passing and the same frame set again";
  EXPECT_EQ(renderer.sceneSignature(nil), 0u);

  slideRight(box);
  fnd::RunLoop::main().runFor(0.25);
  uint64_t quarter = now();
  fnd::RunLoop::main().runFor(0.25);
  EXPECT_NE(now(), quarter);
  fnd::RunLoop::main().runFor(1);
  uint64_t stopped = now();
  fnd::RunLoop::main().runFor(1);
  EXPECT_EQ(now(), stopped);
}

TEST_F(SceneSignature, EveryVisibleChangeChangesIt) {
  Ref<> box = addView(window, CGRectMake(10, 10, 20, 20), color(1, 0, 0));
  Ref<> inner = addView(box, CGRectMake(0, 0, 5, 5), color(0, 0, 1));
  Ref<> label = addView(window, CGRectMake(0, 50, 100, 20), nil, "UILabel");
  send<void>(label, "setText:"_sel, fnd::string("one"));
  const std::pair<const char*, std::function<void()>> changes[] = {
      {"a label's text", [&] { send<void>(label, "setText:"_sel, fnd::string("two")); }},
      {"a nested view's alpha", [&] { send<void>(inner, "setAlpha:"_sel, 0.5); }},
      {"a nested view's frame", [&] { send<void>(inner, "setFrame:"_sel, CGRectMake(1, 0, 5, 5)); }},
      {"a background colour", [&] { send<void>(box, "setBackgroundColor:"_sel, color(0, 1, 0)); }},
      {"a transform", [&] { send<void>(box, "setTransform:"_sel, CGAffineTransformMakeScale(1, 2)); }},
      {"hiding", [&] { send<void>(inner, "setHidden:"_sel, true); }}};
  std::vector<uint64_t> seen{now()};
  for (const auto& [what, change] : changes) {
    change();
    EXPECT_EQ(std::find(seen.begin(), seen.end(), now()), seen.end()) << what;
    seen.push_back(now());
  }
}

}  // namespace
