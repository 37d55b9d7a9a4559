// A title that alternates Latin and Hebrew word by word, drawn as the marquee draws its
// copies: a label as wide as the measured title, seen through a window 225 points wide.
// The first picture measures and sets the title; later pictures of the same label only
// draw it. Times grow with the title's length; setting a long line whole orders its
// direction runs in time that grows with the square of their number.
#include <benchmark/benchmark.h>

#include <string>

#include "foundation/values.h"
#include "render/renderer.h"
#include "uikit/font.h"
#include "uikit/text_measurer.h"
#include "uikit/view.h"

namespace {

std::string mixedTitle(long characters) {
  std::string title;
  for (long word = 0, count = 0; count < characters; ++word, count += 6)
    title += word % 2 ? "\u05DC\u05D9\u05DC\u05D4 " : "night ";  // five letters and a space each
  return title;
}

struct TitleWindow {
  Ref<> window, label;

  explicit TitleWindow(long characters) {
    window = rt::create(objc_getClass("UIWindow"), "initWithFrame:"_sel, CGRectMake(0, 0, 225, 40));
    label = rt::create(objc_getClass("UILabel"), "initWithFrame:"_sel, CGRectMake(0, 0, 10, 40));
    send<void>(label, "setFont:"_sel, uikit::systemFont(17, UIFontWeightMedium));
    send<void>(label, "setText:"_sel, fnd::string(mixedTitle(characters)));
    send<void>(label, "sizeToFit"_sel);
    send<void>(window, "addSubview:"_sel, label.get());
  }
};

void BM_MixedTitleFirstPicture(benchmark::State& state) {
  for (auto _ : state) {
    uikit::clearTextMeasureCache();
    TitleWindow title(state.range(0));
    lv::render::Renderer renderer;
    benchmark::DoNotOptimize(renderer.renderWindow(title.window.get(), 1));
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_MixedTitleFirstPicture)->RangeMultiplier(4)->Range(1 << 10, 1 << 16)->Unit(benchmark::kMillisecond)->Complexity();

void BM_MixedTitleNextPicture(benchmark::State& state) {
  TitleWindow title(state.range(0));
  lv::render::Renderer renderer;
  renderer.renderWindow(title.window.get(), 1).value();
  CGFloat x = 0;
  for (auto _ : state) {
    x -= 7;  // the copy scrolls by, as in a marquee
    send<void>(title.label, "setFrame:"_sel, CGRectMake(x, 0, send<CGRect>(title.label, "frame"_sel).size.width, 40));
    benchmark::DoNotOptimize(renderer.renderWindow(title.window.get(), 1));
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_MixedTitleNextPicture)->RangeMultiplier(4)->Range(1 << 10, 1 << 16)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace

BENCHMARK_MAIN();
