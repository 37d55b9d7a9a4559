#include "foundation/run_loop.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "foundation/dispatch.h"
#include "foundation/values.h"

namespace {

using fnd::RunLoop;

struct Event {
  std::string what;
  double at;
  bool operator==(const Event&) const = default;
};

std::vector<Event> events;

void note(const std::string& what) { events.push_back({what, RunLoop::main().now()}); }

std::function<void()> noting(std::string what) {
  return [what] { note(what); };
}

TEST(RunLoop, TimersRunInTimeOrderOnTheirTimesUnlessCancelled) {
  RunLoop& loop = RunLoop::main();
  loop.schedule(0.75, noting("c"));
  loop.schedule(0.25, noting("a"));
  loop.schedule(0.5, noting("b1"));
  RunLoop::TimerId gone = loop.schedule(0.5, noting("gone"));
  loop.schedule(0.5, noting("b2"));
  loop.schedule(-3, noting("now"));
  RunLoop::TimerId kept = loop.schedule(2, noting("later"));
  loop.cancel(gone);
  loop.runFor(1);
  EXPECT_EQ(events, (std::vector<Event>{{"now", 0}, {"a", 0.25}, {"b1", 0.5}, {"b2", 0.5}, {"c", 0.75}}));
  EXPECT_EQ(loop.now(), 1);
  EXPECT_FALSE(loop.idle());
  loop.runFor(1);
  EXPECT_EQ(events.back(), (Event{"later", 2}));
  loop.cancel(kept);
  loop.cancel(gone);
  EXPECT_TRUE(loop.idle());
}

TEST(RunLoop, WorkAddedDuringATurnWaitsForTheNextTurn) {
  RunLoop& loop = RunLoop::main();
  loop.setCommitHandler(RunLoop::CommitPhase::Layout, [](double) { note("layout"); });
  loop.setCommitHandler(RunLoop::CommitPhase::Animation, [](double) { note("animation"); });
  loop.schedule(0, [&loop] {
    note("timer");
    loop.schedule(0, noting("timer from timer"));
    loop.dispatchAsync(noting("block from timer"));
  });
  loop.dispatchAsync([&loop] {
    loop.dispatchAsync(noting("block from block"));
    note("block");
  });
  loop.runOnce();
  EXPECT_EQ(events, (std::vector<Event>{{"block", 0}, {"timer", 0}, {"layout", 0}, {"animation", 0}}));
  events.clear();
  loop.runFor(0);
  EXPECT_EQ(events, (std::vector<Event>{{"block from block", 0},
                                        {"block from timer", 0},
                                        {"timer from timer", 0},
                                        {"layout", 0},
                                        {"animation", 0}}));
  EXPECT_TRUE(loop.idle());
}

TEST(RunLoop, DeadlinesAreStopsUntilACommitServesThem) {
  RunLoop& loop = RunLoop::main();
  std::vector<double> pending{0.3, 0.7};
  loop.setDeadlineSource([&pending]() -> std::optional<double> {
    if (pending.empty()) return {};
    return pending.front();
  });
  loop.setCommitHandler(RunLoop::CommitPhase::Animation, [&pending](double now) {
    note("commit");
    while (!pending.empty() && pending.front() <= now) pending.erase(pending.begin());
  });
  EXPECT_FALSE(loop.idle());
  loop.runFor(1);
  EXPECT_EQ(events, (std::vector<Event>{{"commit", 0}, {"commit", 0.3}, {"commit", 0.7}, {"commit", 1}}));
  EXPECT_TRUE(loop.idle());
  loop.setDeadlineSource(nullptr);
  loop.setCommitHandler(RunLoop::CommitPhase::Animation, nullptr);
}

TEST(RunLoop, RunUntilIdleStopsWhenNothingIsPendingOrAtTheLimit) {
  RunLoop& loop = RunLoop::main();
  loop.schedule(3, [&loop] { loop.schedule(4, noting("chained")); });
  loop.runUntilIdle();
  EXPECT_EQ(events, (std::vector<Event>{{"chained", 7}}));
  EXPECT_EQ(loop.now(), 7);

  std::function<void()> forever = [&] { loop.schedule(10, forever); };
  loop.schedule(10, forever);
  loop.runUntilIdle(25);
  EXPECT_EQ(loop.now(), 32);
  EXPECT_FALSE(loop.idle());
}

TEST(RunLoop, RunPacedFollowsTheWallClock) {
  RunLoop& loop = RunLoop::main();
  bool fired = false;
  loop.schedule(0.03, [&] { fired = true; });
  int checks = 0;
  loop.runPaced([&] { return !fired && ++checks < 1000; });
  EXPECT_TRUE(fired);
  EXPECT_GE(loop.now(), 0.03);
}

TEST(RunLoop, EachTurnDrainsItsAutoreleasePool) {
  long before = rt::liveObjectCount();
  RunLoop::main().schedule(1, [] { fnd::string("short-lived"); });
  RunLoop::main().schedule(1, [before] { EXPECT_EQ(rt::liveObjectCount(), before + 1); });
  RunLoop::main().runFor(1);
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
