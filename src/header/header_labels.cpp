#include "header/header_labels.h"

#include <CoreGraphics/CGGeometry.h>
#include <UIKit/UIFontDescriptor.h>
#include <UIKit/UIStackView.h>

#include "bridge/values.h"
#include "header/header_values.h"
#include "startup/globals.h"
#include "startup/view_messages.h"

namespace lv::header {

namespace {

void tie(id view, SEL edge, id other, SEL otherEdge, double constant) {
  activate(send<id>(anchor(view, edge), "constraintEqualToAnchor:constant:"_sel,
                    anchor(other, otherEdge), constant));
}

// The left edge of a label in the stack: at the stack's left while the artwork is small;
// while it is enlarged, where a text as wide as the host's own is centred a little to
// the right of the controls' middle, counting from the host label view's left.
double labelLeft(SEL hostText) {
  if (!Expanded) return 0;
  double hostX = send<CGRect>(mruLabel, "frame"_sel).origin.x;
  double textWidth = frameWidth(send<id>(mruLabel, hostText));
  return controlsWidth * 0.5 - hostX + textWidth * -0.5 + kCentredShift;
}

struct LabelStyle {
  SEL setter;
  const char* placeholder;
  CGFloat weight;
  SEL color;
  double top;
  SEL hostText;
};

void addLabel(id header, id stack, const LabelStyle& style) {
  Strong made = create(objc_getClass("CBAutoScrollLabel"));
  id label = made.get();
  send<void>(header, style.setter, label);
  send<void>(label, "setText:"_sel, string(style.placeholder));
  send<void>(label, "setFont:"_sel,
             send<id>(objc_getClass("UIFont"), "systemFontOfSize:weight:"_sel, kLabelFontSize, style.weight));
  send<void>(label, "setTextColor:"_sel, send<id>(objc_getClass("UIColor"), style.color));
  send<void>(label, "setPauseInterval:"_sel, kLabelPauseInterval);
  send<void>(label, "setScrollSpeed:"_sel, kLabelScrollSpeed);
  send<void>(stack, "addArrangedSubview:"_sel, label);
  send<void>(label, "setTranslatesAutoresizingMaskIntoConstraints:"_sel, false);
  tie(label, "topAnchor"_sel, stack, "topAnchor"_sel, style.top);
  activate(send<id>(anchor(label, "widthAnchor"_sel), "constraintEqualToAnchor:"_sel,
                    anchor(stack, "widthAnchor"_sel)));
  activate(send<id>(anchor(label, "heightAnchor"_sel), "constraintEqualToConstant:"_sel, kLabelHeight));
  tie(label, "leftAnchor"_sel, stack, "leftAnchor"_sel, labelLeft(style.hostText));
}

}  // namespace

}  // namespace lv::header

// The stack is kStackWidth wide and two rows tall whatever the header's size: both far
// edges are tied to the header's near ones, so labels as wide as the stack keep the
// width the placement counts on.
void lv::header::MRUNowPlayingHeaderView_addLVLabels(id self, SEL) {
  Strong made = create(objc_getClass("UIStackView"));
  id stack = made.get();
  send<void>(self, "setLabelStackView:"_sel, stack);
  send<void>(stack, "setAxis:"_sel, UILayoutConstraintAxisVertical);
  send<void>(stack, "setAlignment:"_sel, UIStackViewAlignmentCenter);
  send<void>(stack, "setDistribution:"_sel, UIStackViewDistributionEqualSpacing);
  send<void>(self, "addSubview:"_sel, stack);
  send<void>(stack, "setTranslatesAutoresizingMaskIntoConstraints:"_sel, false);

  tie(stack, "topAnchor"_sel, self, "topAnchor"_sel, kStackTop);
  tie(stack, "leftAnchor"_sel, self, "leftAnchor"_sel, frameWidth(self) * 0.5 + kStackLeftFromMiddle);
  tie(stack, "rightAnchor"_sel, self, "leftAnchor"_sel,
      frameWidth(self) * 0.5 + kStackLeftFromMiddle + kStackWidth);
  tie(stack, "bottomAnchor"_sel, self, "topAnchor"_sel, kStackTop + 2 * kLabelHeight);

  addLabel(self, stack,
           {"setTitleLabel:"_sel, "NowPlaying", UIFontWeightMedium, "labelColor"_sel, 0, "titleMarqueeView"_sel});
  addLabel(self, stack,
           {"setArtistLabel:"_sel, "Nobody", UIFontWeightRegular, "secondaryLabelColor"_sel, kLabelHeight,
            "subtitleMarqueeView"_sel});
}
