#include "foundation/run_loop.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "foundation/dispatch.h"
#include "foundation/values.h"
#include "quartz/animation_engine.h"
#include "uikit/view.h"

namespace {

using fnd::RunLoop;
using Phase = RunLoop::CommitPhase;

// What ran, with the time since the test began.
using Events = std::vector<std::pair<std::string, double>>;

class RunLoopTest : public testing::Test {
 protected:
  // The loop is the process's: its clock runs on, and UIKit's and QuartzCore's commit
  // handlers go back when a test has replaced them.
  void TearDown() override {
    loop.setCommitHandler(Phase::Layout, [](double) { uikit::runLayoutPass(); });
    quartz::installAnimationEngine();
  }
  // Rounded to the microsecond: the clock's start is not a round number.
  double elapsed() const { return std::round((loop.now() - start) * 1e6) / 1e6; }
  void note(const std::string& what) { events.emplace_back(what, elapsed()); }
  std::function<void()> noting(std::string what) { return [this, what] { note(what); }; }
  RunLoop& loop = RunLoop::main();
  double start = loop.now();
  Events events;
};

// Cancelling a timer that ran or was cancelled does nothing. (Deadlines are stops as well:
// the animation tests see each animation end at its very time.)
TEST_F(RunLoopTest, TimersRunInTimeOrderOnTheirTimesUnlessCancelledUntilIdle) {
  std::vector<RunLoop::TimerId> ids;
  for (auto [delay, name] : {std::pair{0.75, "c"}, {0.25, "a"}, {0.5, "b1"}, {0.5, "gone"}, {0.5, "b2"}, {-3.0, "now"},
                             {2.0, "later"}})
    ids.push_back(loop.schedule(delay, noting(name)));
  loop.cancel(ids[3]);
  loop.runFor(1);
  EXPECT_EQ(events, (Events{{"now", 0}, {"a", 0.25}, {"b1", 0.5}, {"b2", 0.5}, {"c", 0.75}}));
  EXPECT_EQ(elapsed(), 1);
  EXPECT_FALSE(loop.idle());
  loop.runFor(1);
  EXPECT_EQ(events.back(), (Events::value_type{"later", 2}));
  loop.cancel(ids[6]);
  loop.cancel(ids[3]);
  EXPECT_TRUE(loop.idle());
  // runUntilIdle runs chained timers until nothing is pending, or to its limit.
  loop.schedule(3, [this] { loop.schedule(4, noting("chained")); });
  loop.runUntilIdle();
  EXPECT_EQ(events.back(), (Events::value_type{"chained", 9}));
  EXPECT_EQ(elapsed(), 9);
  RunLoop::TimerId next = 0;
  std::function<void()> forever = [&] { next = loop.schedule(10, forever); };
  forever();
  loop.runUntilIdle(25);
  EXPECT_EQ(elapsed(), 34);
  EXPECT_FALSE(loop.idle());
  loop.cancel(next);
}

TEST_F(RunLoopTest, WorkAddedDuringATurnWaitsForTheNextTurn) {
  loop.setCommitHandler(Phase::Layout, [this](double) { note("layout"); });
  loop.setCommitHandler(Phase::Animation, [this](double) { note("animation"); });
  loop.schedule(0, [this] {
    note("timer");
    loop.schedule(0, noting("timer from timer"));
    loop.dispatchAsync(noting("block from timer"));
  });
  loop.dispatchAsync([this] {
    loop.dispatchAsync(noting("block from block"));
    note("block");
  });
  loop.runOnce();
  EXPECT_EQ(events, (Events{{"block", 0}, {"timer", 0}, {"layout", 0}, {"animation", 0}}));
  events.clear();
  loop.runFor(0);
  EXPECT_EQ(events, (Events{{"block from block", 0}, {"block from timer", 0}, {"timer from timer", 0},
                            {"layout", 0}, {"animation", 0}}));
  EXPECT_TRUE(loop.idle());
}

TEST_F(RunLoopTest, EachTurnDrainsItsPool) {
  long before = rt::liveObjectCount();
  loop.schedule(1, [] { fnd::string("short-lived"); });
  loop.schedule(1, [before] { EXPECT_EQ(rt::liveObjectCount(), before + 1); });
  loop.runFor(1);
  EXPECT_EQ(rt::liveObjectCount(), before);
}

TEST(RunLoopDeathTest, BadSpansAndBlocksAreFatal) {
  EXPECT_DEATH(RunLoop::main().runFor(-1), "runFor: the span must be finite");
  EXPECT_DEATH(RunLoop::main().runUntilIdle(INFINITY), "runUntilIdle: the span must be finite");
  EXPECT_DEATH(RunLoop::main().schedule(NAN, [] {}), "delay is not a number");
  EXPECT_DEATH(RunLoop::main().dispatchAsync(nullptr), "block is empty");
  EXPECT_DEATH(dispatch_async(nullptr, [] {}), "not the main queue");
}

}  // namespace
