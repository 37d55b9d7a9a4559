// Text measured with Pango through fontconfig. Metrics hinting is off and glyph positions
// are not rounded, so widths are the font's fractional advances at the point size.
#include <pango/pangocairo.h>

#include <cstdio>
#include <string>

#include "uikit/text_measurer.h"

namespace uikit {

namespace {

struct Description {
  PangoFontDescription* desc;
  explicit Description(const FontFace& face) : desc(pango_font_description_new()) {
    pango_font_description_set_family(desc, face.family.c_str());
    pango_font_description_set_weight(desc, static_cast<PangoWeight>(face.weight));
    pango_font_description_set_absolute_size(desc, face.pointSize * PANGO_SCALE);
  }
  ~Description() { pango_font_description_free(desc); }
  Description(const Description&) = delete;
  Description& operator=(const Description&) = delete;
};

class PangoMeasurer : public TextMeasurer {
 public:
  PangoMeasurer() {
    fontMap_ = pango_cairo_font_map_new();
    context_ = pango_font_map_create_context(fontMap_);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    pango_cairo_context_set_font_options(context_, options);
    cairo_font_options_destroy(options);
    pango_context_set_round_glyph_positions(context_, FALSE);
    layout_ = pango_layout_new(context_);
    pango_layout_set_single_paragraph_mode(layout_, TRUE);
  }

  ~PangoMeasurer() override {
    g_object_unref(layout_);
    g_object_unref(context_);
    g_object_unref(fontMap_);
  }

  PangoMeasurer(const PangoMeasurer&) = delete;
  PangoMeasurer& operator=(const PangoMeasurer&) = delete;

  CGFloat lineWidth(const FontFace& face, std::string_view line) override {
    Description d(face);
    checkFamily(face, d);
    pango_layout_set_font_description(layout_, d.desc);
    pango_layout_set_text(layout_, line.data(), int(line.size()));
    PangoRectangle logical;
    pango_layout_get_extents(layout_, nullptr, &logical);
    return CGFloat(logical.width) / PANGO_SCALE;
  }

  FontMetrics metrics(const FontFace& face) override {
    Description d(face);
    checkFamily(face, d);
    PangoFontMetrics* m = pango_context_get_metrics(context_, d.desc, nullptr);
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
    PangoFont* font = pango_font_map_load_font(fontMap_, context_, d.desc);
    if (!font) return;
    PangoFontDescription* got = pango_font_describe(font);
    const char* family = pango_font_description_get_family(got);
    if (!family || face.family != family)
      std::fprintf(stderr, "text measurement: font family \"%s\" not found, using \"%s\"\n",
                   face.family.c_str(), family ? family : "?");
    pango_font_description_free(got);
    g_object_unref(font);
  }

  PangoFontMap* fontMap_;
  PangoContext* context_;
  PangoLayout* layout_;
  std::string checked_;
};

}  // namespace

std::unique_ptr<TextMeasurer> makePangoMeasurer() { return std::make_unique<PangoMeasurer>(); }

}  // namespace uikit
