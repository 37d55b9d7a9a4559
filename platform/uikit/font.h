#pragma once
// UIFont. The system font is stood in for by Inter, weight for weight. Fonts are
// immutable objects; two equal fonts may be different objects (`isEqual:` compares what
// they describe, not identity).
#include <UIKit/UIFontDescriptor.h>

#include <string>

#include "runtime/runtime.h"
#include "uikit/text_measurer.h"

extern "C" {
extern const UIFontWeight UIFontWeightUltraLight;
extern const UIFontWeight UIFontWeightThin;
extern const UIFontWeight UIFontWeightLight;
extern const UIFontWeight UIFontWeightSemibold;
extern const UIFontWeight UIFontWeightBold;
extern const UIFontWeight UIFontWeightHeavy;
extern const UIFontWeight UIFontWeightBlack;
}

struct UIFont : objc_object {
  uikit::FontFace face;
  CGFloat weight = 0;  // UIKit's scale, as given
  std::string fontName;
};

namespace uikit {

// The system font (autoreleased), as `systemFontOfSize:weight:` makes it.
id systemFont(CGFloat size, CGFloat weight = 0);

// The font's face for measuring and drawing; an empty face for nil.
FontFace fontFace(id font);

}  // namespace uikit
