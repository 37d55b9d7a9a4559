// The cost of one message: a plain indirect call, a cached typed send, a cached send
// through objc_msgSend as device code makes it, a send to a hooked method whose
// replacement calls its slot through a plain function pointer, as device code does (with
// no message observer, and with one that traces the replacement). Each iteration makes kBatch calls; per_call is the time of one, and the
// report ends with each one's ratio to the indirect call. (GCC's Objective-C runtime is
// measured apart, in bench_gnu_objc_send: it exports the same C names as our platform.)
#include <benchmark/benchmark.h>

#include <objc/message.h>

#include "call_ratios.h"
#include "runtime/runtime.h"
#include "substrate/substrate.h"

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
    for (long i = 0; i < kBatch; ++i) fn(obj.get(), sel);
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

void BM_CachedObjcMsgSend(benchmark::State& state) {
  Ref<> obj = rt::create(benchClass("LVBenchTarget"));
  auto msgSend = reinterpret_cast<void (*)(id, SEL)>(objc_msgSend);
  SEL sel = "empty"_sel;
  msgSend(obj.get(), sel);
  for (auto _ : state)
    for (long i = 0; i < kBatch; ++i) msgSend(obj.get(), sel);
  reportPerCall(state);
}
BENCHMARK(BM_CachedObjcMsgSend);

void BM_HookedSend(benchmark::State& state) {
  Ref<> obj = rt::create(hookedClass());
  send<void>(obj, "empty"_sel);
  for (auto _ : state)
    for (long i = 0; i < kBatch; ++i) send<void>(obj.get(), "empty"_sel);
  reportPerCall(state);
}
BENCHMARK(BM_HookedSend);

// What lvsim --trace pays per message, apart from writing its lines: an entry, a slot
// call and a return reported.
struct CountingObserver final : rt::MessageObserver {
  long events = 0;
  bool traces(IMP imp) override { return imp == reinterpret_cast<IMP>(Hooked_empty); }
  void observe(const rt::TraceEvent&) override { ++events; }
};

void BM_TracedHookedSend(benchmark::State& state) {
  Ref<> obj = rt::create(hookedClass());
  CountingObserver observer;
  rt::setMessageObserver(&observer);
  for (auto _ : state)
    for (long i = 0; i < kBatch; ++i) send<void>(obj.get(), "empty"_sel);
  rt::setMessageObserver(nullptr);
  benchmark::DoNotOptimize(observer.events);
  reportPerCall(state);
}
BENCHMARK(BM_TracedHookedSend);

}  // namespace

CALL_RATIO_MAIN(kBatch);
