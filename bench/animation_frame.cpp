// Advancing the display by one frame while 100 view animations run, and reading what a
// renderer reads of each view. Steady state must not allocate: operator new is counted.
#include <benchmark/benchmark.h>

#include <vector>

#include "counting_allocator.h"
#include "foundation/block.h"
#include "foundation/run_loop.h"
#include "uikit/view_animation.h"

namespace {

constexpr int kAnimations = 100;
constexpr double kFrame = 1.0 / 60;

Ref<> makeView(double x) {
  return rt::create(objc_getClass("UIView"), "initWithFrame:"_sel, CGRectMake(x, 0, 40, 40));
}

// A third each of linear moves, ease-in-out fades and spring scales, long enough to run
// through the whole benchmark.
std::vector<Ref<>> startAnimations() {
  rt::AutoreleasePool pool;
  std::vector<Ref<>> views;
  for (int i = 0; i < kAnimations; ++i) views.push_back(makeView(i));
  Class view = objc_getClass("UIView");
  for (int i = 0; i < kAnimations; ++i) {
    id v = views[i].get();
    switch (i % 3) {
      case 0:
        send<void>(view, "animateWithDuration:delay:options:animations:completion:"_sel, 1e6, 0.0,
                   UIViewAnimationOptionCurveLinear,
                   fnd::block<void()>([v] { send<void>(v, "setCenter:"_sel, CGPointMake(1e5, 20)); }),
                   fnd::block<void(bool)>([](bool) {}));
        break;
      case 1:
        send<void>(view, "animateWithDuration:animations:"_sel, 1e6,
                   fnd::block<void()>([v] { send<void>(v, "setAlpha:"_sel, 0.0); }));
        break;
      default:
        send<void>(view,
                   "animateWithDuration:delay:usingSpringWithDamping:initialSpringVelocity:options:animations:completion:"_sel,
                   1e6, 0.0, 0.7, 0.2, UIViewAnimationOptionCurveEaseOut,
                   fnd::block<void()>([v] {
                     send<void>(v, "setTransform:"_sel, CGAffineTransformMakeScale(1, 1.5));
                   }),
                   nil);
    }
  }
  return views;
}

void BM_FrameWith100Animations(benchmark::State& state) {
  std::vector<Ref<>> views = startAnimations();
  fnd::RunLoop& loop = fnd::RunLoop::main();
  double sink = 0;
  auto frame = [&] {
    loop.runFor(kFrame);
    for (const Ref<>& v : views) {
      CGRect f = uikit::presentationFrame(v.get());
      sink += f.origin.x + f.size.height + uikit::presentationAlpha(v.get());
    }
  };
  for (int i = 0; i < 10; ++i) frame();
  long before = g_allocations.load();
  for (auto _ : state) {
    frame();
    benchmark::DoNotOptimize(sink);
  }
  state.counters["allocations_per_frame"] =
      benchmark::Counter(double(g_allocations.load() - before) / double(state.iterations()));
}
BENCHMARK(BM_FrameWith100Animations);

}  // namespace

BENCHMARK_MAIN();
