#include "tools/lvsim/live_window.h"

#include <SDL2/SDL.h>
#include <malloc.h>
#include <signal.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <iterator>
#include <string>
#include <unordered_map>
#include <utility>

namespace lv::sim {

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kFrameSeconds = 1.0 / 60;
constexpr double kMaxScale = 3;
constexpr double kScreenShare = 0.9;  // of the usable display area

const std::unordered_map<SDL_Keycode, std::string_view>& keyNames() {
  static const std::unordered_map<SDL_Keycode, std::string_view> names = {
      {SDLK_SPACE, "space"}, {SDLK_n, "n"}, {SDLK_r, "r"}, {SDLK_s, "s"}, {SDLK_q, "q"},
      {SDLK_m, "m"},         {SDLK_i, "i"}, {SDLK_v, "v"}, {SDLK_1, "1"}, {SDLK_2, "2"}, {SDLK_3, "3"}, {SDLK_4, "4"},
      {SDLK_5, "5"},         {SDLK_6, "6"}, {SDLK_7, "7"}, {SDLK_8, "8"}, {SDLK_9, "9"}, {SDLK_l, "l"},
      {SDLK_RETURN, "return"}, {SDLK_ESCAPE, "escape"}};
  return names;
}

SDL_Keycode keycodeOf(std::string_view name) {
  for (const auto& [code, n] : keyNames())
    if (n == name) return code;
  return SDLK_UNKNOWN;
}

double median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::nth_element(v.begin(), v.begin() + long(v.size() / 2), v.end());
  return v[v.size() / 2];
}

// SIGINT, SIGTERM and SIGHUP (its terminal closed) end the window as closing it does, so
// that the session ends in order: a recording written, its report printed, the device's
// settings folder removed. A signal the process ignores
// stays ignored; the handlers before are back when the window goes.
class QuitOnSignal {
 public:
  QuitOnSignal() {
    struct sigaction action {};
    action.sa_handler = [](int) { requested_ = 1; };
    for (size_t i = 0; i < std::size(kSignals); ++i) {
      ::sigaction(kSignals[i], nullptr, &previous_[i]);
      if (previous_[i].sa_handler != SIG_IGN) ::sigaction(kSignals[i], &action, nullptr);
    }
  }
  ~QuitOnSignal() {
    for (size_t i = 0; i < std::size(kSignals); ++i) ::sigaction(kSignals[i], &previous_[i], nullptr);
  }
  QuitOnSignal(const QuitOnSignal&) = delete;
  QuitOnSignal& operator=(const QuitOnSignal&) = delete;

  bool requested() const { return requested_ != 0; }

 private:
  static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
  static inline volatile std::sig_atomic_t requested_ = 0;
  struct sigaction previous_[std::size(kSignals)];
};

class LiveWindow {
 public:
  LiveWindow(LiveSession& session, const LiveWindowOptions& options)
      : session_(session), options_(options), start_(Clock::now()) {
    if (!SDL_getenv("DISPLAY") && !SDL_getenv("WAYLAND_DISPLAY") && !SDL_getenv("SDL_VIDEODRIVER"))
      throw NoDisplay("no display to open a window on (set DISPLAY, or WAYLAND_DISPLAY)");
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");  // QuitOnSignal has them
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
      throw NoDisplay(std::string("no display to open a window on (") + SDL_GetError() + ")");
    // Without a display SDL falls back on drivers that show nothing; only a user who asks
    // for one by SDL_VIDEODRIVER gets it.
    std::string_view driver = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
    if ((driver == "offscreen" || driver == "dummy") && !SDL_getenv("SDL_VIDEODRIVER")) {
      SDL_Quit();
      throw NoDisplay("no display to open a window on (set DISPLAY, or WAYLAND_DISPLAY)");
    }
    saveEvent_ = SDL_RegisterEvents(1);
    fitToScreen();
    window_ = SDL_CreateWindow("lvsim live", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width_, height_,
                               SDL_WINDOW_SHOWN);
    if (!window_) {
      std::string reason = SDL_GetError();
      SDL_Quit();
      throw NoDisplay("cannot open a window (" + reason + ")");
    }
  }

