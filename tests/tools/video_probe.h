#pragma once
// A video file read back, with FFmpeg's libraries (libwebp's for an animated WebP, which
// this FFmpeg does not read): its codec, size, pixel format and the frames it decodes to.
extern "C" {
#include <libavutil/pixdesc.h>
}
#include <webp/demux.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "render/ffmpeg_handles.h"
#include "tools/lvsim_process.h"

namespace testing_support {

struct VideoProbe {
  std::string codec;
  int width = 0, height = 0;
  std::string pixelFormat;
  long frames = -1;        // -1: the file could not be read; a WebP's still frames are merged
  long milliseconds = -1;  // WebP only: when the last frame ends
  std::vector<uint8_t> lastFrame = {};  // WebP only: the last frame's RGBA pixels
};

inline VideoProbe probeWebp(const std::filesystem::path& file) {
  std::string bytes = readFile(file);
  WebPData data{reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
  std::unique_ptr<WebPAnimDecoder, decltype(&WebPAnimDecoderDelete)> decoder(WebPAnimDecoderNew(&data, nullptr),
                                                                            WebPAnimDecoderDelete);
  VideoProbe probe;
  WebPAnimInfo info;
  if (!decoder || !WebPAnimDecoderGetInfo(decoder.get(), &info)) return probe;
  probe = {"webp", int(info.canvas_width), int(info.canvas_height), "rgba", 0, 0};
  uint8_t* pixels = nullptr;
  int timestamp = 0;
  while (WebPAnimDecoderHasMoreFrames(decoder.get()) && WebPAnimDecoderGetNext(decoder.get(), &pixels, &timestamp))
    ++probe.frames;
  probe.milliseconds = timestamp;
  if (pixels) probe.lastFrame.assign(pixels, pixels + size_t(probe.width) * probe.height * 4);
  return probe;
}

inline VideoProbe probeVideo(const std::filesystem::path& file) {
  if (file.extension() == ".webp") return probeWebp(file);
  VideoProbe probe;
  AVFormatContext* opened = nullptr;
  if (avformat_open_input(&opened, file.c_str(), nullptr, nullptr) < 0) return probe;
  lv::render::InputContextPtr format(opened);
  const AVCodec* codec = nullptr;
  int index = avformat_find_stream_info(format.get(), nullptr) < 0
                  ? -1
                  : av_find_best_stream(format.get(), AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
  if (index < 0) return probe;
  lv::render::CodecContextPtr decoder(avcodec_alloc_context3(codec));
  if (!decoder || avcodec_parameters_to_context(decoder.get(), format->streams[index]->codecpar) < 0 ||
      avcodec_open2(decoder.get(), codec, nullptr) < 0)
    return probe;
  probe = {codec->name, decoder->width, decoder->height, av_get_pix_fmt_name(decoder->pix_fmt), 0, -1};
  lv::render::PacketPtr packet(av_packet_alloc());
  lv::render::FramePtr frame(av_frame_alloc());
  auto drain = [&] {
    while (avcodec_receive_frame(decoder.get(), frame.get()) >= 0) ++probe.frames;
  };
  while (av_read_frame(format.get(), packet.get()) >= 0) {
    if (packet->stream_index == index && avcodec_send_packet(decoder.get(), packet.get()) >= 0) drain();
    av_packet_unref(packet.get());
  }
  avcodec_send_packet(decoder.get(), nullptr);
  drain();
  return probe;
}

}  // namespace testing_support
