#include "render/contact_sheet.h"

#include <algorithm>
#include <cmath>

#include "render/geometry.h"
#include "render/text_layout.h"

namespace lv::render {

namespace {

constexpr int kMargin = 40;
constexpr int kGap = 36;
constexpr int kCaptionGap = 16;
constexpr double kCaptionPixels = 22;
constexpr double kCornerRadius = 28;
constexpr double kGround[] = {0.11, 0.11, 0.12};

// The title in bold on its own line, then the caption, wrapped to `width` pixels.
LayoutPtr captionLayout(cairo_t* cr, const std::string& title, const std::string& caption, int width) {
  return makeTextLayout(cr, title + "\n" + caption, {.pixels = kCaptionPixels, .wrapWidth = width, .boldPrefix = title.size()});
}

void paintRounded(cairo_t* cr, const ContactSheet::Image& image, double x, double y) {
  cairo_save(cr);
  roundedRectPath(cr, CGRectMake(x, y, image.width, image.height), kCornerRadius, 0xf);
  cairo_clip(cr);
  cairo_set_source_surface(cr, image.surface.get(), x, y);
  cairo_paint(cr);
  cairo_restore(cr);
}

}  // namespace

}  // namespace lv::render

// `part` of the picture drawn `width` pixels wide, or `height` high (the other one 0).
lv::render::ContactSheet::Image lv::render::ContactSheet::shrunk(const Picture& picture, PixelRect part, int width, int height) {
  double shrink = width ? double(width) / part.width : double(height) / part.height;
  Image image{{}, std::max(1, int(std::lround(part.width * shrink))), std::max(1, int(std::lround(part.height * shrink)))};
  image.surface.reset(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height));
  cairo_t* cr = cairo_create(image.surface.get());
  cairo_scale(cr, shrink, shrink);
  cairo_set_source_surface(cr, picture.surface(), -part.x, -part.y);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
  cairo_paint(cr);
  cairo_destroy(cr);
  return image;
}

lv::render::ContactSheet::ContactSheet(ContactSheetLayout layout) : layout_(layout) {
  layout_.columns = std::max(layout_.columns, 1);
  layout_.pictureHeight = std::max(layout_.pictureHeight, 1);
}

void lv::render::ContactSheet::add(const Picture& picture, std::string title, std::string caption,
                                   std::optional<PixelRect> closeUp) {
  PixelRect whole{0, 0, picture.width(), picture.height()};
  Cell cell{shrunk(picture, whole, 0, layout_.pictureHeight), {}, std::move(title), std::move(caption)};
  if (closeUp) {
    PixelRect part = intersection(*closeUp, whole);
    if (!part.empty()) cell.closeUp = shrunk(picture, part, layout_.closeUpWidth, 0);
  }
  cells_.push_back(std::move(cell));
}

lv::render::Picture lv::render::ContactSheet::compose() const {
  int columns = std::clamp(int(cells_.size()), 1, layout_.columns);
  int rows = std::max(1, int((cells_.size() + columns - 1) / columns));
  int columnWidth = 0, closeUpHeight = 0;
  for (const Cell& c : cells_) {
    columnWidth = std::max({columnWidth, c.thumbnail.width, c.closeUp.width});
    closeUpHeight = std::max(closeUpHeight, c.closeUp.height);
  }
  int closeUpSpace = closeUpHeight ? kCaptionGap + closeUpHeight : 0;

  // Captions are measured on a scratch surface first: the sheet's height depends on them.
  SurfacePtr scratch(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1));
  cairo_t* measure = cairo_create(scratch.get());
  int captionHeight = 0;
  for (const Cell& c : cells_)
    captionHeight = std::max(captionHeight, layoutHeight(captionLayout(measure, c.title, c.caption, columnWidth).get()));
  cairo_destroy(measure);

  int rowHeight = layout_.pictureHeight + closeUpSpace + kCaptionGap + captionHeight;
  int width = cells_.empty() ? kMargin : 2 * kMargin + columns * columnWidth + (columns - 1) * kGap;
  int height = cells_.empty() ? kMargin : 2 * kMargin + rows * rowHeight + (rows - 1) * kGap;
  Picture sheet(width, height, 1);
  cairo_t* cr = cairo_create(sheet.surface());
  cairo_set_source_rgb(cr, kGround[0], kGround[1], kGround[2]);
  cairo_paint(cr);
  for (size_t i = 0; i < cells_.size(); ++i) {
    const Cell& c = cells_[i];
    double x = kMargin + double(i % columns) * (columnWidth + kGap);
    double y = kMargin + double(i / columns) * (rowHeight + kGap);
    paintRounded(cr, c.thumbnail, x + (columnWidth - c.thumbnail.width) / 2.0, y);
    if (c.closeUp.surface)
      paintRounded(cr, c.closeUp, x + (columnWidth - c.closeUp.width) / 2.0, y + layout_.pictureHeight + kCaptionGap);
    LayoutPtr text = captionLayout(cr, c.title, c.caption, columnWidth);
    cairo_move_to(cr, x, y + layout_.pictureHeight + closeUpSpace + kCaptionGap);
    cairo_set_source_rgb(cr, 0.93, 0.93, 0.95);
    pango_cairo_show_layout(cr, text.get());
  }
  cairo_destroy(cr);
  cairo_surface_mark_dirty(sheet.surface());
  return sheet;
}
