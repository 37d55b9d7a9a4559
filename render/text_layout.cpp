#include "render/text_layout.h"

#include <algorithm>

lv::render::LayoutPtr lv::render::makeTextLayout(cairo_t* cr, const std::string& text, const TextStyle& style) {
  LayoutPtr layout(pango_cairo_create_layout(cr));
  PangoFontDescription* font = pango_font_description_from_string("Inter");
  pango_font_description_set_absolute_size(font, style.pixels * PANGO_SCALE);
  pango_layout_set_font_description(layout.get(), font);
  pango_font_description_free(font);
  pango_layout_set_text(layout.get(), text.c_str(), int(text.size()));
  if (style.boldPrefix > 0) {
    PangoAttrList* attributes = pango_attr_list_new();
    PangoAttribute* bold = pango_attr_weight_new(PANGO_WEIGHT_BOLD);
    bold->start_index = 0;
    bold->end_index = guint(std::min(style.boldPrefix, text.size()));
    pango_attr_list_insert(attributes, bold);
    pango_layout_set_attributes(layout.get(), attributes);
    pango_attr_list_unref(attributes);
  }
  if (style.wrapWidth >= 0) {
    pango_layout_set_width(layout.get(), style.wrapWidth * PANGO_SCALE);
    pango_layout_set_wrap(layout.get(), PANGO_WRAP_WORD_CHAR);
  }
  return layout;
}

int lv::render::layoutWidth(PangoLayout* layout) {
  int w = 0, h = 0;
  pango_layout_get_pixel_size(layout, &w, &h);
  return w;
}

int lv::render::layoutHeight(PangoLayout* layout) {
  int w = 0, h = 0;
  pango_layout_get_pixel_size(layout, &w, &h);
  return h;
}
