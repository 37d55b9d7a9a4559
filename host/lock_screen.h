#pragma once
// The lock screen of a simulated device (the library loaded unless the boot options say
// not), driven as a user and the media system would drive it. Tests and lvsim go through
// this:
//
//   lv::host::BootOptions options;
//   options.settings = {{"kEnabled", true}};
//   auto screen = lv::host::LockScreen::boot(options);
//   screen->play({.title = "Song", .artist = "Artist", .app = "com.example.player", .duration = 215});
//   screen->advance(1);
//   screen->tap("MRUArtworkView");
//   lv::host::LockScreenSnapshot seen = screen->snapshot("expanded");
//
// Booting boots the device (lv::host::Device: profile, system version, stored settings,
// classes left out, the library loaded or not), makes SpringBoard, the window (the
// profile's screen size in points, regular vertical size class) with the wallpaper and
// the cover sheet, and finishes launching. Every driver then lets the run loop settle at the current
// moment (queued blocks, timers due, layout, animation steps), so what it caused is in
// place when it returns; only advance() and drag() move the clock.
//
// One per process, main thread only. Bad input throws SessionError (or BootError from
// boot) before anything is done.
#include <functional>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "host/device.h"
#include "host/lock_screen_snapshot.h"
#include "host/track.h"
#include "uikit/application.h"

namespace uikit {
class TouchInjector;
}

namespace lv::host {

class UnlockPrompt;

struct SessionError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Regular is the phone upright; compact is the phone turned to landscape.
enum class SizeClass { Regular, Compact };

class LockScreen {
 public:
  // Fingers move one display frame apart while dragging.
  static constexpr double kFrame = 1.0 / 60;

  static std::unique_ptr<LockScreen> boot(const BootOptions& options = {},
                                          SizeClass sizeClass = SizeClass::Regular);
  ~LockScreen();
  LockScreen(const LockScreen&) = delete;
  LockScreen& operator=(const LockScreen&) = delete;

  // Gives the media controller the track's now-playing information (setNowPlayingInfo:);
  // the cover sheet shows the platter if none shows and the platter shows the track. A
  // new platter is a new adjunct item view holding the cover sheet's one now-playing view
  // tree (a new tree too with BootOptions::freshNowPlayingTreePerPlay). A file artwork
  // that is missing or not a PNG throws SessionError.
  void play(const Track& track);
  // Nothing plays any more (setNowPlayingInfo: nil): the platter's adjunct item view
  // leaves its superview and the now-playing view tree leaves the platter.
  void stop();
  // Pauses or resumes what plays: the elapsed time holds while paused. Nothing when
  // nothing plays.
  void setPaused(bool paused);
  bool paused() const;
  // Runs the run loop for `seconds` of virtual time; negative or not finite throws.
  void advance(double seconds);
  // From now on, whenever advance() or drag() carries the clock past a moment a whole
  // number of `interval`s from now, the clock stops there, what is due settles and
  // `onFrame` is called (a recorder draws the window then). An empty `onFrame` ends it.
  void setFrameClock(double interval, std::function<void()> onFrame);

  // A tap at a point in window coordinates, or at the centre of the first visible view of
  // a class (SessionError when there is none). A finger cannot go down outside the window:
  // a tap, drag or touchDown there throws SessionError and touches nothing.
  void tap(CGPoint point);
  void tap(std::string_view className);
  // A finger down at `from`, `steps` moves (at least one, a frame apart) to `to`, then up
  // unless `hold`; a held finger stays down until release(). On a scroll view's content a
  // drag that no control takes pans it.
  void drag(CGPoint from, CGPoint to, int steps = 10, bool hold = false);
  // The same across the first visible view of a class, from and to fractions of its
  // width at its middle height.
  void drag(std::string_view className, double from, double to, int steps = 10, bool hold = false);
  // Lifts a held finger; nothing without one.
  void release();
  // A finger put down at a point (lifting any held one first), then moved; release()
  // lifts it. A finger that lifts near where it went down is a tap.
  void touchDown(CGPoint point);
  void touchMove(CGPoint point);
  // The mouse wheel at a point: the scroll view there moves its content by `dy` points
  // (positive shows what lies further down), within its edges.
  void wheel(CGPoint point, double dy);
  bool inWindow(CGPoint point) const;

  // Turning to compact swaps the window's width and height; back to regular undoes it.
  void setSizeClass(SizeClass sizeClass);
  SizeClass sizeClass() const { return sizeClass_; }

  // What shows and what was recorded at this moment, under `name`; no globals without
  // the library.
  LockScreenSnapshot snapshot(std::string_view name) const;

  id window() const { return window_.get(); }
  id coverSheet() const { return coverSheet_.get(); }
  // The first view of a class in the window (depth-first, back to front), or nil; a
  // visible one is shown and has its centre inside the window.
  id firstView(std::string_view className) const;
  id firstVisibleView(std::string_view className) const;
  // The centre of a view's bounds in window coordinates.
  CGPoint centreInWindow(id view) const;

  Device& device() { return *device_; }
  const Library& library() const { return device_->library(); }
  // An exported global of the library (see Library::global).
  template <class T>
  T& global(const char* name) const {
    return library().global<T>(name);
  }
  double now() const;

  // What the system recorded since the process started.
  const std::vector<uikit::ApplicationLaunch>& launches() const;
  long unlockRequests() const;
  long haptics() const;
  long nowPlayingRequests() const;

 private:
  LockScreen(std::unique_ptr<Device> device, SizeClass sizeClass);
  void build(bool freshNowPlayingTreePerPlay);
  void settle();
  // Moves the clock by `seconds`, stopping at each moment of the frame clock.
  void runClock(double seconds);
  CGSize windowSize(SizeClass sizeClass) const;
  Class requireClass(std::string_view className) const;
  // The first view of a class in the window; nil also when the host lacks the class.
  id viewIfAny(const char* className) const;
  id requireVisibleView(std::string_view className) const;
  void requireInWindow(CGPoint point) const;

  std::unique_ptr<Device> device_;
  SizeClass sizeClass_;
  Ref<> application_, window_, wallpaper_, coverSheet_;
  std::unique_ptr<uikit::TouchInjector> fingers_;
  std::unique_ptr<UnlockPrompt> unlockPrompt_;
  struct FrameClock {
    double start = 0, interval = 0;
    long next = 1;  // the number of the next moment from `start`
    std::function<void()> onFrame;
  } frames_;
};

}  // namespace lv::host
