#include "tools/lvsim/core/video_recorder.h"

#include <cmath>
#include <cstdio>

#include "tools/lvsim/core/host_looks.h"

namespace lv::sim {

namespace {

// Even sizes, as H.264 and VP9 in 4:2:0 need.
int evenPixels(double points, double scale) { return std::max(2, int(points * scale) & ~1); }

}  // namespace

}  // namespace lv::sim

long lv::sim::framesFor(double seconds, double fps) { return long(std::floor(seconds * fps + 1e-6)) + 1; }

lv::sim::VideoRecorder::VideoRecorder(lv::host::LockScreen& screen, const std::filesystem::path& file,
                                      const VideoOptions& options, long expectedFrames)
    : screen_(screen),
      file_(file),
      fps_(options.fps),
      scale_(options.scale.value_or(screen.device().profile().scale)),
      expectedFrames_(expectedFrames),
      progress_(file.filename().string(), expectedFrames) {
  lv::sim::addHostLooks(renderer_.rules());
  CGRect frame = send<CGRect>(screen.window(), "frame"_sel);
  width_ = evenPixels(frame.size.width, scale_);
  height_ = evenPixels(frame.size.height, scale_);
  writer_ = lv::render::openVideoWriter(file, {.width = width_, .height = height_, .fps = fps_});
  takeFrame();
  screen_.setFrameClock(1 / fps_, [this] { takeFrame(); });
}

lv::sim::VideoRecorder::~VideoRecorder() {
  screen_.setFrameClock(0, {});
  progress_.clear();
}

std::optional<lv::render::Picture> lv::sim::VideoRecorder::draw(long number) {
  auto picture = renderer_.renderWindow(screen_.window(), scale_);
  if (picture) return std::move(picture.value());
  failure_ = "cannot draw frame " + std::to_string(number) + ": " + picture.error().reason;
  return std::nullopt;
}

void lv::sim::VideoRecorder::takeFrame() {
  if (failure_) return;
  try {
    if (held_) writer_->add(*held_);
  } catch (const lv::render::VideoError& e) {
    failure_ = e.what();
    return;
  }
  held_ = draw(frames_ + 1);
  if (held_) progress_.update(++frames_);
}

std::string lv::sim::VideoRecorder::plan() const {
  char line[128];
  std::snprintf(line, sizeof line, ": %ld frames to record, %d x %d at %g fps", expectedFrames_, width_, height_, fps_);
  return file_.string() + line;
}

std::string lv::sim::VideoRecorder::finish() {
  screen_.setFrameClock(0, {});
  if (!failure_) held_ = draw(frames_);
  if (failure_) throw lv::render::VideoError(*failure_);
  writer_->add(*held_);
  writer_->finish();
  char line[128];
  std::snprintf(line, sizeof line, ": %ld frames, %d x %d at %g fps, %.3f s", frames_, width_, height_, fps_,
                frames_ / fps_);
  progress_.clear();
  return file_.string() + line;
}
