#pragma once
// UIView's animateWithDuration:delay:options:animations:completion: with C++ callables.
#include <UIKit/UIView.h>

#include <functional>

#include "bridge/block.h"
#include "bridge/send.h"

namespace lv {

inline void animate(double duration, double delay, NSUInteger options, std::function<void()> animations,
                    std::function<void(bool)> completion = {}) {
  static const Class view = objc_getClass("UIView");
  send<void>(view, "animateWithDuration:delay:options:animations:completion:"_sel, duration, delay, options,
             block<void()>(std::move(animations)), block<void(bool)>(std::move(completion)));
}

}  // namespace lv
