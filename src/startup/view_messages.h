#pragma once
// One-line messages that the library's parts send to views and constraints alike.
#include <CoreGraphics/CGGeometry.h>

#include "bridge/send.h"

namespace lv {

inline void setHidden(id view, bool hidden) { send<void>(view, "setHidden:"_sel, hidden); }

inline void setAlpha(id view, double alpha) { send<void>(view, "setAlpha:"_sel, alpha); }

inline double frameWidth(id view) { return send<CGRect>(view, "frame"_sel).size.width; }

// `which` names a layout anchor getter: "topAnchor"_sel, "widthAnchor"_sel, …
inline id anchor(id view, SEL which) { return send<id>(view, which); }

inline void activate(id constraint) { send<void>(constraint, "setActive:"_sel, true); }

// Adds to `view` a tap recogniser that sends `action` to `target`; the view holds it.
inline void addTap(id view, id target, SEL action) {
  Strong tap = create(objc_getClass("UITapGestureRecognizer"), "initWithTarget:action:"_sel, target, action);
  send<void>(view, "addGestureRecognizer:"_sel, tap);
}

}  // namespace lv
