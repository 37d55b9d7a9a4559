#pragma once
// Owning handles of FFmpeg objects, each freed by the function FFmpeg pairs with its maker.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <memory>

namespace lv::render {

struct CodecContextDeleter {
  void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
using CodecContextPtr = std::unique_ptr<AVCodecContext, CodecContextDeleter>;

struct FrameDeleter {
  void operator()(AVFrame* f) const { av_frame_free(&f); }
};
using FramePtr = std::unique_ptr<AVFrame, FrameDeleter>;

struct PacketDeleter {
  void operator()(AVPacket* p) const { av_packet_free(&p); }
};
using PacketPtr = std::unique_ptr<AVPacket, PacketDeleter>;

// A context from avformat_alloc_output_context2; the file it writes, if open, closes with it.
struct OutputContextDeleter {
  void operator()(AVFormatContext* f) const {
    avio_closep(&f->pb);
    avformat_free_context(f);
  }
};
using OutputContextPtr = std::unique_ptr<AVFormatContext, OutputContextDeleter>;

// A context from avformat_open_input.
struct InputContextDeleter {
  void operator()(AVFormatContext* f) const { avformat_close_input(&f); }
};
using InputContextPtr = std::unique_ptr<AVFormatContext, InputContextDeleter>;

}  // namespace lv::render
