#pragma once
// The main run loop on a virtual clock. Everything of the platform runs on it: timers and
// delayed performs, blocks queued on the main dispatch queue, and at the end of every turn
// a display commit (pending layout passes, then animation progress and completions).
// Main thread only.
#include <functional>
#include <optional>

namespace fnd {

class RunLoop {
 public:
  static RunLoop& main();

  // Virtual seconds since the loop was created.
  double now() const;

  // Runs `block` once after `delay` seconds of virtual time (a negative delay counts as
  // 0; an infinite one never comes). Timers due at the same moment run in the order they
  // were scheduled. Returns a handle for cancel; cancelling a timer that has run or was
  // cancelled does nothing.
  using TimerId = unsigned long;
  TimerId schedule(double delay, std::function<void()> block);
  void cancel(TimerId timer);

  // The main dispatch queue: blocks run in order at the start of the next turn, after the
  // current call has returned.
  void dispatchAsync(std::function<void()> block);

  // The display commit. UIKit registers the layout pass, QuartzCore the animation step;
  // they run in that order at the end of each turn, with the clock's current time.
  enum class CommitPhase { Layout = 0, Animation = 1 };
  void setCommitHandler(CommitPhase phase, std::function<void(double now)> handler);

  // A source of future moments the loop must stop at even without a timer (an animation
  // ending, a delayed animation starting). Returns nothing when it has none. A moment is
  // served by the first commit at or after it.
  void setDeadlineSource(std::function<std::optional<double>()> source);

  // Drivers. `runFor` advances the clock by `seconds`, running a turn at every timer and
  // deadline on the way (the clock lands exactly on each) and a last one at the end time;
  // `runUntilIdle` does the same until nothing is pending, or until `limit` virtual
  // seconds have passed.
  void runFor(double seconds);
  void runUntilIdle(double limit = 600);

  // One turn at the current time: queued blocks, due timers, then the commit. Blocks and
  // timers added during the turn wait for the next one.
  void runOnce();

  // Whether timers, queued blocks or unserved deadlines are pending.
  bool idle() const;

  // Timers scheduled and not yet run or cancelled, delayed performs included.
  size_t pendingTimers() const;

 private:
  RunLoop();
  struct State;
  State* state_;  // never freed: the loop lives as long as the process
};

}  // namespace fnd
