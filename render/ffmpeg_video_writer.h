#pragma once
// H.264 in MP4 or VP9 in WebM, through FFmpeg's libraries: frames converted to 4:2:0 YUV
// by libyuv (BT.601 matrix, limited range, tagged so that browsers undo it), encoded on a
// fixed number of threads with bit-exact settings, muxed into a hidden file beside the
// target that finish() moves into place.
#include <filesystem>

#include "foundation/atomic_file.h"
#include "render/ffmpeg_handles.h"
#include "render/video_writer.h"

namespace lv::render {

class FfmpegVideoWriter : public VideoWriter {
 public:
  // `format` is Mp4 or WebM.
  FfmpegVideoWriter(const std::filesystem::path& file, const VideoShape& shape, VideoFormat format);
  ~FfmpegVideoWriter() override;

  void finish() override;

 private:
  void addFrame(const FramePixels& pixels) override;
  void openEncoder(VideoFormat format, double fps);
  void openFile();
  // Sends `frame` (null: the end) and writes every packet the encoder has ready.
  void encode(const AVFrame* frame);

  // Declared first, so that it goes last: the hidden file goes with it unless committed.
  fnd::FileBeside file_;
  OutputContextPtr format_;
  CodecContextPtr codec_;
  AVStream* stream_ = nullptr;  // owned by format_
  FramePtr frame_;
  PacketPtr packet_;
  long frames_ = 0;
  bool open_ = false;  // the file's header is written and its trailer is not
};

}  // namespace lv::render
