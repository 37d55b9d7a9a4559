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

}  // namespace

}  // namespace lv::render

lv::render::ContactSheet::ContactSheet(ContactSheetLayout layout) : layout_(layout) {
  layout_.columns = std::max(layout_.columns, 1);
  layout_.pictureHeight = std::max(layout_.pictureHeight, 1);
}

void lv::render::ContactSheet::add(const Picture& picture, std::string title, std::string caption) {
  double shrink = double(layout_.pictureHeight) / picture.height();
  int width = std::max(1, int(std::lround(picture.width() * shrink)));
  SurfacePtr thumbnail(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, layout_.pictureHeight));
  cairo_t* cr = cairo_create(thumbnail.get());
  cairo_scale(cr, shrink, shrink);
  cairo_set_source_surface(cr, picture.surface(), 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
  cairo_paint(cr);
  cairo_destroy(cr);
  cells_.push_back({std::move(thumbnail), width, std::move(title), std::move(caption)});
}

lv::render::Picture lv::render::ContactSheet::compose() const {
  int columns = std::clamp(int(cells_.size()), 1, layout_.columns);
  int rows = std::max(1, int((cells_.size() + columns - 1) / columns));
  int columnWidth = 0;
  for (const Cell& c : cells_) columnWidth = std::max(columnWidth, c.width);

  // Captions are measured on a scratch surface first: the sheet's height depends on them.
  SurfacePtr scratch(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1));
  cairo_t* measure = cairo_create(scratch.get());
  int captionHeight = 0;
  for (const Cell& c : cells_)
    captionHeight = std::max(captionHeight, layoutHeight(captionLayout(measure, c.title, c.caption, columnWidth).get()));
  cairo_destroy(measure);

  int rowHeight = layout_.pictureHeight + kCaptionGap + captionHeight;
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
    double left = x + (columnWidth - c.width) / 2.0;
    cairo_save(cr);
    roundedRectPath(cr, CGRectMake(left, y, c.width, layout_.pictureHeight), kCornerRadius, 0xf);
    cairo_clip(cr);
    cairo_set_source_surface(cr, c.thumbnail.get(), left, y);
    cairo_paint(cr);
    cairo_restore(cr);
    LayoutPtr text = captionLayout(cr, c.title, c.caption, columnWidth);
    cairo_move_to(cr, x, y + layout_.pictureHeight + kCaptionGap);
    cairo_set_source_rgb(cr, 0.93, 0.93, 0.95);
    pango_cairo_show_layout(cr, text.get());
  }
  cairo_destroy(cr);
  cairo_surface_mark_dirty(sheet.surface());
  return sheet;
}
