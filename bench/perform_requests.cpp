// Scheduling and cancelling delayed performs while many others are pending, each on its
// own target (many marquee labels with their rest timers).
#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "foundation/run_loop.h"
#include "runtime/runtime.h"

namespace {

constexpr int kBatch = 1000;

std::vector<Ref<>> makeTargets(long count) {
  std::vector<Ref<>> targets;
  targets.reserve(count);
  for (long i = 0; i < count; ++i) targets.push_back(rt::create(rt::rootClass()));
  return targets;
}

// Spreads due times so that new timers land all over the pending ones.
double delayFor(long i) { return 1 + double(i * 7919 % 100003) * 0.001; }

void later(id target, long i) {
  send<void>(target, "performSelector:withObject:afterDelay:"_sel, "tick"_sel, nil, delayFor(i));
}

void cancelAll(id target) {
  send<void>(rt::rootClass(), "cancelPreviousPerformRequestsWithTarget:"_sel, target);
}

void cancelTick(id target) {
  send<void>(rt::rootClass(), "cancelPreviousPerformRequestsWithTarget:selector:object:"_sel,
             target, "tick"_sel, nil);
}

struct Background {
  std::vector<Ref<>> targets;
  explicit Background(long count) : targets(makeTargets(count)) {
    for (long i = 0; i < count; ++i) later(targets[i].get(), i);
  }
  ~Background() {
    for (const Ref<>& t : targets) cancelAll(t.get());
  }
};

using Clock = std::chrono::steady_clock;

void report(benchmark::State& state) {
  state.counters["per_call"] =
      benchmark::Counter(double(state.iterations()) * kBatch,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Times only the scheduling of a batch; the batch is then cancelled untimed.
void BM_ScheduleDelayedCall(benchmark::State& state) {
  Background background(state.range(0));
  std::vector<Ref<>> batch = makeTargets(kBatch);
  for (auto _ : state) {
    Clock::time_point start = Clock::now();
    for (long i = 0; i < kBatch; ++i) later(batch[i].get(), i);
    Clock::time_point end = Clock::now();
    for (const Ref<>& t : batch) cancelAll(t.get());
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
  }
  report(state);
}

// Times only the cancelling of a batch scheduled untimed beforehand.
template <void (*Cancel)(id)>
void BM_CancelDelayedCall(benchmark::State& state) {
  Background background(state.range(0));
  std::vector<Ref<>> batch = makeTargets(kBatch);
  for (auto _ : state) {
    for (long i = 0; i < kBatch; ++i) later(batch[i].get(), i);
    Clock::time_point start = Clock::now();
    for (const Ref<>& t : batch) Cancel(t.get());
    Clock::time_point end = Clock::now();
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
  }
  report(state);
}

void sizes(benchmark::internal::Benchmark* b) {
  b->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_ScheduleDelayedCall)->Apply(sizes);
BENCHMARK(BM_CancelDelayedCall<cancelAll>)->Name("BM_CancelByTarget")->Apply(sizes);
BENCHMARK(BM_CancelDelayedCall<cancelTick>)->Name("BM_CancelByTargetSelectorObject")->Apply(sizes);

}  // namespace

BENCHMARK_MAIN();
