#include "render/label_text.h"

#include <algorithm>
#include <functional>
#include <limits>

#include "uikit/text_pieces.h"

namespace lv::render {

namespace {

// NSTextAlignment values.
constexpr NSInteger kAlignCenter = 1;
constexpr NSInteger kAlignRight = 2;

// Half a point of slack: a label sized to its measured text keeps all of it.
constexpr double kSlack = 0.5;
// Pango's widths are ints: a label too wide for them is given the widest there is, less
// the slack.
constexpr double kWidest = double(std::numeric_limits<int>::max() - PANGO_SCALE) / PANGO_SCALE;
// The most entries kept; a full store starts over, as a stream of changing texts (a
// clock) would otherwise grow it without end.
constexpr size_t kKept = 256;

double points(int pangoUnits) { return double(pangoUnits) / PANGO_SCALE; }

// Pango units for `width` points, within what Pango takes; a width that is not a number
// counts as none.
int pangoWidth(double width) { return int(std::min(std::max(0.0, width), kWidest) * PANGO_SCALE); }

// The share of the free room that goes to the left of the text.
double leftShare(NSInteger alignment) {
  return alignment == kAlignCenter ? 0.5 : alignment == kAlignRight ? 1 : 0;
}

LayoutPtr newLayout(PangoContext* context, const uikit::FontFace& face, const std::string& text) {
  LayoutPtr layout(pango_layout_new(context));
  PangoFontDescription* desc = uikit::newFontDescription(face);
  pango_layout_set_font_description(layout.get(), desc);
  pango_font_description_free(desc);
  pango_layout_set_text(layout.get(), text.data(), int(text.size()));
  pango_layout_set_wrap(layout.get(), PANGO_WRAP_WORD_CHAR);
  return layout;
}

PangoRectangle logicalOf(PangoLayout* layout) {
  PangoRectangle logical;
  pango_layout_get_extents(layout, nullptr, &logical);
  return logical;
}

double widthOf(PangoLayout* layout) { return points(logicalOf(layout).width); }

void endInEllipsis(PangoLayout* layout, double width) {
  pango_layout_set_width(layout, pangoWidth(width));
  pango_layout_set_ellipsize(layout, PANGO_ELLIPSIZE_END);
}

// Adds `layout` at `x`, on the line's baseline.
void place(SetText& set, LayoutPtr layout, double x) {
  PangoRectangle logical = logicalOf(layout.get());
  double baseline = points(pango_layout_get_baseline(layout.get()));
  double top = points(logical.y), bottom = points(logical.y + logical.height);
  double below = std::max(bottom - baseline, set.height - set.ascent);
  set.ascent = std::max(set.ascent, baseline - top);
  set.height = set.ascent + below;
  set.pieces.push_back({std::move(layout), x, baseline, points(logical.x), points(logical.x + logical.width)});
}

// The text as one layout: a single line that fits placed by its alignment, one that does
// not ending in an ellipsis; more lines wrapped within the width.
SetText setWhole(PangoContext* context, const LabelText& label, double width) {
  LayoutPtr layout = newLayout(context, label.face, label.text);
  pango_layout_set_alignment(layout.get(), label.alignment == kAlignCenter  ? PANGO_ALIGN_CENTER
                                           : label.alignment == kAlignRight ? PANGO_ALIGN_RIGHT
                                                                            : PANGO_ALIGN_LEFT);
  SetText set;
  if (label.lines == 1) {
    PangoRectangle logical = logicalOf(layout.get());
    if (points(logical.width) <= points(pangoWidth(width)) + kSlack) {
      place(set, std::move(layout), (width - points(logical.width)) * leftShare(label.alignment) - points(logical.x));
      return set;
    }
    endInEllipsis(layout.get(), width);
  } else {
    pango_layout_set_width(layout.get(), pangoWidth(width));
    if (label.lines > 0) {
      pango_layout_set_ellipsize(layout.get(), PANGO_ELLIPSIZE_END);
      pango_layout_set_height(layout.get(), -int(label.lines));
    }
  }
  place(set, std::move(layout), 0);
  return set;
}

// A long line in pieces: each set on its own and laid side by side, from the left or,
// for a right-to-left line, from the right. The piece that crosses the width ends in an
// ellipsis and those after it are not set.
SetText setInPieces(PangoContext* context, const LabelText& label, std::vector<std::string> texts, double width) {
  const bool rightToLeft = uikit::startsRightToLeft(label.text);
  std::vector<std::pair<LayoutPtr, double>> laid;  // each layout and its width
  double total = 0;
  bool fits = true;
  for (const std::string& text : texts) {
    LayoutPtr layout = newLayout(context, label.face, text);
    double pieceWidth = widthOf(layout.get());
    if (total + pieceWidth > width + kSlack) {
      endInEllipsis(layout.get(), width - total);
      laid.emplace_back(std::move(layout), std::max(0.0, width - total));
      fits = false;
      break;
    }
    laid.emplace_back(std::move(layout), pieceWidth);
    total += pieceWidth;
  }
  double start = fits ? (width - total) * leftShare(label.alignment) : 0;
  double lineWidth = fits ? total : std::max(0.0, width);
  SetText set;
  double before = 0;
  for (auto& [layout, pieceWidth] : laid) {
    double x = start + (rightToLeft ? lineWidth - before - pieceWidth : before);
    if (pango_layout_get_width(layout.get()) < 0) x -= points(logicalOf(layout.get()).x);
    before += pieceWidth;
    place(set, std::move(layout), x);
  }
  return set;
}

}  // namespace

size_t LabelTextSetter::KeyHash::operator()(const Key& k) const {
  size_t h = std::hash<std::string>{}(k.text.text);
  for (size_t part : {std::hash<std::string>{}(k.text.face.family), std::hash<int>{}(k.text.face.weight),
                      std::hash<double>{}(k.text.face.pointSize), std::hash<NSInteger>{}(k.text.alignment),
                      std::hash<NSInteger>{}(k.text.lines), std::hash<double>{}(k.width)})
    h = h * 31 + part;
  return h;
}

const SetText& LabelTextSetter::set(const LabelText& text, double width) {
  Key key{text, width};
  if (auto it = set_.find(key); it != set_.end()) return it->second;
  if (set_.size() >= kKept) set_.clear();
  std::vector<std::string> pieces;
  if (text.lines == 1 && text.text.find('\n') == std::string::npos) pieces = uikit::linePieces(text.face, text.text);
  SetText set = pieces.size() > 1 ? setInPieces(pango_.context(), text, std::move(pieces), width)
                                  : setWhole(pango_.context(), text, width);
  return set_.emplace(std::move(key), std::move(set)).first->second;
}

}  // namespace lv::render
