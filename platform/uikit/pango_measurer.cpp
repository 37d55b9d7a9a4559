// Text measured with Pango through fontconfig. Metrics hinting is off and glyph positions
// are not rounded, so widths are the font's fractional advances at the point size.
#include "uikit/pango_measurer.h"

#include <string>

#include "runtime/diagnostics.h"
#include "uikit/pango_text.h"
#include "uikit/text_pieces.h"

namespace uikit {

namespace {

struct Description {
  PangoFontDescription* desc;
  explicit Description(const FontFace& face) : desc(newFontDescription(face)) {}
  ~Description() { pango_font_description_free(desc); }
  Description(const Description&) = delete;
  Description& operator=(const Description&) = delete;
};

class PangoMeasurer : public TextMeasurer {
 public:
  PangoMeasurer() { pango_layout_set_single_paragraph_mode(text_.layout(), TRUE); }

  PangoMeasurer(const PangoMeasurer&) = delete;
  PangoMeasurer& operator=(const PangoMeasurer&) = delete;

  CGFloat lineWidth(const FontFace& face, std::string_view line) override {
    Description d(face);
    checkFamily(face, d);
    pango_layout_set_font_description(text_.layout(), d.desc);
    CGFloat width = 0;
    for (const std::string& piece : linePieces(face, line)) {
      pango_layout_set_text(text_.layout(), piece.data(), int(piece.size()));
      PangoRectangle logical;
      pango_layout_get_extents(text_.layout(), nullptr, &logical);
      width += CGFloat(logical.width) / PANGO_SCALE;
    }
    return width;
  }

  FontMetrics metrics(const FontFace& face) override {
    Description d(face);
    checkFamily(face, d);
    PangoFontMetrics* m = pango_context_get_metrics(text_.context(), d.desc, nullptr);
    CGFloat ascent = CGFloat(pango_font_metrics_get_ascent(m)) / PANGO_SCALE;
    CGFloat descent = CGFloat(pango_font_metrics_get_descent(m)) / PANGO_SCALE;
    pango_font_metrics_unref(m);
    return {ascent, -descent, ascent + descent};
  }

 private:
  // fontconfig substitutes silently for a missing family; say so once, since every
  // width would then be off.
  void checkFamily(const FontFace& face, const Description& d) {
    if (checked_ == face.family) return;
    checked_ = face.family;
    PangoFont* font = pango_font_map_load_font(text_.fontMap(), text_.context(), d.desc);
    if (!font) return;
    PangoFontDescription* got = pango_font_describe(font);
    const char* family = pango_font_description_get_family(got);
    if (!family || face.family != family)
      rt::diagnose("text measurement: font family \"%s\" not found, using \"%s\"",
                   face.family.c_str(), family ? family : "?");
    pango_font_description_free(got);
    g_object_unref(font);
  }

  PangoText text_;
  std::string checked_;
};

}  // namespace

std::unique_ptr<TextMeasurer> makePangoMeasurer() { return std::make_unique<PangoMeasurer>(); }

}  // namespace uikit
