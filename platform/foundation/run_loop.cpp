#include "foundation/run_loop.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "runtime/runtime.h"

namespace fnd {

namespace {

constexpr double kNever = std::numeric_limits<double>::infinity();

void requireBlock(const std::function<void()>& block, const char* where) {
  if (!block) rt::fatal(std::string("RunLoop::") + where + ": the block is empty");
}

void requireSpan(double seconds, const char* where) {
  if (!std::isfinite(seconds) || seconds < 0)
    rt::fatal(std::string("RunLoop::") + where + ": the span must be finite and not negative, not " +
              std::to_string(seconds));
}

}  // namespace

struct RunLoop::State {
  // Keyed by due time, then by scheduling order, so equal times keep their order.
  using Timers = std::map<std::pair<double, TimerId>, std::function<void()>>;

  double now = 0;
  double lastCommit = -kNever;
  TimerId lastTimer = 0;
  Timers timers;
  std::unordered_map<TimerId, Timers::iterator> byId;
  std::vector<std::function<void()>> queue;
  std::function<void(double)> commit[2];
  std::function<std::optional<double>()> deadlines;

  // A deadline is served by the first commit at or after it.
  std::optional<double> pendingDeadline() const {
    if (!deadlines) return {};
    std::optional<double> d = deadlines();
    if (!d || !(*d > lastCommit)) return {};
    return d;
  }

  // The next moment at which a turn has work to do; infinity when there is none.
  double nextStop() const {
    if (!queue.empty()) return now;
    double next = timers.empty() ? kNever : timers.begin()->first.first;
    if (std::optional<double> d = pendingDeadline()) next = std::min(next, *d);
    return std::max(next, now);
  }

  bool idle() const { return queue.empty() && timers.empty() && !pendingDeadline(); }

  void turn() {
    rt::AutoreleasePool pool;
    // Timers scheduled from here on wait for the next turn, even when already due.
    const TimerId lastDue = lastTimer;
    {
      std::vector<std::function<void()>> blocks = std::move(queue);
      queue.clear();
      for (auto& block : blocks) block();
    }
    while (!timers.empty()) {
      auto first = timers.begin();
      auto [at, timer] = first->first;
      if (at > now || timer > lastDue) break;
      std::function<void()> block = std::move(first->second);
      timers.erase(first);
      byId.erase(timer);
      block();
    }
    for (auto& phase : commit)
      if (phase) phase(now);
    lastCommit = now;
  }

  // Turns at the current time until nothing more is due at it.
  void settle() {
    do turn();
    while (nextStop() <= now);
  }

  // Runs every stop up to `end`, then lands on `end` with a last turn.
  void advanceTo(double end) {
    settle();
    for (double next = nextStop(); next <= end; next = nextStop()) {
      now = next;
      settle();
    }
    land(end);
  }

  void land(double end) {
    if (now >= end) return;
    now = end;
    turn();
  }
};

RunLoop::RunLoop() : state_(new State) {}

RunLoop& RunLoop::main() {
  static RunLoop* loop = new RunLoop;
  return *loop;
}

double RunLoop::now() const { return state_->now; }

RunLoop::TimerId RunLoop::schedule(double delay, std::function<void()> block) {
  requireBlock(block, "schedule");
  if (std::isnan(delay)) rt::fatal("RunLoop::schedule: the delay is not a number");
  State& s = *state_;
  TimerId timer = ++s.lastTimer;
  auto at = s.timers.emplace(std::pair(s.now + std::max(delay, 0.0), timer), std::move(block));
  s.byId.emplace(timer, at.first);
  return timer;
}

void RunLoop::cancel(TimerId timer) {
  State& s = *state_;
  auto found = s.byId.find(timer);
  if (found == s.byId.end()) return;
  // The block dies after the tables are consistent: releasing what it holds may reenter.
  auto node = s.timers.extract(found->second);
  s.byId.erase(found);
}

void RunLoop::dispatchAsync(std::function<void()> block) {
  requireBlock(block, "dispatchAsync");
  state_->queue.push_back(std::move(block));
}

void RunLoop::setCommitHandler(CommitPhase phase, std::function<void(double)> handler) {
  state_->commit[static_cast<int>(phase)] = std::move(handler);
}

void RunLoop::setDeadlineSource(std::function<std::optional<double>()> source) {
  state_->deadlines = std::move(source);
}

void RunLoop::runFor(double seconds) {
  requireSpan(seconds, "runFor");
  state_->advanceTo(state_->now + seconds);
}

void RunLoop::runUntilIdle(double limit) {
  requireSpan(limit, "runUntilIdle");
  State& s = *state_;
  const double end = s.now + limit;
  s.settle();
  while (!s.idle()) {
    double next = s.nextStop();
    if (next > end) {
      s.land(end);
      return;
    }
    s.now = next;
    s.settle();
  }
}

void RunLoop::runOnce() { state_->turn(); }

bool RunLoop::idle() const { return state_->idle(); }

size_t RunLoop::pendingTimers() const { return state_->timers.size(); }

}  // namespace fnd
