#include "uikit/pango_text.h"

namespace uikit {

PangoText::PangoText() : fontMap_(pango_cairo_font_map_new()), context_(pango_font_map_create_context(fontMap_)) {
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  pango_cairo_context_set_font_options(context_, options);
  cairo_font_options_destroy(options);
  pango_context_set_round_glyph_positions(context_, FALSE);
  layout_ = pango_layout_new(context_);
}

PangoText::~PangoText() {
  g_object_unref(layout_);
  g_object_unref(context_);
  g_object_unref(fontMap_);
}

PangoFontDescription* newFontDescription(const FontFace& face) {
  PangoFontDescription* desc = pango_font_description_new();
  pango_font_description_set_family(desc, face.family.c_str());
  pango_font_description_set_weight(desc, static_cast<PangoWeight>(face.weight));
  pango_font_description_set_absolute_size(desc, face.pointSize * PANGO_SCALE);
  return desc;
}

}  // namespace uikit
