// What `--trace` costs a whole story: a track played, the artwork tapped twice and the clock
// run, untraced, traced with a filter that matches nothing, and with everything traced.
// Each iteration takes the three in turn, so that the ratios printed as counters
// (`nothing_x`, `everything_x`: times the untraced story) come from one run on one machine
// state. The trace's lines are built as lvsim builds them, not written.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <optional>

#include "host/lock_screen.h"
#include "tools/lvsim/core/trace_option.h"

namespace {

lv::host::LockScreen& screen() {
  static std::unique_ptr<lv::host::LockScreen> s =
      lv::host::LockScreen::boot({.settings = {{"kEnabled", true}}});
  return *s;
}

void tellStory(int round) {
  lv::host::LockScreen& s = screen();
  s.play({round % 2 ? "Night Drive" : "A Much Longer Title That Has To Scroll", "Artist", "com.example.player", 215,
          lv::host::Artwork::generated()});
  s.tap("MRUArtworkView");
  s.advance(2);
  s.tap("MRUArtworkView");
  s.advance(2);
}

double secondsOfStory(int round, std::optional<lv::sim::TraceOptions> trace) {
  std::optional<lv::sim::MessageTrace> recording;
  if (trace) recording.emplace(*trace);
  auto start = std::chrono::steady_clock::now();
  tellStory(round);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_TracedStory(benchmark::State& state) {
  const lv::sim::TraceOptions nothing{.file = "unwritten.trace", .filters = {"NoSuchClass *"}};
  const lv::sim::TraceOptions everything{.file = "unwritten.trace", .filters = {}};
  double untraced = 0, filtered = 0, traced = 0;
  int round = 0;
  tellStory(round++);  // the first story builds the views
  for (auto _ : state) {
    // Each story plays a title other than the one showing, so that each relabels and lays out.
    const double plain = secondsOfStory(round++, std::nullopt);
    filtered += secondsOfStory(round++, nothing);
    traced += secondsOfStory(round++, everything);
    untraced += plain;
    state.SetIterationTime(plain);
  }
  state.counters["nothing_x"] = filtered / untraced;
  state.counters["everything_x"] = traced / untraced;
}
BENCHMARK(BM_TracedStory)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2);

}  // namespace

BENCHMARK_MAIN();
