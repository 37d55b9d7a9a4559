#include "render/webp_video_writer.h"

#include <webp/encode.h>
#include <webp/mux.h>

#include <cmath>
#include <cstring>
#include <string>

#include "foundation/atomic_file.h"

namespace lv::render {

namespace {

// Lossless frames: the encoder keeps of each frame only the rectangle that differs from
// the one before, and with lossy frames it takes small differences for none, so that a slow
// fade was never written and errors piled up over seconds. Lossless, each frame decodes to
// exactly the frame drawn; the demo's 12 s at 24 fps and a pixel a point is about 830 kB.
// Quality is the lossless effort here.
constexpr float kEffort = 75;
constexpr int kMethod = 4;

std::string encoderError(WebPAnimEncoder* encoder) {
  const char* text = WebPAnimEncoderGetError(encoder);
  return text && *text ? text : "the encoder failed";
}

// WebP keeps straight ARGB words: a picture's words with the alpha divided out.
void copyStraight(const FramePixels& pixels, WebPPicture& picture) {
  for (int y = 0; y < picture.height; ++y) {
    const uint8_t* row = pixels.data + size_t(y) * pixels.stride;
    uint32_t* out = picture.argb + size_t(y) * picture.argb_stride;
    for (int x = 0; x < picture.width; ++x) {
      uint32_t argb;
      std::memcpy(&argb, row + size_t(x) * 4, 4);
      Pixel p = straightPixel(argb);
      out[x] = uint32_t(p.a) << 24 | uint32_t(p.r) << 16 | uint32_t(p.g) << 8 | p.b;
    }
  }
}

}  // namespace

}  // namespace lv::render

lv::render::WebpVideoWriter::WebpVideoWriter(std::filesystem::path file, const VideoShape& shape)
    : VideoWriter(shape), file_(std::move(file)) {
  WebPAnimEncoderOptions options;
  if (!WebPAnimEncoderOptionsInit(&options)) throw VideoError("this libwebp does not match its headers");
  options.anim_params.loop_count = 0;
  encoder_ = WebPAnimEncoderNew(shape.width, shape.height, &options);
  if (!encoder_) throw VideoError("cannot start the WebP encoder");
}

lv::render::WebpVideoWriter::~WebpVideoWriter() { WebPAnimEncoderDelete(encoder_); }

int lv::render::WebpVideoWriter::timestamp(long number) const { return int(std::lround(number * 1000 / shape_.fps)); }

void lv::render::WebpVideoWriter::addFrame(const FramePixels& pixels) {
  WebPConfig config;
  if (!WebPConfigInit(&config)) throw VideoError("this libwebp does not match its headers");
  config.lossless = 1;
  config.quality = kEffort;
  config.method = kMethod;
  WebPPicture picture;
  if (!WebPPictureInit(&picture)) throw VideoError("this libwebp does not match its headers");
  picture.use_argb = 1;
  picture.width = shape_.width;
  picture.height = shape_.height;
  bool added = WebPPictureAlloc(&picture);
  if (added) copyStraight(pixels, picture);
  added = added && WebPAnimEncoderAdd(encoder_, &picture, timestamp(frames_), &config);
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
  auto written = fnd::writeFileAtomically(file_.string(), {reinterpret_cast<const char*>(data.bytes), data.size});
  WebPDataClear(&data);
  if (!written) throw VideoError("cannot write the file: " + written.error().reason);
}
