#include "tools/lvsim/core/progress_bar.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace lv::sim {

namespace {

constexpr int kBarWidth = 30;
constexpr auto kRedrawEvery = std::chrono::milliseconds(100);

}  // namespace

}  // namespace lv::sim

lv::sim::ProgressBar::ProgressBar(std::string label, long total)
    : label_(std::move(label)), total_(total), terminal_(total > 0 && isatty(STDERR_FILENO)) {}

void lv::sim::ProgressBar::update(long done) {
  total_ = std::max(total_, done);
  Clock::time_point now = Clock::now();
  if (!terminal_ || (shown_ && now - drawn_ < kRedrawEvery && done < total_)) return;
  drawn_ = now;
  shown_ = true;
  int filled = int(kBarWidth * done / total_);
  double spent = std::chrono::duration<double>(now - start_).count();
  double left = done > 0 ? spent / done * (total_ - done) : 0;
  std::fprintf(stderr, "\r\033[K%s [%s%s] %ld of %ld frames, %.0f s left", label_.c_str(),
               std::string(size_t(filled), '#').c_str(), std::string(size_t(kBarWidth - filled), '.').c_str(), done,
               total_, left);
  std::fflush(stderr);
}

void lv::sim::ProgressBar::clear() {
  if (!shown_) return;
  std::fprintf(stderr, "\r\033[K");
  std::fflush(stderr);
  shown_ = false;
}
