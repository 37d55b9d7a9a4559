// UILabel: its text set with Pango in the label's font (Inter, as text is measured),
// centred vertically in the bounds, aligned horizontally, with its shadow. A single line
// wider than the label ends in an ellipsis; more lines wrap within its width.
#include <pango/pangocairo.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "foundation/values.h"
#include "render/hasher.h"
#include "render/standard_rules.h"
#include "uikit/color.h"
#include "uikit/font.h"

namespace render {

namespace {

// NSTextAlignment values.
constexpr NSInteger kAlignCenter = 1;
constexpr NSInteger kAlignRight = 2;

struct LabelLook {
  std::string text;
  uikit::FontFace face;
  uikit::RGBA color;
  NSInteger alignment = 0;
  std::optional<uikit::RGBA> shadow;
  CGSize shadowOffset;
  NSInteger lines = 1;
};

std::optional<uikit::RGBA> colorOf(id color) {
  if (!color) return std::nullopt;
  return uikit::rgba(color);
}

LabelLook lookOf(id label) {
  LabelLook look;
  look.text = fnd::utf8(send<id>(label, "text"_sel));
  look.face = uikit::fontFace(send<id>(label, "font"_sel));
  if (look.face.family.empty()) look.face = uikit::fontFace(uikit::systemFont(17));
  look.color = colorOf(send<id>(label, "textColor"_sel)).value_or(uikit::RGBA{0, 0, 0, 1});
  look.alignment = send<NSInteger>(label, "textAlignment"_sel);
  look.shadow = colorOf(send<id>(label, "shadowColor"_sel));
  look.shadowOffset = send<CGSize>(label, "shadowOffset"_sel);
  look.lines = send<NSInteger>(label, "numberOfLines"_sel);
  return look;
}

// One Pango context and layout for every label, set up as the measurer sets its own
// (no hinting, unrounded positions) so drawn text is as wide as measured text.
class TextSetter {
 public:
  TextSetter() {
    fontMap_ = pango_cairo_font_map_new();
    context_ = pango_font_map_create_context(fontMap_);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    pango_cairo_context_set_font_options(context_, options);
    cairo_font_options_destroy(options);
    pango_context_set_round_glyph_positions(context_, FALSE);
    layout_ = pango_layout_new(context_);
  }
  ~TextSetter() {
    g_object_unref(layout_);
    g_object_unref(context_);
    g_object_unref(fontMap_);
  }
  TextSetter(const TextSetter&) = delete;
  TextSetter& operator=(const TextSetter&) = delete;

  void draw(cairo_t* cr, const LabelLook& look, CGRect bounds) {
    set(look, bounds.size.width);
    PangoRectangle logical;
    pango_layout_get_extents(layout_, nullptr, &logical);
    double x = bounds.origin.x;
    if (pango_layout_get_width(layout_) < 0) {
      double free = bounds.size.width - double(logical.width) / PANGO_SCALE;
      if (look.alignment == kAlignCenter) x += free / 2;
      else if (look.alignment == kAlignRight) x += free;
      x -= double(logical.x) / PANGO_SCALE;
    }
    double y = bounds.origin.y + (bounds.size.height - double(logical.height) / PANGO_SCALE) / 2 -
               double(logical.y) / PANGO_SCALE;
    if (look.shadow && look.shadow->a > 0) show(cr, *look.shadow, x + look.shadowOffset.width,
                                                y + look.shadowOffset.height);
    show(cr, look.color, x, y);
  }

 private:
  void set(const LabelLook& look, double width) {
    PangoFontDescription* desc = pango_font_description_new();
    pango_font_description_set_family(desc, look.face.family.c_str());
    pango_font_description_set_weight(desc, static_cast<PangoWeight>(look.face.weight));
    pango_font_description_set_absolute_size(desc, look.face.pointSize * PANGO_SCALE);
    pango_layout_set_font_description(layout_, desc);
    pango_font_description_free(desc);
    pango_layout_set_text(layout_, look.text.data(), int(look.text.size()));
    pango_layout_set_width(layout_, -1);
    pango_layout_set_height(layout_, -1);
    pango_layout_set_ellipsize(layout_, PANGO_ELLIPSIZE_NONE);
    pango_layout_set_wrap(layout_, PANGO_WRAP_WORD_CHAR);
    pango_layout_set_alignment(layout_, look.alignment == kAlignCenter  ? PANGO_ALIGN_CENTER
                                        : look.alignment == kAlignRight ? PANGO_ALIGN_RIGHT
                                                                        : PANGO_ALIGN_LEFT);
    int limit = int(std::max(0.0, width) * PANGO_SCALE);
    if (look.lines == 1) {
      PangoRectangle logical;
      pango_layout_get_extents(layout_, nullptr, &logical);
      // Half a point of slack: a label sized to its measured text keeps all of it.
      if (logical.width <= limit + PANGO_SCALE / 2) return;
      pango_layout_set_width(layout_, limit);
      pango_layout_set_ellipsize(layout_, PANGO_ELLIPSIZE_END);
      return;
    }
    pango_layout_set_width(layout_, limit);
    if (look.lines <= 0) return;
    pango_layout_set_ellipsize(layout_, PANGO_ELLIPSIZE_END);
    pango_layout_set_height(layout_, -int(look.lines));
  }

  void show(cairo_t* cr, const uikit::RGBA& c, double x, double y) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
    cairo_move_to(cr, x, y);
    pango_cairo_show_layout(cr, layout_);
  }

  PangoFontMap* fontMap_;
  PangoContext* context_;
  PangoLayout* layout_;
};

}  // namespace

PaintRule labelRule() {
  auto setter = std::make_shared<TextSetter>();
  PaintRule rule;
  rule.paint = [setter](const PaintContext& c) {
    LabelLook look = lookOf(c.object);
    if (look.text.empty() || !(look.face.pointSize > 0) || !(c.bounds.size.width > 0)) return;
    setter->draw(c.cr, look, c.bounds);
  };
  rule.contentKey = [](id label) {
    LabelLook look = lookOf(label);
    Hasher h;
    h.add(look.text).add(look.face.family).add(uint64_t(look.face.weight)).add(look.face.pointSize);
    for (double v : {look.color.r, look.color.g, look.color.b, look.color.a}) h.add(v);
    uikit::RGBA s = look.shadow.value_or(uikit::RGBA{});
    for (double v : {s.r, s.g, s.b, s.a, look.shadowOffset.width, look.shadowOffset.height}) h.add(v);
    return h.add(uint64_t(look.alignment)).add(uint64_t(look.lines)).value();
  };
  return rule;
}

}  // namespace render
