#include "header/header_text_refresh.h"

#include "startup/animate.h"
#include "startup/globals.h"

namespace lv::header {

namespace {

// Read when the step runs: the globals may change between the steps.
void copyText(SEL label, SEL text) {
  send<void>(send<id>(headerView, label), "setText:"_sel, send<id>(mruLabel, text));
}

}  // namespace

}  // namespace lv::header

void lv::header::refreshHeaderText() {
  animate(0, 0, UIViewAnimationOptionCurveLinear, [] { copyText("titleLabel"_sel, "title"_sel); },
          [](bool) {
            animate(0, 0, UIViewAnimationOptionCurveLinear, [] { copyText("artistLabel"_sel, "subtitle"_sel); },
                    [](bool) { send<void>(headerView, "centreFrameWithoutAnimation"_sel); });
          });
}
