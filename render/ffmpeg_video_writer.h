#pragma once
// H.264 in MP4 or VP9 in WebM, through FFmpeg's libraries: frames converted to 4:2:0 YUV
// by libyuv (BT.601 matrix, limited range, tagged so that browsers undo it), encoded on a
// fixed number of threads with bit-exact settings, muxed into a hidden file beside the
// target that finish() moves into place.
#include <filesystem>

#include "foundation/atomic_file.h"
#include "render/video_writer.h"

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct AVStream;

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
  // Frees what FFmpeg holds; the hidden file goes with file_ unless committed.
  void release();
  void openFile();
  // Sends `frame` (null: the end) and writes every packet the encoder has ready.
  void encode(const AVFrame* frame);

  fnd::FileBeside file_;
  AVFormatContext* format_ = nullptr;
  AVCodecContext* codec_ = nullptr;
  AVStream* stream_ = nullptr;
  AVFrame* frame_ = nullptr;
  AVPacket* packet_ = nullptr;
  long frames_ = 0;
  bool open_ = false;  // the file's header is written and its trailer is not
};

}  // namespace lv::render
