#pragma once
// UIView's animateWithDuration:delay:options:animations:completion: with C++ callables.
#include <functional>

#include "foundation/block.h"
#include "runtime/runtime.h"
#include "uikit/view_animation.h"

namespace lv {

inline void animate(double duration, double delay, NSUInteger options, std::function<void()> animations,
                    std::function<void(bool)> completion = {}) {
  static const Class view = objc_getClass("UIView");
  send<void>(view, "animateWithDuration:delay:options:animations:completion:"_sel, duration, delay, options,
             fnd::block<void()>(std::move(animations)), fnd::block<void(bool)>(std::move(completion)));
}

}  // namespace lv
