#include "render/webp_video_writer.h"

#include <webp/encode.h>
#include <webp/mux.h>

#include <cmath>
#include <string>

#include "foundation/atomic_file.h"

namespace lv::render {

namespace {

// Lossy quality and effort: a story of a few seconds at a point a pixel stays near a
// megabyte.
constexpr float kQuality = 60;
constexpr int kMethod = 4;

std::string encoderError(WebPAnimEncoder* encoder) {
  const char* text = WebPAnimEncoderGetError(encoder);
  return text && *text ? text : "the encoder failed";
}

}  // namespace

}  // namespace lv::render

lv::render::WebpVideoWriter::WebpVideoWriter(std::filesystem::path file, const VideoShape& shape)
    : file_(std::move(file)), shape_(shape) {
  WebPAnimEncoderOptions options;
  if (!WebPAnimEncoderOptionsInit(&options)) throw VideoError("this libwebp does not match its headers");
  options.anim_params.loop_count = 0;
  encoder_ = WebPAnimEncoderNew(shape.width, shape.height, &options);
  if (!encoder_) throw VideoError("cannot start the WebP encoder");
}

lv::render::WebpVideoWriter::~WebpVideoWriter() { WebPAnimEncoderDelete(encoder_); }

int lv::render::WebpVideoWriter::timestamp(long number) const { return int(std::lround(number * 1000 / shape_.fps)); }

void lv::render::WebpVideoWriter::add(std::span<const uint8_t> rgba) {
  if (rgba.size() != size_t(shape_.width) * shape_.height * 4) throw VideoError("a frame of the wrong size");
  WebPConfig config;
  if (!WebPConfigInit(&config)) throw VideoError("this libwebp does not match its headers");
  config.quality = kQuality;
  config.method = kMethod;
  WebPPicture picture;
  if (!WebPPictureInit(&picture)) throw VideoError("this libwebp does not match its headers");
  picture.use_argb = 1;
  picture.width = shape_.width;
  picture.height = shape_.height;
  bool added = WebPPictureImportRGBA(&picture, rgba.data(), shape_.width * 4) &&
               WebPAnimEncoderAdd(encoder_, &picture, timestamp(frames_), &config);
  WebPPictureFree(&picture);
  if (!added) throw VideoError("cannot encode a frame: " + encoderError(encoder_));
  ++frames_;
}

void lv::render::WebpVideoWriter::finish() {
  if (!WebPAnimEncoderAdd(encoder_, nullptr, timestamp(frames_), nullptr))
    throw VideoError("cannot finish the animation: " + encoderError(encoder_));
  WebPData data;
  WebPDataInit(&data);
  if (!WebPAnimEncoderAssemble(encoder_, &data)) throw VideoError("cannot finish the animation: " + encoderError(encoder_));
  auto failed = fnd::writeFileAtomically(file_.string(), {reinterpret_cast<const char*>(data.bytes), data.size});
  WebPDataClear(&data);
  if (failed) throw VideoError("cannot write the file: " + failed->reason);
}
