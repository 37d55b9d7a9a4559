#pragma once
// How far a long job is: on a terminal (standard error) a bar redrawn in place with the
// frames done, of how many, and the time left; elsewhere nothing: the job prints its one line at the end.
// Lines printed meanwhile go through clear() first, so the bar never runs into them.
#include <chrono>
#include <string>

namespace lv::sim {

class ProgressBar {
 public:
  // `total` is an estimate: the bar grows it when more are done. A job of no known length
  // (0) shows no bar.
  ProgressBar(std::string label, long total);

  void update(long done);
  // Erases the bar, which the next update() draws again.
  void clear();

 private:
  using Clock = std::chrono::steady_clock;
  std::string label_;
  long total_;
  bool terminal_;
  bool shown_ = false;
  Clock::time_point start_ = Clock::now(), drawn_{};
};

}  // namespace lv::sim
