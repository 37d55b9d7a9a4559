#pragma once
// One Pango font map, context and layout set up for exact widths: metrics hinting off and
// glyph positions unrounded, so text is as wide as the font's fractional advances at its
// size. Measuring and drawing both go through it, so drawn text is as wide as measured
// text. Owns its Pango objects; one thread.
#include <pango/pangocairo.h>

#include "uikit/text_measurer.h"

namespace uikit {

class PangoText {
 public:
  PangoText();
  ~PangoText();
  PangoText(const PangoText&) = delete;
  PangoText& operator=(const PangoText&) = delete;

  PangoFontMap* fontMap() const { return fontMap_; }
  PangoContext* context() const { return context_; }
  PangoLayout* layout() const { return layout_; }

 private:
  PangoFontMap* fontMap_;
  PangoContext* context_;
  PangoLayout* layout_;
};

// A font description of the face (family, weight, absolute size); the caller frees it.
PangoFontDescription* newFontDescription(const FontFace& face);

}  // namespace uikit
