#pragma once
// Text measurement. One measurer serves the process: Pango with the Inter font by
// default, or one a test installs for exact widths. Results are cached per font face and
// text; installing a measurer empties the cache. Main thread only.
#include <memory>
#include <string>
#include <string_view>

#include "quartz/geometry.h"

namespace uikit {

// What measuring and drawing need of a font: a family, a weight on Pango's scale
// (100 thin … 400 regular, 500 medium … 900 black) and a size in points.
struct FontFace {
  std::string family;
  int weight = 400;
  CGFloat pointSize = 0;
  bool operator==(const FontFace&) const = default;
};

// Vertical metrics in points, with UIKit's signs: the descender is negative.
struct FontMetrics {
  CGFloat ascender = 0;
  CGFloat descender = 0;
  CGFloat lineHeight = 0;
};

class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;
  // The advance width of one line (no line breaks in `line`), fractional.
  virtual CGFloat lineWidth(const FontFace& face, std::string_view line) = 0;
  virtual FontMetrics metrics(const FontFace& face) = 0;
};

// Every character (code point) advances `advance` ems; lines are `lineHeight` ems tall,
// split `ascender` above and the rest below the baseline. Widths are exact.
class FixedAdvanceMeasurer : public TextMeasurer {
 public:
  explicit FixedAdvanceMeasurer(CGFloat advance = 0.5, CGFloat lineHeight = 1.25,
                                CGFloat ascender = 1.0)
      : advance_(advance), lineHeight_(lineHeight), ascender_(ascender) {}
  CGFloat lineWidth(const FontFace& face, std::string_view line) override;
  FontMetrics metrics(const FontFace& face) override;

 private:
  CGFloat advance_, lineHeight_, ascender_;
};

// Installs `measurer` (nullptr restores Pango) and empties the caches.
void setTextMeasurer(std::unique_ptr<TextMeasurer> measurer);
void clearTextMeasureCache();

// The size of `text` set in `face`: the widest line by the number of lines (lines end
// at '\n'). An empty text measures zero.
CGSize measureText(const FontFace& face, std::string_view text);
FontMetrics fontMetrics(const FontFace& face);

}  // namespace uikit
