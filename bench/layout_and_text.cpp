// A layout pass over a header holding a stack of two labels, tied as the library ties
// them; and measuring a 40-character title with the text cache cold and warm.
#include <benchmark/benchmark.h>

#include "foundation/values.h"
#include "uikit/font.h"
#include "uikit/stack_view.h"
#include "uikit/text_measurer.h"
#include "uikit/view.h"

namespace {

id tie(id view, SEL a, id other, SEL b, CGFloat constant) {
  id c = send<id>(send<id>(view, a), "constraintEqualToAnchor:constant:"_sel, send<id>(other, b),
                  constant);
  send<void>(c, "setActive:"_sel, true);
  return c;
}

void fix(id view, SEL dimension, CGFloat constant) {
  send<void>(send<id>(send<id>(view, dimension), "constraintEqualToConstant:"_sel, constant),
             "setActive:"_sel, true);
}

struct Header {
  Ref<> header, stack, title, artist;
  Ref<> stackTop;

  Header() {
    rt::AutoreleasePool pool;
    header = rt::create(objc_getClass("UIView"), "initWithFrame:"_sel, CGRectMake(0, 0, 320, 498));
    stack = rt::create(objc_getClass("UIStackView"));
    send<void>(stack, "setAxis:"_sel, UILayoutConstraintAxisVertical);
    send<void>(stack, "setAlignment:"_sel, UIStackViewAlignmentCenter);
    send<void>(stack, "setDistribution:"_sel, UIStackViewDistributionEqualSpacing);
    send<void>(header, "addSubview:"_sel, stack);
    send<void>(stack, "setTranslatesAutoresizingMaskIntoConstraints:"_sel, false);
    stackTop = Ref<>::retain(tie(stack.get(), "topAnchor"_sel, header.get(), "topAnchor"_sel, 315));
    tie(stack.get(), "leftAnchor"_sel, header.get(), "leftAnchor"_sel, 87.5);
    fix(stack.get(), "widthAnchor"_sel, 225);
    fix(stack.get(), "heightAnchor"_sel, 60);
    CGFloat top = 0;
    for (Ref<>* label : {&title, &artist}) {
      *label = rt::create(objc_getClass("UILabel"));
      send<void>(*label, "setText:"_sel, fnd::string(label == &title ? "NowPlaying" : "Nobody"));
      send<void>(*label, "setFont:"_sel, uikit::systemFont(17, UIFontWeightMedium));
      send<void>(stack, "addArrangedSubview:"_sel, label->get());
      tie(label->get(), "topAnchor"_sel, stack.get(), "topAnchor"_sel, top);
      tie(label->get(), "widthAnchor"_sel, stack.get(), "widthAnchor"_sel, 0);
      fix(label->get(), "heightAnchor"_sel, 30);
      tie(label->get(), "leftAnchor"_sel, stack.get(), "leftAnchor"_sel, 0);
      top += 30;
    }
    uikit::runLayoutPass();
  }
};

// Both passes (the header's, placing the stack; the stack's, placing the labels) with
// nothing to change: solving and comparing.
void BM_LayoutPassSteady(benchmark::State& state) {
  Header h;
  for (auto _ : state) {
    send<void>(h.header, "setNeedsLayout"_sel);
    send<void>(h.stack, "setNeedsLayout"_sel);
    uikit::runLayoutPass();
  }
}
BENCHMARK(BM_LayoutPassSteady);

// The stack moves each time: solving, and writing the stack's centre.
void BM_LayoutPassMoving(benchmark::State& state) {
  Header h;
  CGFloat top = 315;
  for (auto _ : state) {
    top = top == 315 ? 316 : 315;
    send<void>(h.stackTop, "setConstant:"_sel, top);
    send<void>(h.stack, "setNeedsLayout"_sel);
    uikit::runLayoutPass();
  }
}
BENCHMARK(BM_LayoutPassMoving);

const std::string kTitle = "The Longest Track Title On The Whole LP!";  // 40 characters

const uikit::FontFace kTitleFace{"Inter", 500, 17};

void BM_MeasureTitleCold(benchmark::State& state) {
  uikit::measureText(kTitleFace, kTitle);  // loads the font once, outside the timing
  for (auto _ : state) {
    uikit::clearTextMeasureCache();
    benchmark::DoNotOptimize(uikit::measureText(kTitleFace, kTitle));
  }
}
BENCHMARK(BM_MeasureTitleCold);

void BM_MeasureTitleWarm(benchmark::State& state) {
  uikit::measureText(kTitleFace, kTitle);
  for (auto _ : state) benchmark::DoNotOptimize(uikit::measureText(kTitleFace, kTitle));
}
BENCHMARK(BM_MeasureTitleWarm);

}  // namespace

BENCHMARK_MAIN();
