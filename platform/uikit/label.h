#pragma once
// UILabel: a text in a font and colour, measured with the process's text measurer. The
// renderer reads the fields directly.
#include <UIKit/NSText.h>

#include "uikit/view.h"

struct UILabel : UIView {
  Ref<> text;            // NSString, nil when there is none
  Ref<> attributedText;  // set only through setAttributedText:; its string is `text`
  Ref<> font;            // never nil: nil restores the system font of 17 points
  Ref<> textColor;       // nil restores the label colour
  Ref<> shadowColor;
  CGSize shadowOffset{0, -1};
  NSInteger textAlignment = NSTextAlignmentNatural;
  NSInteger numberOfLines = 1;
};

namespace uikit {

// The size of the label's text, limited to its number of lines (0: no limit).
CGSize labelTextSize(const UILabel& label);

}  // namespace uikit
