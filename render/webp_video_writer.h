#pragma once
// An animated WebP (libwebp's animation encoder): lossless frames, each kept only where it
// differs from the one before, so that every frame decodes to exactly the picture given;
// held in memory and written whole by finish().
#include <filesystem>

#include "render/video_writer.h"

struct WebPAnimEncoder;

namespace lv::render {

class WebpVideoWriter : public VideoWriter {
 public:
  WebpVideoWriter(std::filesystem::path file, const VideoShape& shape);
  ~WebpVideoWriter() override;

  void finish() override;

 private:
  void addFrame(const FramePixels& pixels) override;
  // Milliseconds from the first frame to the start of frame `number`.
  int timestamp(long number) const;

  std::filesystem::path file_;
  WebPAnimEncoder* encoder_;
  long frames_ = 0;
};

}  // namespace lv::render
