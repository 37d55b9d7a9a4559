#include "header/header_text_refresh.h"

#include "foundation/block.h"
#include "startup/globals.h"
#include "uikit/view_animation.h"

namespace lv::header {

namespace {

// Runs `step` in a zero-length linear animation, then `next` once it has completed.
void animateNow(std::function<void()> step, std::function<void()> next) {
  static const Class view = objc_getClass("UIView");
  send<void>(view, "animateWithDuration:delay:options:animations:completion:"_sel, 0.0, 0.0,
             UIViewAnimationOptionCurveLinear, fnd::block<void()>(std::move(step)),
             fnd::block<void(bool)>([next = std::move(next)](bool) { next(); }));
}

// Read when the step runs: the globals may change between the steps.
void copyText(SEL label, SEL text) {
  send<void>(send<id>(headerView, label), "setText:"_sel, send<id>(mruLabel, text));
}

}  // namespace

void refreshHeaderText() {
  animateNow([] { copyText("titleLabel"_sel, "title"_sel); },
             [] {
               animateNow([] { copyText("artistLabel"_sel, "subtitle"_sel); },
                          [] { send<void>(headerView, "centreFrameWithoutAnimation"_sel); });
             });
}

}  // namespace lv::header
