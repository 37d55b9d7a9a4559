#include "render/label_rule.h"

#include <memory>
#include <optional>
#include <string>

#include "foundation/values.h"
#include "render/hasher.h"
#include "render/label_text.h"
#include "uikit/color.h"
#include "uikit/font.h"

namespace lv::render {

namespace {

struct LabelLook {
  std::string text;
  uikit::FontFace face;
  uikit::RGBA color;
  NSInteger alignment = 0;
  std::optional<uikit::RGBA> shadow;
  CGSize shadowOffset{};
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

// Draws labels with their texts set once per text and width; only what lies within the
// clip is drawn.
class TextPainter {
 public:
  void draw(cairo_t* cr, const LabelLook& look, CGRect bounds) {
    const SetText& set = setter_.set({look.text, look.face, look.alignment, look.lines}, bounds.size.width);
    double baseline = bounds.origin.y + (bounds.size.height - set.height) / 2 + set.ascent;
    if (look.shadow && look.shadow->a > 0)
      show(cr, set, *look.shadow, bounds.origin.x + look.shadowOffset.width, baseline + look.shadowOffset.height,
           look.face.pointSize);
    show(cr, set, look.color, bounds.origin.x, baseline, look.face.pointSize);
  }

 private:
  // Shows the pieces that reach into the clip, which glyphs may overhang by an em.
  static void show(cairo_t* cr, const SetText& set, const uikit::RGBA& c, double left, double baseline, double em) {
    double clipLeft, clipTop, clipRight, clipBottom;
    cairo_clip_extents(cr, &clipLeft, &clipTop, &clipRight, &clipBottom);
    cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
    for (const SetPiece& piece : set.pieces) {
      double x = left + piece.x;
      if (x + piece.right + em < clipLeft || x + piece.left - em > clipRight) continue;
      cairo_move_to(cr, x, baseline - piece.baseline);
      pango_cairo_show_layout(cr, piece.layout.get());
    }
  }

  LabelTextSetter setter_;
};

}  // namespace

}  // namespace lv::render

lv::render::PaintRule lv::render::labelRule() {
  auto painter = std::make_shared<TextPainter>();
  PaintRule rule;
  rule.paint = [painter](const PaintContext& c) {
    LabelLook look = lookOf(c.object);
    if (look.text.empty() || !(look.face.pointSize > 0) || !(c.bounds.size.width > 0)) return;
    painter->draw(c.cr, look, c.bounds);
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
