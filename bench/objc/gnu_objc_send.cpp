// An empty method sent through GCC's Objective-C runtime, against an indirect call in the
// same run. Built apart from the message benchmark: this process must not load our
// platform library, which exports the same C names (objc_getClass, sel_registerName…).
#include <benchmark/benchmark.h>

#include "call_ratios.h"

extern "C" {
void* lvObjcMakeTarget(void);
void lvObjcSendEmpty(void* target, long count);
void lvObjcFreeTarget(void* target);
}

namespace {

constexpr long kBatch = 1000;

void emptyFunction(void*, void*) {}

void reportPerCall(benchmark::State& state) {
  state.counters["per_call"] = benchmark::Counter(
      double(kBatch), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_IndirectCall(benchmark::State& state) {
  void* obj = lvObjcMakeTarget();
  void (*volatile fn)(void*, void*) = emptyFunction;
  for (auto _ : state)
    for (long i = 0; i < kBatch; ++i) fn(obj, nullptr);
  reportPerCall(state);
  lvObjcFreeTarget(obj);
}
BENCHMARK(BM_IndirectCall);

void BM_GnuObjcSend(benchmark::State& state) {
  void* obj = lvObjcMakeTarget();
  lvObjcSendEmpty(obj, 1);
  for (auto _ : state) lvObjcSendEmpty(obj, kBatch);
  reportPerCall(state);
  lvObjcFreeTarget(obj);
}
BENCHMARK(BM_GnuObjcSend);

}  // namespace

CALL_RATIO_MAIN(kBatch);