  ~LiveWindow() {
    SDL_DestroyWindow(window_);
    SDL_Quit();
  }

  LiveWindow(const LiveWindow&) = delete;
  LiveWindow& operator=(const LiveWindow&) = delete;

  LiveOutcome run() {
    while (!done_) {
      Clock::time_point frameStart = Clock::now();
      double t = elapsed();
      feedScript(t);
      SDL_Event e;
      while (!done_ && SDL_PollEvent(&e)) handle(e);
      if (done_ || quitOnSignal_.requested()) break;
      session_.runUntil(t - options_.resumedAt);
      if (options_.exitAfter && t >= *options_.exitAfter) break;
      if (uint64_t s = session_.signature(); s != shown_ || resized_) present(s);
      waitUntil(frameStart + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(kFrameSeconds)));
    }
    if (session_.recording()) tell("recorded " + session_.stopRecording());
    report();
    return {action_, elapsed()};
  }

 private:
  double elapsed() const {
    return options_.resumedAt + std::chrono::duration<double>(Clock::now() - start_).count();
  }

  // The largest scale (up to the device's 3) at which the frame fits the screen.
  void fitToScreen() {
    SDL_Rect usable{0, 0, 1280, 1024};
    SDL_GetDisplayUsableBounds(0, &usable);
    CGSize size = session_.frameSize();
    scale_ = std::min({kMaxScale, kScreenShare * usable.w / size.width, kScreenShare * usable.h / size.height});
    width_ = int(std::ceil(size.width * scale_ - 1e-9));
    height_ = int(std::ceil(size.height * scale_ - 1e-9));
  }

  // A turned phone's window is centred again, as it opened.
  void refit() {
    fitToScreen();
    SDL_SetWindowSize(window_, width_, height_);
    SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    resized_ = true;
    refitted_ = true;
  }

  void present(uint64_t signature) {
    auto drawStart = Clock::now();
    lv::render::Picture frame = session_.compose(scale_);
    SDL_Surface* target = SDL_GetWindowSurface(window_);
    if (target) {
      SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(
          cairo_image_surface_get_data(frame.surface()), frame.width(), frame.height(), 32,
          cairo_image_surface_get_stride(frame.surface()), SDL_PIXELFORMAT_ARGB8888);
      if (source) {
        SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_NONE);
        SDL_BlitSurface(source, nullptr, target, nullptr);
        SDL_FreeSurface(source);
        SDL_UpdateWindowSurface(window_);
      }
    }
    shown_ = signature;
    resized_ = false;
    // The buffers of the old size are free now, but held in the heap between smaller
    // allocations where frames of the new size do not fit; turning the phone back and
    // forth would grow memory at every turn. They go back to the system instead.
    if (std::exchange(refitted_, false)) malloc_trim(0);
    frameTimes_.push_back(std::chrono::duration<double, std::milli>(Clock::now() - drawStart).count());
  }

  void waitUntil(Clock::time_point deadline) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left > 0) SDL_WaitEventTimeout(nullptr, int(left));
  }

  CGPoint pointOf(int x, int y) const { return {x / scale_, y / scale_}; }
  int pixelOf(double points) const { return int(std::lround(points * scale_)); }

  void pushMouse(Uint32 type, CGPoint point, Uint32 buttons = SDL_BUTTON_LMASK) {
    SDL_Event e{};
    e.type = type;
    int x = pixelOf(point.x), y = pixelOf(point.y);
    if (type == SDL_MOUSEMOTION) {
      e.motion.x = x, e.motion.y = y, e.motion.state = buttons;
    } else {
      e.button.x = x, e.button.y = y, e.button.button = SDL_BUTTON_LEFT;
      e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    }
    SDL_PushEvent(&e);
    lastScripted_ = point;
  }

  CGPoint locate(const ScriptEvent& event, const LiveTarget& target) {
    try {
      return session_.locate(target);
    } catch (const lv::host::SessionError& e) {
      throw ScriptFault(event.place + ": " + e.what());
    }
  }

  // Script events whose time has come become SDL events; a drag glides a frame at a time.
  void feedScript(double t) {
    if (glide_) {
      double f = glide_->seconds > 0 ? std::min(1.0, (t - glide_->began) / glide_->seconds) : 1;
      CGPoint p{glide_->from.x + (glide_->to.x - glide_->from.x) * f, glide_->from.y + (glide_->to.y - glide_->from.y) * f};
      pushMouse(SDL_MOUSEMOTION, p);
      if (f >= 1) {
        if (!glide_->hold) pushMouse(SDL_MOUSEBUTTONUP, p);
        glide_.reset();
      }
      return;  // the next event waits for the glide to end
    }
    while (next_ < options_.script.size() && options_.script[next_].at <= t) {
      const ScriptEvent& event = options_.script[next_++];
      if (event.at < options_.resumedAt) continue;  // done before the restart
      switch (event.kind) {
        case ScriptEvent::Kind::Click: {
          CGPoint p = locate(event, event.from);
          pushMouse(SDL_MOUSEBUTTONDOWN, p);
          pushMouse(SDL_MOUSEBUTTONUP, p);
          break;
        }
        case ScriptEvent::Kind::Drag:
          glide_ = Glide{locate(event, event.from), locate(event, event.to), t, event.seconds, event.hold};
          pushMouse(SDL_MOUSEBUTTONDOWN, glide_->from);
          return;
        case ScriptEvent::Kind::Release:
          pushMouse(SDL_MOUSEBUTTONUP, lastScripted_);
          break;
        case ScriptEvent::Kind::Move:
          pushMouse(SDL_MOUSEMOTION, locate(event, event.from), 0);
          break;
        case ScriptEvent::Kind::Wheel: {
          CGPoint p = locate(event, event.from);
          SDL_Event e{};
          e.type = SDL_MOUSEWHEEL;
          e.wheel.y = event.notches;
          e.wheel.preciseY = float(event.notches);
          e.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
          e.wheel.mouseX = pixelOf(p.x), e.wheel.mouseY = pixelOf(p.y);
          SDL_PushEvent(&e);
          break;
        }
        case ScriptEvent::Kind::Key: {
          SDL_Event e{};
          e.type = SDL_KEYDOWN;
          e.key.state = SDL_PRESSED;
          e.key.keysym.sym = keycodeOf(event.key);
          SDL_PushEvent(&e);
          return;  // a key may turn the phone: what follows is placed once it has been handled
        }
        case ScriptEvent::Kind::Save: {
          SDL_Event e{};
          e.type = saveEvent_;
          e.user.code = int(next_ - 1);
          SDL_PushEvent(&e);
          break;
        }
      }
    }
  }

  void handle(const SDL_Event& e) {
    switch (e.type) {
      case SDL_QUIT:
        done_ = true;
        return;
      case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) resized_ = true;
        return;
      case SDL_MOUSEBUTTONDOWN: {
        if (e.button.button != SDL_BUTTON_LEFT) return;
        CGPoint p = pointOf(e.button.x, e.button.y);
        std::string on = session_.viewNameAt(p);
        pressedOutside_ = !session_.pointerDown(p);
        tell(pressedOutside_ ? "click at " + pointText(p) + " lies outside the lock screen: no touch"
                             : "finger down at " + pointText(p) + " on " + on);
        return;
      }
      case SDL_MOUSEMOTION: {
        CGPoint p = pointOf(e.motion.x, e.motion.y);
        session_.pointerOver(p);
        if (e.motion.state & SDL_BUTTON_LMASK) session_.pointerMove(p);
        tellInspected();
        return;
      }
      case SDL_MOUSEBUTTONUP:
        if (e.button.button != SDL_BUTTON_LEFT) return;
        if (!std::exchange(pressedOutside_, false)) {
          tell("finger up at " + pointText(pointOf(e.button.x, e.button.y)));
          session_.pointerUp();
        }
        return;
      case SDL_MOUSEWHEEL: {
        CGPoint p = pointOf(e.wheel.mouseX, e.wheel.mouseY);
        double notches = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.preciseY : e.wheel.preciseY;
        tell("wheel at " + pointText(p));
        session_.wheel(p, notches);
        return;
      }
      case SDL_KEYDOWN:
        if (auto k = keyNames().find(e.key.keysym.sym); k != keyNames().end()) onKey(k->second);
        return;
      default:
        if (e.type == saveEvent_) save(options_.script[size_t(e.user.code)].file);
    }
  }

  void onKey(std::string_view name) {
    CGSize before = session_.frameSize();
    switch (session_.key(name)) {
      case LiveAction::None:
        break;
      case LiveAction::Save: {
        std::string name;
        do name = "live-" + twoDigits(++saves_) + ".png";
        while (taken(options_.out / name));
        save(name);
        break;
      }
      case LiveAction::Record:
        record();
        break;
      case LiveAction::Quit:
        done_ = true;
        break;
      case LiveAction::Restart:
        action_ = LiveAction::Restart;
        done_ = true;
        break;
    }
    tell("key " + std::string(name) + "   " + session_.statusLine());
    tellInspected();
    CGSize after = session_.frameSize();
    if (after.width != before.width || after.height != before.height) refit();
  }

  // Starts a recording into the first free DIR/recording-NN.mp4, or ends the one going.
  void record() {
    if (session_.recording()) return tell("recorded " + session_.stopRecording());
    std::filesystem::path file;
    do file = options_.out / ("recording-" + twoDigits(++recordings_) + ".mp4");
    while (taken(file));
    session_.startRecording(file, options_.video);
    tell("recording into " + file.string() + " (V stops)");
  }

  // Whether a file there would replace one: one on the disk, or one the command writes.
  bool taken(const std::filesystem::path& file) const {
    return std::filesystem::exists(file) || options_.files.writesTo(file);
  }

  static std::string twoDigits(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
  }

  void save(const std::string& file) {
    std::filesystem::path path = options_.out / file;
    auto written = session_.picture().writePng(path.string());
    if (!written) throw std::runtime_error(written.error().message());
    tell("saved " + path.string());
  }

  // A line whenever the inspector comes to outline another view.
  void tellInspected() {
    auto view = session_.inspected();
    std::string text = view ? inspectedText(*view) : "";
    if (text == std::exchange(inspectedText_, text) || text.empty()) return;
    tell("inspecting " + text);
  }

  void tell(const std::string& what) const {
    std::printf("%9.3f s  %s\n", elapsed(), what.c_str());
    std::fflush(stdout);
  }

  static std::string pointText(CGPoint p) {
    char text[64];
    std::snprintf(text, sizeof text, "(%.0f, %.0f)", p.x, p.y);
    return text;
  }

  void report() const {
    std::vector<double> sorted = frameTimes_;
    std::sort(sorted.begin(), sorted.end());
    double slowest = sorted.empty() ? 0 : sorted.back();
    std::printf("lvsim live: %zu frames drawn in %.1f s at scale %.2f; drawing took %.1f ms median, %.1f ms at most\n",
                frameTimes_.size(), elapsed() - options_.resumedAt, scale_, median(frameTimes_), slowest);
    std::fflush(stdout);
  }

  struct Glide {
    CGPoint from{}, to{};
    double began, seconds;
    bool hold;
  };

  QuitOnSignal quitOnSignal_;
  LiveSession& session_;
  const LiveWindowOptions& options_;
  Clock::time_point start_;
  SDL_Window* window_ = nullptr;
  Uint32 saveEvent_ = 0;
  double scale_ = 1;
  int width_ = 0, height_ = 0;
  uint64_t shown_ = 0;
  bool resized_ = true;
  bool refitted_ = false;
  bool done_ = false;
  LiveAction action_ = LiveAction::Quit;
  size_t next_ = 0;
  std::optional<Glide> glide_;
  CGPoint lastScripted_{0, 0};
  bool pressedOutside_ = false;  // the button went down where no finger can
  int saves_ = 0;
  std::string inspectedText_;  // what the inspector last told
  int recordings_ = 0;
  std::vector<double> frameTimes_;
};

}  // namespace

}  // namespace lv::sim

lv::sim::LiveOutcome lv::sim::runLiveWindow(LiveSession& session, const LiveWindowOptions& options) {
  LiveWindow window(session, options);
  return window.run();
}
