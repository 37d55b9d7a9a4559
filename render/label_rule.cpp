#include "render/label_rule.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <optional>
#include <string>

#include "foundation/values.h"
#include "render/hasher.h"
#include "uikit/color.h"
#include "uikit/font.h"
#include "uikit/pango_text.h"

namespace lv::render {

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

// One Pango layout for every label, set up as the measurer's own.
class TextSetter {
 public:
  TextSetter() = default;
  TextSetter(const TextSetter&) = delete;
  TextSetter& operator=(const TextSetter&) = delete;

  void draw(cairo_t* cr, const LabelLook& look, CGRect bounds) {
    set(look, bounds.size.width);
    PangoRectangle logical;
    pango_layout_get_extents(text_.layout(), nullptr, &logical);
    double x = bounds.origin.x;
    if (pango_layout_get_width(text_.layout()) < 0) {
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
    PangoFontDescription* desc = uikit::newFontDescription(look.face);
    pango_layout_set_font_description(text_.layout(), desc);
    pango_font_description_free(desc);
    pango_layout_set_text(text_.layout(), look.text.data(), int(look.text.size()));
    pango_layout_set_width(text_.layout(), -1);
    pango_layout_set_height(text_.layout(), -1);
    pango_layout_set_ellipsize(text_.layout(), PANGO_ELLIPSIZE_NONE);
    pango_layout_set_wrap(text_.layout(), PANGO_WRAP_WORD_CHAR);
    pango_layout_set_alignment(text_.layout(), look.alignment == kAlignCenter  ? PANGO_ALIGN_CENTER
                                        : look.alignment == kAlignRight ? PANGO_ALIGN_RIGHT
                                                                        : PANGO_ALIGN_LEFT);
    // Pango's widths are ints: a label too wide for them is given the widest there is,
    // less the slack below; a width that is not a number counts as none.
    constexpr double kWidest = std::numeric_limits<int>::max() - PANGO_SCALE;
    int limit = int(std::min(std::max(0.0, width) * PANGO_SCALE, kWidest));
    if (look.lines == 1) {
      PangoRectangle logical;
      pango_layout_get_extents(text_.layout(), nullptr, &logical);
      // Half a point of slack: a label sized to its measured text keeps all of it.
      if (logical.width <= limit + PANGO_SCALE / 2) return;
      pango_layout_set_width(text_.layout(), limit);
      pango_layout_set_ellipsize(text_.layout(), PANGO_ELLIPSIZE_END);
      return;
    }
    pango_layout_set_width(text_.layout(), limit);
    if (look.lines <= 0) return;
    pango_layout_set_ellipsize(text_.layout(), PANGO_ELLIPSIZE_END);
    pango_layout_set_height(text_.layout(), -int(look.lines));
  }

  void show(cairo_t* cr, const uikit::RGBA& c, double x, double y) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
    cairo_move_to(cr, x, y);
    pango_cairo_show_layout(cr, text_.layout());
  }

  uikit::PangoText text_;
};

}  // namespace

}  // namespace lv::render

lv::render::PaintRule lv::render::labelRule() {
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
