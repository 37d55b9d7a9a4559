#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "render_support.h"

using namespace render_support;

namespace {

// At rest it holds while time passes and a frame is set to what it was; a slide changes it
// every frame until it stops; then each visible change gives one not seen before.
TEST_F(Scene, SceneSignatureChangesWithEveryFrameOfAMoveAndEveryVisibleChangeOnly) {
  auto now = [&] { return renderer.sceneSignature(window.get()); };
  Ref<> box = addView(window.get(), CGRectMake(0, 0, 10, 10), color(1, 0, 0));
  Ref<> inner = addView(box.get(), CGRectMake(0, 0, 5, 5), color(0, 0, 1));
  Ref<> label = addView(window.get(), CGRectMake(0, 50, 100, 20), nil, "UILabel");
  send<void>(label, "setText:"_sel, fnd::string("one"));
  uint64_t before = now();
  fnd::RunLoop::main().runFor(1);
  send<void>(box, "setFrame:"_sel, CGRectMake(0, 0, 10, 10));
  EXPECT_EQ(now(), before);
  EXPECT_EQ(renderer.sceneSignature(nil), 0u);

  slideRight(box.get());
  fnd::RunLoop::main().runFor(0.25);
  uint64_t quarter = now();
  fnd::RunLoop::main().runFor(0.25);
  EXPECT_NE(now(), quarter);
  fnd::RunLoop::main().runFor(1);
  std::vector<uint64_t> seen{now()};
  fnd::RunLoop::main().runFor(1);
  EXPECT_EQ(now(), seen[0]) << "stopped";

  const std::pair<const char*, std::function<void()>> changes[] = {
      {"a label's text", [&] { send<void>(label, "setText:"_sel, fnd::string("two")); }},
      {"a nested view's alpha", [&] { send<void>(inner, "setAlpha:"_sel, 0.5); }},
      {"a nested view's frame", [&] { send<void>(inner, "setFrame:"_sel, CGRectMake(1, 0, 5, 5)); }},
      {"a background colour", [&] { send<void>(box, "setBackgroundColor:"_sel, color(0, 1, 0)); }},
      {"a transform", [&] { send<void>(box, "setTransform:"_sel, CGAffineTransformMakeScale(1, 2)); }},
      {"hiding", [&] { send<void>(inner, "setHidden:"_sel, true); }}};
  for (const auto& [what, change] : changes) {
    change();
    EXPECT_EQ(std::find(seen.begin(), seen.end(), now()), seen.end()) << what;
    seen.push_back(now());
  }
}

}  // namespace
