// The cost of one message: a plain indirect call, a cached send, a send to a hooked
// method whose replacement calls its slot, and (where GCC's Objective-C is installed) the
// same empty method sent through GCC's runtime. Each iteration makes kBatch calls;
// ns_per_call is the time of one.
#include <benchmark/benchmark.h>

#include "runtime/runtime.h"
#include "substrate/substrate.h"

#ifdef LV_HAVE_GNU_OBJC
extern "C" {
void* lvObjcMakeTarget(void);
void lvObjcSendEmpty(void* target, long count);
void lvObjcFreeTarget(void* target);
}
#endif

namespace {

constexpr long kBatch = 1000;

void Target_empty(id, SEL) {}

void (*g_hookedSlot)(id, SEL) = nullptr;
void Hooked_empty(id self, SEL cmd) { g_hookedSlot(self, cmd); }

Class benchClass(const char* name) {
  Class cls = objc_getClass(name);
  if (cls) return cls;
  cls = rt::defineClass<objc_object>(name, "NSObject");
  rt::addMethod(cls, "empty"_sel, Target_empty);
  return cls;
}

Class hookedClass() {
  static const Class cls = [] {
    Class c = benchClass("LVBenchHooked");
    MSHookMessageEx(c, "empty"_sel, Hooked_empty, &g_hookedSlot);
    return c;
  }();
  return cls;
}

void reportPerCall(benchmark::State& state) {
  state.counters["per_call"] = benchmark::Counter(
      double(kBatch), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_IndirectCall(benchmark::State& state) {
  Ref<> obj = rt::create(benchClass("LVBenchTarget"));
  void (*volatile fn)(id, SEL) = Target_empty;
  SEL sel = "empty"_sel;
  for (auto _ : state)
    for (long i = 0; i < kBatch; ++i) fn(obj, sel);
  reportPerCall(state);
}
BENCHMARK(BM_IndirectCall);

void BM_CachedSend(benchmark::State& state) {
  Ref<> obj = rt::create(benchClass("LVBenchTarget"));
  send<void>(obj, "empty"_sel);
  for (auto _ : state)
    for (long i = 0; i < kBatch; ++i) send<void>(obj.get(), "empty"_sel);
  reportPerCall(state);
}
BENCHMARK(BM_CachedSend);

void BM_HookedSend(benchmark::State& state) {
  Ref<> obj = rt::create(hookedClass());
  send<void>(obj, "empty"_sel);
  for (auto _ : state)
    for (long i = 0; i < kBatch; ++i) send<void>(obj.get(), "empty"_sel);
  reportPerCall(state);
}
BENCHMARK(BM_HookedSend);

#ifdef LV_HAVE_GNU_OBJC
void BM_GnuObjcSend(benchmark::State& state) {
  void* obj = lvObjcMakeTarget();
  lvObjcSendEmpty(obj, 1);
  for (auto _ : state) lvObjcSendEmpty(obj, kBatch);
  reportPerCall(state);
  lvObjcFreeTarget(obj);
}
BENCHMARK(BM_GnuObjcSend);
#endif

}  // namespace

BENCHMARK_MAIN();
