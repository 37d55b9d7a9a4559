// Text measured with Pango through fontconfig. Metrics hinting is off and glyph positions
// are not rounded, so widths are the font's fractional advances at the point size.
#include "uikit/pango_measurer.h"

#include <limits>
#include <string>

#include "runtime/diagnostics.h"
#include "uikit/pango_text.h"

namespace uikit {

namespace {

struct Description {
  PangoFontDescription* desc;
  explicit Description(const FontFace& face) : desc(newFontDescription(face)) {}
  ~Description() { pango_font_description_free(desc); }
  Description(const Description&) = delete;
  Description& operator=(const Description&) = delete;
};

// Pango places glyphs in ints of 1/PANGO_SCALE point, so a line wider than about two
// million points wraps around. A line that could come near that, at a generous four ems a
// byte, is measured in pieces.
constexpr double kSafePoints = double(std::numeric_limits<int>::max() / PANGO_SCALE) / 2;
constexpr double kMostEmsPerByte = 4;

bool mightOverflow(const FontFace& face, std::string_view line) {
  return line.size() > 1 && double(line.size()) * face.pointSize * kMostEmsPerByte > kSafePoints;
}

// Where the first of two pieces ends: at the last space in the second quarter, so that
// words are shaped whole, or else at the first character boundary from the middle.
size_t pieceEnd(std::string_view line) {
  size_t middle = line.size() / 2;
  size_t space = line.rfind(' ', middle);
  if (space != std::string_view::npos && space > middle / 2) return space;
  size_t cut = middle;
  while (cut < line.size() && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) ++cut;
  return cut < line.size() ? cut : middle;
}

class PangoMeasurer : public TextMeasurer {
 public:
  PangoMeasurer() { pango_layout_set_single_paragraph_mode(text_.layout(), TRUE); }

  PangoMeasurer(const PangoMeasurer&) = delete;
  PangoMeasurer& operator=(const PangoMeasurer&) = delete;

  CGFloat lineWidth(const FontFace& face, std::string_view line) override {
    if (mightOverflow(face, line)) {
      size_t cut = pieceEnd(line);
      return lineWidth(face, line.substr(0, cut)) + lineWidth(face, line.substr(cut));
    }
    Description d(face);
    checkFamily(face, d);
    pango_layout_set_font_description(text_.layout(), d.desc);
    pango_layout_set_text(text_.layout(), line.data(), int(line.size()));
    PangoRectangle logical;
    pango_layout_get_extents(text_.layout(), nullptr, &logical);
    return CGFloat(logical.width) / PANGO_SCALE;
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
