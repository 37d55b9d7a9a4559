#pragma once
// Text set with Pango in the system font (Inter) at a size in pixels, for pictures drawn
// around the lock screen: captions, status lines, menus.
#include <pango/pangocairo.h>

#include <memory>
#include <string>

namespace lv::render {

struct TextStyle {
  double pixels = 16;
  int wrapWidth = -1;     // pixels; -1 sets the text on one line
  size_t boldPrefix = 0;  // the text's first bytes are set in bold
};

struct LayoutDeleter {
  void operator()(PangoLayout* l) const { g_object_unref(l); }
};
using LayoutPtr = std::unique_ptr<PangoLayout, LayoutDeleter>;

LayoutPtr makeTextLayout(cairo_t* cr, const std::string& text, const TextStyle& style);
int layoutWidth(PangoLayout* layout);
int layoutHeight(PangoLayout* layout);

}  // namespace lv::render
