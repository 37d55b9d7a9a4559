#pragma once
// Moving pictures written a frame at a time. The file's extension picks the format: .mp4
// (H.264 in MP4, moov first so that a browser plays it as it loads), .webm (VP9) or .webp
// (an animated WebP, small enough for a page). Encoders run on one thread with fixed
// settings and nothing of the wall clock goes into the file, so the same frames give the
// same bytes. The file appears whole when finish() returns, and not at all before.
//
//   auto writer = lv::render::openVideoWriter("story.mp4", {.width = 390, .height = 844, .fps = 60});
//   writer->add(picture);
//   writer->finish();
//
// A writer is used from one thread at a time; encoders may run threads of their own, which
// change neither the bytes nor the order of frames. Failures throw VideoError.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>

#include "render/picture.h"

namespace lv::render {

struct VideoError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

enum class VideoFormat { Mp4, WebM, WebP };

// The format of a file's extension (in any case), or none.
std::optional<VideoFormat> videoFormatOf(const std::filesystem::path& file);

// Sizes in pixels, even for H.264 and VP9; frames per second of the virtual clock.
struct VideoShape {
  int width = 0, height = 0;
  double fps = 60;
};

// The pixels of a frame as encoders take them: the shape's size, premultiplied ARGB in
// native 32-bit words (cairo's layout), rows `stride` bytes apart. Borrowed for one call.
struct FramePixels {
  const uint8_t* data;
  int stride;
};

class VideoWriter {
 public:
  virtual ~VideoWriter() = default;
  // A writer owns its encoder and file: it is neither copied nor moved.
  VideoWriter(const VideoWriter&) = delete;
  VideoWriter& operator=(const VideoWriter&) = delete;
  // A frame of what `picture` shows: the picture itself, cut to size when it is at most a
  // pixel larger (an odd size rounded down to an even one), or else scaled to fit, centred
  // on black.
  void add(const Picture& picture);
  // Encodes what is pending and puts the file in place.
  virtual void finish() = 0;

 protected:
  explicit VideoWriter(const VideoShape& shape) : shape_(shape) {}
  virtual void addFrame(const FramePixels& frame) = 0;

  VideoShape shape_;
};

std::unique_ptr<VideoWriter> openVideoWriter(const std::filesystem::path& file, const VideoShape& shape);

}  // namespace lv::render
