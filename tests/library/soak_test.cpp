// An hour of the lock screen in use: the marquee scrolling, the time ticking, the artwork
// tapped open and shut, drags on the scrubber, track changes, stop and play, turns of the
// phone. Each five minutes end where start-up settled, and so must everything the run
// loop and the runtime hold.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <vector>

#include "foundation/notification_center.h"
#include "foundation/perform_requests.h"
#include "support/lock_screen_helpers.h"

namespace {

using namespace testing_support;
using lv::host::LockScreen;
using lv::host::SizeClass;

// Objects alive, delayed performs, pending timers and observations.
using Held = std::tuple<long, size_t, size_t, size_t>;

Held held() {
  return {rt::liveObjectCount(), fnd::pendingPerformRequests(), fnd::RunLoop::main().pendingTimers(),
          fnd::observationCount(send<id>(objc_getClass("NSNotificationCenter"), "defaultCenter"_sel))};
}

const lv::host::Track kTracks[] = {
    song("A title far too long for the platter, so that the marquee has to scroll it"),
    {"Short", "An artist whose name scrolls as well, it is that long", "com.example.radio", 3600,
     lv::host::Artwork::none()},
    song("Night Drive"),
};

// The marquee starts afresh at every play and keeps its cycle after a stop, so the same
// play and stop leave it at the same point of its cycle.
void playThenStop(LockScreen& s) {
  s.play(kTracks[0]);
  s.advance(25);
  s.stop();
  s.advance(5);
}

// Five minutes of use from a stopped platter back to one, as (seconds to wait, then what
// the user does).
const std::vector<std::pair<double, std::function<void(LockScreen&)>>> kFiveMinutes = {
    {0, [](LockScreen& s) { s.play(kTracks[0]); }},
    {20, [](LockScreen& s) { s.tap("MRUArtworkView"); }},
    {25, [](LockScreen& s) { s.tap("MRUArtworkView"); }},
    {15, [](LockScreen& s) { s.drag("MRUNowPlayingTimeControlsView", 0.2, 0.7, 12, true); }},
    {2, [](LockScreen& s) { s.release(); }},
    {30, [](LockScreen& s) { s.play(kTracks[1]); }},
    {25, [](LockScreen& s) { s.setPaused(true); }},
    {20, [](LockScreen& s) { s.setPaused(false); }},
    {18, [](LockScreen& s) { s.setSizeClass(SizeClass::Compact); }},
    {10, [](LockScreen& s) {
       s.drag({100, 340}, {100, 40});  // the platter starts below the landscape window
       s.tap("MRUArtworkView");
     }},
    {20, [](LockScreen& s) { s.setSizeClass(SizeClass::Regular); }},
    {5, [](LockScreen& s) { s.tap("MRUArtworkView"); }},
    {30, [](LockScreen& s) { s.play(kTracks[2]); }},
    {20, [](LockScreen& s) { s.drag("MRUNowPlayingTimeControlsView", 0.9, 0.1); }},
    {25, [](LockScreen& s) { s.stop(); }},
    {5, playThenStop},
};

// Start-up has settled once the time labels' first pause (five minutes) is over.
TEST(Soak, AnHourOfUseHoldsNothingMoreThanStartUp) {
  auto screen = bootEnabled();
  screen->play(kTracks[0]);
  screen->advance(330);
  screen->stop();
  screen->advance(5);
  playThenStop(*screen);
  const Held baseline = held();

  std::vector<Held> afterEach;
  for (int cycle = 0; cycle < 12; ++cycle) {
    for (const auto& [wait, act] : kFiveMinutes) {
      screen->advance(wait);
      act(*screen);
    }
    afterEach.push_back(held());
  }
  EXPECT_GE(screen->now(), 365 + 3600);
  EXPECT_EQ(afterEach, std::vector<Held>(12, baseline));
}

}  // namespace
