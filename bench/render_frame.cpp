// Rendering one phone frame (390 × 844 points at scale 3) of a lock screen made of about
// 40 views: wallpaper, the artwork background under a backdrop blur, clock and date, the
// media platter with its artwork, two scrolling titles with fade masks, time labels, the
// scrubber pill and transport glyphs. The title scrolls from frame to frame; what lies
// beneath the backdrop does not, so the blur is cached (steady state). A second case
// fades the artwork background in: the blur beneath is mixed from two kept blurs. The
// demo story (`lvsim demo`) recorded at 60 fps shows the frame times a user's recording
// meets and the time the recording takes.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "foundation/block.h"
#include "foundation/run_loop.h"
#include "foundation/values.h"
#include "host/lock_screen.h"
#include "render/renderer.h"
#include "render/video_writer.h"
#include "smoke_run.h"
#include "tools/lvsim/core/host_looks.h"
#include "uikit/font.h"
#include "uikit/image.h"
#include "uikit/view_animation.h"

namespace {

id color(double r, double g, double b, double a = 1) {
  return send<id>(objc_getClass("UIColor"), "colorWithRed:green:blue:alpha:"_sel, r, g, b, a);
}

id cgColor(id uiColor) { return send<id>(uiColor, "CGColor"_sel); }

id addView(id superview, CGRect frame, id background = nil, const char* cls = "UIView") {
  Ref<> v = rt::create(objc_getClass(cls), "initWithFrame:"_sel, frame);
  if (background) send<void>(v, "setBackgroundColor:"_sel, background);
  send<void>(superview, "addSubview:"_sel, v.get());
  return v.get();
}

// Channels rise by up to 60 across or down from the given start.
id gradientImage(long w, long h, double scale, uint8_t r0, uint8_t g0, uint8_t b0) {
  std::vector<uint8_t> rgba;
  rgba.reserve(size_t(w * h * 4));
  auto channel = [](long start, long rise) { return uint8_t(std::min(255L, start + rise)); };
  for (long y = 0; y < h; ++y)
    for (long x = 0; x < w; ++x) {
      rgba.push_back(channel(r0, x * 60 / w));
      rgba.push_back(channel(g0, y * 60 / h));
      rgba.push_back(channel(b0, (x + y) * 60 / (w + h)));
      rgba.push_back(255);
    }
  return uikit::imageWithRGBA(w, h, scale, std::move(rgba));
}

id addImageView(id superview, CGRect frame, id image, NSInteger mode) {
  id v = addView(superview, frame, nil, "UIImageView");
  send<void>(v, "setImage:"_sel, image);
  send<void>(v, "setContentMode:"_sel, mode);
  return v;
}

id addLabel(id superview, CGRect frame, const char* text, double size, double weight,
            NSInteger alignment = 0) {
  id l = addView(superview, frame, nil, "UILabel");
  send<void>(l, "setText:"_sel, fnd::string(text));
  send<void>(l, "setFont:"_sel, uikit::systemFont(size, weight));
  send<void>(l, "setTextColor:"_sel, color(1, 1, 1));
  send<void>(l, "setTextAlignment:"_sel, alignment);
  return l;
}

void fadeMask(id view, CGSize size) {
  Ref<> mask = rt::create(objc_getClass("CAGradientLayer"));
  send<void>(mask, "setBounds:"_sel, CGRectMake(0, 0, size.width, size.height));
  send<void>(mask, "setPosition:"_sel, CGPointMake(size.width / 2, size.height / 2));
  send<void>(mask, "setStartPoint:"_sel, CGPointMake(0, size.height / 2));
  send<void>(mask, "setEndPoint:"_sel, CGPointMake(1, size.height / 2));
  id clear = cgColor(send<id>(objc_getClass("UIColor"), "clearColor"_sel));
  id black = cgColor(send<id>(objc_getClass("UIColor"), "blackColor"_sel));
  send<void>(mask, "setColors:"_sel, fnd::array({clear, black, black, clear}));
  send<void>(mask, "setLocations:"_sel, fnd::array({fnd::number(0.0), fnd::number(0.035),
                                                    fnd::number(0.965), fnd::number(1.0)}));
  send<void>(send<id>(view, "layer"_sel), "setMask:"_sel, mask.get());
}

// A marquee: a clipping, masked view holding a scroll view with two copies of the text.
id addMarquee(id superview, CGRect frame, const char* text, double size, double weight) {
  id marquee = addView(superview, frame);
  send<void>(marquee, "setClipsToBounds:"_sel, true);
  id scroll = addView(marquee, CGRectMake(0, 0, frame.size.width, frame.size.height), nil, "UIScrollView");
  addLabel(scroll, CGRectMake(0, 0, 420, frame.size.height), text, size, weight);
  addLabel(scroll, CGRectMake(440, 0, 420, frame.size.height), text, size, weight);
  fadeMask(marquee, frame.size);
  return scroll;
}

void roundCorners(id view, double radius, unsigned long corners) {
  id layer = send<id>(view, "layer"_sel);
  send<void>(layer, "setCornerRadius:"_sel, radius);
  send<void>(layer, "setMaskedCorners:"_sel, corners);
  send<void>(layer, "setMasksToBounds:"_sel, true);
}

struct LockScreen {
  Ref<> window;
  id titleScroll = nil;
  id artworkBackground = nil;
};

LockScreen buildLockScreen() {
  rt::AutoreleasePool pool;
  LockScreen s;
  s.window = rt::create(objc_getClass("UIWindow"), "initWithFrame:"_sel, CGRectMake(0, 0, 390, 844));
  id w = s.window.get();
  send<void>(w, "setBackgroundColor:"_sel, color(0, 0, 0));
  addImageView(w, CGRectMake(0, 0, 390, 844), gradientImage(1170, 2532, 3, 20, 40, 90), 2);
  id cover = addView(w, CGRectMake(0, 0, 390, 844));
  id artwork = gradientImage(600, 600, 2, 150, 60, 30);
  s.artworkBackground = addImageView(cover, CGRectMake(0, 0, 390, 844), artwork, 2);
  id blurHolder = addView(cover, CGRectMake(0, 0, 390, 844));
  addView(blurHolder, CGRectMake(0, 0, 390, 844), nil, "_UIBackdropView");

  id status = addView(cover, CGRectMake(0, 0, 390, 44));
  addLabel(status, CGRectMake(30, 12, 60, 20), "9:41", 16, 0.3);
  for (int i = 0; i < 3; ++i) addView(status, CGRectMake(300 + i * 24, 16, 18, 12), color(1, 1, 1));
  addLabel(cover, CGRectMake(0, 110, 390, 90), "9:41", 84, 0.3, 1);
  addLabel(cover, CGRectMake(0, 80, 390, 26), "Tuesday, 9 June", 20, 0.23, 1);

  id platter = addView(cover, CGRectMake(8, 300, 374, 498), color(0.15, 0.15, 0.18, 0.7));
  roundCorners(platter, 24, 15);
  id small = addImageView(platter, CGRectMake(16.5, 16, 70, 70), artwork, 2);
  roundCorners(small, 6, 15);
  id header = addView(platter, CGRectMake(100, 16, 258, 70));
  s.titleScroll = addMarquee(header, CGRectMake(0, 10, 258, 24), "A title much longer than the platter", 17, 0.3);
  addMarquee(header, CGRectMake(0, 38, 258, 22), "An artist with a long name as well", 15, 0);

  id time = addView(platter, CGRectMake(16, 330, 342, 40));
  id played = addView(time, CGRectMake(0, 0, 120, 9), color(1, 1, 1, 0.9));
  roundCorners(played, 4.5, 5);
  id left = addView(time, CGRectMake(120, 0, 222, 9), color(1, 1, 1, 0.3));
  roundCorners(left, 4.5, 10);
  addMarquee(time, CGRectMake(0, 16, 60, 16), "1:23", 12, 0.23);
  addMarquee(time, CGRectMake(282, 16, 60, 16), "-2:34", 12, 0.23);

  id transport = addView(platter, CGRectMake(16, 390, 342, 60));
  id glyph = gradientImage(48, 48, 2, 230, 230, 230);
  for (int i = 0; i < 3; ++i) {
    id button = addView(transport, CGRectMake(40 + i * 100, 6, 48, 48));
    addImageView(button, CGRectMake(0, 0, 48, 48), glyph, 1);
  }
  id routing = addView(platter, CGRectMake(320, 20, 34, 34), color(1, 1, 1, 0.2));
  roundCorners(routing, 17, 15);
  addView(w, CGRectMake(130, 830, 130, 5), color(1, 1, 1, 0.8));
  return s;
}

void animateForever(std::function<void()> changes) {
  send<void>(objc_getClass("UIView"), "animateWithDuration:delay:options:animations:completion:"_sel,
             1e6, 0.0, UIViewAnimationOptionCurveLinear, fnd::block<void()>(std::move(changes)), nil);
}

void scrollTitle(id scroll) {
  animateForever([scroll] { send<void>(scroll, "setContentOffset:"_sel, CGPointMake(4.4e8, 0)); });
}

// The scale is the benchmark's argument in hundredths: 300 for the phone's own pixels, 105
// for a live window that fits a screen 1024 pixels high.
void renderFrames(benchmark::State& state, const LockScreen& screen) {
  double scale = double(state.range(0)) / 100;
  lv::render::Renderer renderer;
  renderer.renderWindow(screen.window.get(), scale).value();
  long before = renderer.blursComputed();
  for (auto _ : state) {
    rt::AutoreleasePool pool;
    state.PauseTiming();
    fnd::RunLoop::main().runFor(1.0 / 60);
    state.ResumeTiming();
    auto picture = renderer.renderWindow(screen.window.get(), scale);
    benchmark::DoNotOptimize(picture.value().surface());
  }
  state.counters["blurs/frame"] = double(renderer.blursComputed() - before) / double(state.iterations());
}

void defineBackdropClass() {
  if (!objc_getClass("_UIBackdropView"))
    objc_registerClassPair(objc_allocateClassPair(objc_getClass("UIView"), "_UIBackdropView", 0));
}

void BM_RenderPhoneFrame(benchmark::State& state) {
  defineBackdropClass();
  LockScreen screen = buildLockScreen();
  scrollTitle(screen.titleScroll);
  renderFrames(state, screen);
}

// The artwork background fading in: what lies beneath the backdrop changes every frame,
// so every frame blurs again.
void BM_RenderPhoneFrameWhileTheBackgroundFades(benchmark::State& state) {
  defineBackdropClass();
  LockScreen screen = buildLockScreen();
  scrollTitle(screen.titleScroll);
  send<void>(screen.artworkBackground, "setAlpha:"_sel, 0.0);
  animateForever([&screen] { send<void>(screen.artworkBackground, "setAlpha:"_sel, 1.0); });
  renderFrames(state, screen);
}

// `lvsim demo`'s story on the phone, a display frame at a time. A drag moves a frame per
// step, as LockScreen::drag does; a tap takes no time.
struct DemoStory {
  lv::host::LockScreen& screen;
  std::function<void()> frame;

