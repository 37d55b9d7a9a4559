#pragma once
// A label's text set with Pango for its width, as the measurer measures it: a single line
// wider than the width ends in an ellipsis, more lines wrap within it. A long single line
// is set in the measurer's pieces (uikit/text_pieces.h), side by side in its direction on
// one baseline, and only the pieces that reach the width are set. Settings are kept per
// text and width, so a label is set once, not once per picture; shown, only the pieces
// within the clip are drawn.
#include <pango/pangocairo.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "quartz/geometry.h"
#include "render/text_layout.h"
#include "uikit/pango_text.h"
#include "uikit/text_measurer.h"

namespace lv::render {

struct LabelText {
  std::string text;
  uikit::FontFace face;
  NSInteger alignment = 0;  // NSTextAlignment
  NSInteger lines = 1;      // 0: as many as the text takes
  bool operator==(const LabelText&) const = default;
};

// One Pango layout and where it goes: `x` from the left of the label, `baseline` below
// its top, `left` to `right` what its text covers from `x` (points).
struct SetPiece {
  LayoutPtr layout;
  double x = 0, baseline = 0, left = 0, right = 0;
};

// The pieces of a text set for a width, and the line they make: `ascent` above the
// common baseline and `height` in all.
struct SetText {
  std::vector<SetPiece> pieces;
  double ascent = 0, height = 0;
};

class LabelTextSetter {
 public:
  LabelTextSetter() = default;
  LabelTextSetter(const LabelTextSetter&) = delete;
  LabelTextSetter& operator=(const LabelTextSetter&) = delete;

  // The text set for a label `width` points wide; valid until the next call.
  const SetText& set(const LabelText& text, double width);

 private:
  struct Key {
    LabelText text;
    double width;
    bool operator==(const Key&) const = default;
  };
  struct KeyHash {
    size_t operator()(const Key& k) const;
  };

  uikit::PangoText pango_;
  std::unordered_map<Key, SetText, KeyHash> set_;
};

}  // namespace lv::render
