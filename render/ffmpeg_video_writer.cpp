#include "render/ffmpeg_video_writer.h"

extern "C" {
#include <libavutil/opt.h>
}
#include <libyuv/convert.h>

#include <algorithm>
#include <bit>
#include <string>
#include <utility>
#include <vector>

namespace lv::render {

namespace {

// Frames between key frames: a viewer can seek to every other second.
constexpr double kKeyFrameSeconds = 2;

// Encoder threads. A fixed number: what an encoder writes depends on how many threads
// share its work, never on how they are scheduled.
constexpr int kThreads = 2;

// A picture's native ARGB words in libyuv's names of byte orders. Premultiplied pixels come
// out as if over black; a screen's are opaque, where the two are the same.
constexpr auto toI420 = std::endian::native == std::endian::little ? libyuv::ARGBToI420 : libyuv::BGRAToI420;

std::string avError(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(code, text, sizeof text);
  return text;
}

void check(int code, const std::string& what) {
  if (code < 0) throw VideoError(what + ": " + avError(code));
}

fnd::FileBeside besideOrThrow(const std::filesystem::path& file) {
  auto made = fnd::FileBeside::create(file.string());
  if (!made) throw VideoError("cannot write the file: " + made.error().reason);
  return std::move(made.value());
}

struct Encoder {
  const char* muxer;
  const char* codec;
  const char* name;  // for error lines
  // Options as name, value pairs: quality and speed, never threads or the wall clock.
  std::vector<std::pair<const char*, const char*>> options;
};

Encoder encoderFor(VideoFormat format) {
  if (format == VideoFormat::Mp4) return {"mp4", "libx264", "H.264", {{"preset", "ultrafast"}, {"crf", "23"}}};
  return {"webm", "libvpx-vp9", "VP9",
          {{"deadline", "good"}, {"cpu-used", "5"}, {"crf", "34"}, {"b", "0"}, {"row-mt", "0"}}};
}

}  // namespace

}  // namespace lv::render

lv::render::FfmpegVideoWriter::FfmpegVideoWriter(const std::filesystem::path& file, const VideoShape& shape,
                                                 VideoFormat format)
    : VideoWriter(shape), file_(besideOrThrow(file)) {
  openEncoder(format, shape.fps);
  openFile();
}

lv::render::FfmpegVideoWriter::~FfmpegVideoWriter() {
  if (open_) av_write_trailer(format_.get());
}

void lv::render::FfmpegVideoWriter::openEncoder(VideoFormat format, double fps) {
  Encoder encoder = encoderFor(format);
  // Failures come back as codes and reach the user as one line; FFmpeg's own log stays out.
  av_log_set_level(AV_LOG_QUIET);
  const AVCodec* codec = avcodec_find_encoder_by_name(encoder.codec);
  if (!codec) throw VideoError(std::string("this FFmpeg has no ") + encoder.name + " encoder (" + encoder.codec + ")");
  AVFormatContext* made = nullptr;
  check(avformat_alloc_output_context2(&made, nullptr, encoder.muxer, ("file:" + file_.path()).c_str()),
        "cannot make the container");
  format_.reset(made);
  format_->flags |= AVFMT_FLAG_BITEXACT;
  codec_.reset(avcodec_alloc_context3(codec));
  if (!codec_) throw VideoError("out of memory");
  AVRational rate = av_d2q(fps, 1001000);
  codec_->width = shape_.width;
  codec_->height = shape_.height;
  codec_->pix_fmt = AV_PIX_FMT_YUV420P;
  codec_->framerate = rate;
  codec_->time_base = av_inv_q(rate);
  codec_->gop_size = std::max(1, int(fps * kKeyFrameSeconds));
  codec_->thread_count = kThreads;
  // Frames in the order shown: with none reordered the container needs no edit list, which
  // players differ on (some drop the last frame).
  codec_->max_b_frames = 0;
  codec_->flags |= AV_CODEC_FLAG_BITEXACT;
  codec_->color_range = AVCOL_RANGE_MPEG;
  codec_->colorspace = AVCOL_SPC_SMPTE170M;  // the matrix toI420 uses
  codec_->color_primaries = AVCOL_PRI_BT709;
  codec_->color_trc = AVCOL_TRC_BT709;
  if (format_->oformat->flags & AVFMT_GLOBALHEADER) codec_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  AVDictionary* options = nullptr;
  for (const auto& [name, value] : encoder.options) av_dict_set(&options, name, value, 0);
  int opened = avcodec_open2(codec_.get(), codec, &options);
  av_dict_free(&options);
  check(opened, std::string("cannot start the ") + encoder.name + " encoder");

  frame_.reset(av_frame_alloc());
  packet_.reset(av_packet_alloc());
  if (!frame_ || !packet_) throw VideoError("out of memory");
  frame_->format = codec_->pix_fmt;
  frame_->width = shape_.width;
  frame_->height = shape_.height;
  check(av_frame_get_buffer(frame_.get(), 0), "cannot hold a frame");
}

void lv::render::FfmpegVideoWriter::openFile() {
  stream_ = avformat_new_stream(format_.get(), nullptr);
  if (!stream_) throw VideoError("out of memory");
  check(avcodec_parameters_from_context(stream_->codecpar, codec_.get()), "cannot describe the stream");
  stream_->time_base = codec_->time_base;
  check(avio_open(&format_->pb, format_->url, AVIO_FLAG_WRITE), "cannot write the file");
  AVDictionary* options = nullptr;
  if (format_->oformat == av_guess_format("mp4", nullptr, nullptr)) av_dict_set(&options, "movflags", "+faststart", 0);
  int written = avformat_write_header(format_.get(), &options);
  av_dict_free(&options);
  check(written, "cannot write the header");
  open_ = true;
}

void lv::render::FfmpegVideoWriter::addFrame(const FramePixels& pixels) {
  check(av_frame_make_writable(frame_.get()), "cannot hold a frame");
  if (toI420(pixels.data, pixels.stride, frame_->data[0], frame_->linesize[0], frame_->data[1], frame_->linesize[1],
             frame_->data[2], frame_->linesize[2], shape_.width, shape_.height) != 0)
    throw VideoError("cannot convert a frame to YUV");
  frame_->pts = frames_++;
  encode(frame_.get());
}

void lv::render::FfmpegVideoWriter::encode(const AVFrame* frame) {
  check(avcodec_send_frame(codec_.get(), frame), "cannot encode a frame");
  for (;;) {
    int received = avcodec_receive_packet(codec_.get(), packet_.get());
    if (received == AVERROR(EAGAIN) || received == AVERROR_EOF) return;
    check(received, "cannot encode a frame");
    // Each frame lasts one tick; without a duration the muxer gives the last one none.
    if (packet_->duration == 0) packet_->duration = 1;
    av_packet_rescale_ts(packet_.get(), codec_->time_base, stream_->time_base);
    packet_->stream_index = stream_->index;
    check(av_interleaved_write_frame(format_.get(), packet_.get()), "cannot write a frame");
  }
}

void lv::render::FfmpegVideoWriter::finish() {
  encode(nullptr);
  open_ = false;
  check(av_write_trailer(format_.get()), "cannot finish the file");
  check(avio_closep(&format_->pb), "cannot write the file");
  if (auto committed = file_.commit(); !committed) throw VideoError("cannot write the file: " + committed.error().reason);
}