  void advance(double seconds) {
    for (long i = std::lround(seconds * 60); i > 0; --i) {
      screen.advance(lv::host::LockScreen::kFrame);
      frame();
    }
  }
  void drag(const char* className, double from, double to, int steps) {
    id view = screen.firstVisibleView(className);
    CGPoint centre = screen.centreInWindow(view);
    double width = send<CGRect>(view, "bounds"_sel).size.width;
    auto at = [&](double f) { return CGPointMake(centre.x + (f - 0.5) * width, centre.y); };
    screen.touchDown(at(from));
    for (int i = 1; i <= steps; ++i) {
      screen.advance(lv::host::LockScreen::kFrame);
      screen.touchMove(at(from + (to - from) * i / steps));
      frame();
    }
  }
  void tell() {
    screen.play({.title = "Lanterns Over The Night Drive (Extended Version)", .artist = "The Lanterns",
                 .app = "com.example.player", .duration = 215, .artwork = lv::host::Artwork::generated()});
    advance(7.5);
    screen.tap("MRUArtworkView");
    advance(1.2);
    drag("MRUNowPlayingTimeControlsView", 0.2, 0.7, 12);
    advance(0.4);
    screen.release();
    advance(1);
    screen.tap("MRUArtworkView");
    advance(1);
    screen.tap("CBAutoScrollLabel");
    advance(0.5);
  }
};

// Every frame of the story drawn at the phone's own pixels and recorded to H.264, as
// `lvsim demo --video demo.mp4` records it: the median time to draw a frame, and the wall
// time of the whole recording (stepping the lock screen and the encoder included) against
// the story's own length. A smoke run steps the whole story but draws and records only
// every 24th frame.
void BM_RecordDemoStoryAt60fps(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  std::string folder = (std::filesystem::temp_directory_path() / "lv-record-bench-XXXXXX").string();
  if (!mkdtemp(folder.data())) {
    state.SkipWithError("cannot make a scratch folder");
    return;
  }
  for (auto _ : state) {
    auto screen = lv::host::LockScreen::boot({.settings = {{"kEnabled", true}}});
    lv::render::Renderer renderer;
    lv::sim::addHostLooks(renderer.rules());
    double scale = screen->device().profile().scale;
    CGRect window = send<CGRect>(screen->window(), "frame"_sel);
    auto even = [scale](double points) { return int(points * scale) & ~1; };
    auto writer = lv::render::openVideoWriter(folder + "/demo.mp4",
                                              {.width = even(window.size.width), .height = even(window.size.height)});
    std::vector<double> frames;
    const long stride = lv::bench::smokeRun() ? 24 : 1;
    long tick = 0;
    DemoStory story{*screen, [&] {
      if (tick++ % stride != 0) return;
      rt::AutoreleasePool pool;
      auto start = Clock::now();
      auto picture = renderer.renderWindow(screen->window(), scale);
      frames.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
      writer->add(picture.value());
    }};
    double storyStart = screen->now();
    auto start = Clock::now();
    story.tell();
    writer->finish();
    double wall = std::chrono::duration<double>(Clock::now() - start).count();
    double storyLength = screen->now() - storyStart;
    std::nth_element(frames.begin(), frames.begin() + long(frames.size() / 2), frames.end());
    state.counters["frames"] = double(frames.size());
    state.counters["median_ms"] = frames[frames.size() / 2];
    state.counters["story_s"] = storyLength;
    state.counters["wall_s"] = wall;
    state.counters["wall_per_story"] = wall / storyLength;
    state.counters["blurs"] = double(renderer.blursComputed());
  }
  std::filesystem::remove_all(folder);
}

// What a live window does every frame to learn whether anything changed.
void BM_SceneSignature(benchmark::State& state) {
  defineBackdropClass();
  LockScreen screen = buildLockScreen();
  scrollTitle(screen.titleScroll);
  lv::render::Renderer renderer;
  for (auto _ : state) {
    state.PauseTiming();
    fnd::RunLoop::main().runFor(1.0 / 60);
    state.ResumeTiming();
    benchmark::DoNotOptimize(renderer.sceneSignature(screen.window.get()));
  }
}

}  // namespace

void frameRuns(benchmark::internal::Benchmark* runs) {
  runs->Arg(300)->Arg(105);
  if (!lv::bench::smokeRun()) runs->Repetitions(5)->ReportAggregatesOnly(true);
}

// First: the story boots the host, whose classes the other cases then use.
BENCHMARK(BM_RecordDemoStoryAt60fps)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(BM_RenderPhoneFrame)->Apply(frameRuns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderPhoneFrameWhileTheBackgroundFades)->Apply(frameRuns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SceneSignature)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
