// The marquee label's rest-and-move cycle on the virtual clock: what one cycle costs in
// time and allocations once running, and 100 labels scrolling for a minute.
#include <benchmark/benchmark.h>

#include <vector>

#include "counting_allocator.h"
#include "foundation/run_loop.h"
#include "foundation/values.h"
#include "host/device.h"
#include "uikit/text_measurer.h"

namespace {

// With 10-point characters a 30-character text is 300 points in a 200-point label:
// a 1.5 s rest and a 10 s move make one cycle.
constexpr double kCycle = 11.5;

lv::host::Device& device() {
  static std::unique_ptr<lv::host::Device> d = lv::host::Device::boot({});
  return *d;
}

Ref<> makeScrollingLabel() {
  rt::AutoreleasePool pool;
  Ref<> label = rt::create(objc_getClass("CBAutoScrollLabel"));
  send<void>(label, "setFont:"_sel, send<id>(objc_getClass("UIFont"), "systemFontOfSize:"_sel, 20.0));
  send<void>(label, "setFrame:"_sel, CGRectMake(0, 0, 200, 30));
  send<void>(label, "setText:"_sel, fnd::string(std::string(30, 'x')));
  return label;
}

void setUp() {
  device();
  uikit::setTextMeasurer(std::make_unique<uikit::FixedAdvanceMeasurer>(0.5, 1.25, 1.0));
}

void BM_OneLabelCycle(benchmark::State& state) {
  setUp();
  Ref<> label = makeScrollingLabel();
  fnd::RunLoop& loop = fnd::RunLoop::main();
  loop.runFor(2 * kCycle);  // reach steady state
  long allocations = 0, cycles = 0;
  for (auto _ : state) {
    long before = g_allocations.load();
    loop.runFor(kCycle);
    allocations += g_allocations.load() - before;
    ++cycles;
  }
  state.counters["allocations/cycle"] = double(allocations) / double(cycles);
  state.SetLabel("time is per cycle");
}
BENCHMARK(BM_OneLabelCycle)->Unit(benchmark::kMicrosecond);

void BM_HundredLabelsForAMinute(benchmark::State& state) {
  setUp();
  std::vector<Ref<>> labels;
  for (int i = 0; i < 100; ++i) labels.push_back(makeScrollingLabel());
  fnd::RunLoop& loop = fnd::RunLoop::main();
  for (auto _ : state) loop.runFor(60);
  state.SetLabel("time is per 60 virtual seconds");
}
BENCHMARK(BM_HundredLabelsForAMinute)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
