#pragma once
// Helpers for the view tests: views made as the library makes them, and a subclass that
// records the messages UIKit sends it.
#include <string>
#include <vector>

#include "runtime/runtime.h"
#include "quartz/geometry.h"

namespace testing_support {

inline Ref<> makeView(CGRect frame, const char* cls = "UIView") {
  return rt::create(objc_getClass(cls), "initWithFrame:"_sel, frame);
}

// Every RecordingView appends "<tag>:<event>" here.
inline std::vector<std::string>& events() {
  static std::vector<std::string> log;
  return log;
}

inline std::string tagOf(id self) { return std::to_string(send<long>(self, "tag"_sel)); }

inline void record(id self, const std::string& what) { events().push_back(tagOf(self) + ":" + what); }

inline Class recordingViewClass() {
  static Class cls = [] {
    Class c = objc_allocateClassPair(objc_getClass("UIView"), "RecordingView", 0);
    objc_registerClassPair(c);
    class_addMethod(c, "didMoveToWindow"_sel,
                    +[](id self, SEL) { record(self, send<id>(self, "window"_sel) ? "inWindow" : "noWindow"); },
                    "v@:");
    class_addMethod(c, "willMoveToWindow:"_sel,
                    +[](id self, SEL, id w) { record(self, w ? "willEnter" : "willLeave"); }, "v@:@");
    class_addMethod(c, "didMoveToSuperview"_sel, +[](id self, SEL) { record(self, "superview"); },
                    "v@:");
    class_addMethod(c, "layoutSubviews"_sel, +[](id self, SEL) { record(self, "layout"); }, "v@:");
    class_addMethod(c, "traitCollectionDidChange:"_sel,
                    +[](id self, SEL, id) { record(self, "traits"); }, "v@:@");
    return c;
  }();
  return cls;
}

inline Ref<> makeRecordingView(long tag, CGRect frame = {}) {
  Ref<> v = rt::create(recordingViewClass(), "initWithFrame:"_sel, frame);
  send<void>(v, "setTag:"_sel, tag);
  return v;
}

}  // namespace testing_support
