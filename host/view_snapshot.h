#pragma once
// What a view and everything under it showed at one moment: model geometry in the
// superview's and the window's coordinates, appearance (colours and a label's font and
// alignment included), texts, scroll state, the layer's
// mask, what is on screen while something animates, and the object properties the
// library added. Plain values: it holds no object.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/view_ids.h"
#include "quartz/geometry.h"
#include "runtime/runtime.h"
#include "uikit/color.h"

namespace lv::host {

struct ScrollSnapshot {
  CGPoint contentOffset{};
  CGSize contentSize{};
};

struct MaskSnapshot {
  std::string className;
  std::vector<double> locations;  // a gradient mask's; empty for any other
};

// The values on screen while the view's layer animates.
struct PresentationSnapshot {
  CGRect frame{};
  double alpha;
  CGAffineTransform transform = CGAffineTransformIdentity;
  std::optional<CGPoint> contentOffset;  // scroll views only
};

// What a label draws its text with.
struct TextLooks {
  uikit::RGBA color;
  std::string fontName;
  double fontSize;
  int fontWeight;  // 100 to 900, as the font's face has it
  NSInteger alignment;
};

struct ViewSnapshot {
  std::string id;  // the index path from the window: "0" the window, "0/3/1" a subview's subview
  std::string className;
  CGRect frame{};
  CGRect windowFrame{};
  bool hidden;
  double alpha;
  CGAffineTransform transform = CGAffineTransformIdentity;
  double cornerRadius;
  NSUInteger maskedCorners;
  bool clipsToBounds;
  std::optional<uikit::RGBA> backgroundColor = {};  // the layer's; nullopt: none
  bool hasText = false;             // the view answers `text`
  std::optional<std::string> text = {};  // nullopt: the text is nil
  std::optional<TextLooks> textLooks = {};  // labels only
  std::optional<ScrollSnapshot> scroll = {};
  std::optional<MaskSnapshot> mask = {};
  std::optional<PresentationSnapshot> presentation = {};
  // Each object property by name, with what it holds (nullopt: nil), the view's own class
  // first.
  std::vector<std::pair<std::string, std::optional<ObjectSnapshot>>> properties = {};
  std::vector<ViewSnapshot> subviews = {};
};

// `window` and everything under it; `ids` are the window's.
ViewSnapshot snapshotView(id window, const ViewIds& ids);

}  // namespace lv::host
