#pragma once
// Records what a lock screen shows into a video file (render/video_writer.h) on its
// virtual clock: a frame when recording starts, then one at every 1/fps of the clock as
// the screen's advances and drags carry it on (lv::host::LockScreen::setFrameClock), each
// drawn by the renderer at that moment. Frames keep the first one's size: after a turn of
// the phone the window is fitted into it. The last frame shows the screen as the story
// left it, after steps that take no time at its end. A progress bar shows how far it is.
//
// Main thread only; one at a time per lock screen. Destroyed before finish(), nothing is
// written.
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "host/lock_screen.h"
#include "render/renderer.h"
#include "render/video_writer.h"
#include "tools/lvsim/core/progress_bar.h"
#include "tools/lvsim/core/video_option.h"

namespace lv::sim {

class VideoRecorder {
 public:
  // Starts at the current moment; `expectedFrames` feeds the progress bar (0: none). Throws
  // lv::render::VideoError.
  VideoRecorder(lv::host::LockScreen& screen, const std::filesystem::path& file, const VideoOptions& options,
                long expectedFrames);
  ~VideoRecorder();
  VideoRecorder(const VideoRecorder&) = delete;
  VideoRecorder& operator=(const VideoRecorder&) = delete;

  // Stops recording, erases the progress bar and writes the file; returns the line that
  // says what it holds.
  // Throws lv::render::VideoError, also for a frame that could not be drawn.
  std::string finish();
  // The line that says what the recording will hold, before it starts.
  std::string plan() const;
  // Erases the progress bar before a line is printed.
  void clearProgress() { progress_.clear(); }
  const std::filesystem::path& file() const { return file_; }

 private:
  // Draws the screen now into held_, after passing the frame held before to the writer.
  void takeFrame();
  // The screen now as frame `number` (from 1), or none (failure_ says why).
  std::optional<lv::render::Picture> draw(long number);

  lv::host::LockScreen& screen_;
  std::filesystem::path file_;
  double fps_, scale_;
  lv::render::Renderer renderer_;
  std::unique_ptr<lv::render::VideoWriter> writer_;
  int width_ = 0, height_ = 0;
  long expectedFrames_;
  long frames_ = 0;
  // The newest frame, not yet written: finish() draws it again, as the story ends.
  std::optional<lv::render::Picture> held_;
  std::optional<std::string> failure_;  // the first frame that failed; none are taken after it
  ProgressBar progress_;
};

// The frames a recording of `seconds` of the clock holds: one at the start and one at
// every 1/fps after it.
long framesFor(double seconds, double fps);

}  // namespace lv::sim
