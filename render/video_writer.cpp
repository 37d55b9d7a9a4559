#include "render/video_writer.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "render/ffmpeg_video_writer.h"
#include "render/webp_video_writer.h"

namespace lv::render {

namespace {

// `picture` scaled to fit a `width` × `height` picture, centred on black.
Picture fitted(const Picture& picture, int width, int height) {
  Picture frame(width, height, picture.scale());
  double fit = std::min(double(width) / picture.width(), double(height) / picture.height());
  cairo_t* cr = cairo_create(frame.surface());
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_paint(cr);
  cairo_translate(cr, (width - picture.width() * fit) / 2, (height - picture.height() * fit) / 2);
  cairo_scale(cr, fit, fit);
  cairo_set_source_surface(cr, picture.surface(), 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
  cairo_paint(cr);
  cairo_destroy(cr);
  return frame;
}

}  // namespace

}  // namespace lv::render

std::optional<lv::render::VideoFormat> lv::render::videoFormatOf(const std::filesystem::path& file) {
  std::string extension = file.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return char(std::tolower(c)); });
  if (extension == ".mp4") return VideoFormat::Mp4;
  if (extension == ".webm") return VideoFormat::WebM;
  if (extension == ".webp") return VideoFormat::WebP;
  return std::nullopt;
}

std::unique_ptr<lv::render::VideoWriter> lv::render::openVideoWriter(const std::filesystem::path& file,
                                                                   const VideoShape& shape) {
  std::optional<VideoFormat> format = videoFormatOf(file);
  if (!format) throw VideoError("not a video file (.mp4, .webm or .webp)");
  if (shape.width < 2 || shape.height < 2) throw VideoError("a frame needs at least 2 × 2 pixels");
  if (*format == VideoFormat::WebP) return std::make_unique<WebpVideoWriter>(file, shape);
  return std::make_unique<FfmpegVideoWriter>(file, shape, *format);
}

void lv::render::VideoWriter::add(const Picture& picture) {
  int width = shape_.width, height = shape_.height;
  bool cut = width <= picture.width() && picture.width() <= width + 1 && height <= picture.height() &&
             picture.height() <= height + 1;
  std::optional<Picture> scaled;
  if (!cut) scaled.emplace(fitted(picture, width, height));
  const Picture& source = cut ? picture : *scaled;
  cairo_surface_flush(source.surface());
  addFrame({cairo_image_surface_get_data(source.surface()), cairo_image_surface_get_stride(source.surface())});
}
