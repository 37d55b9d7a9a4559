#pragma once
// Helpers for the view tests: views made as the library makes them, and a subclass that
// records the messages UIKit sends it.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "runtime/runtime.h"
#include "quartz/geometry.h"

namespace testing_support {

inline Ref<> makeView(CGRect frame, Class cls) { return rt::create(cls, "initWithFrame:"_sel, frame); }
inline Ref<> makeView(CGRect frame, const char* cls = "UIView") { return makeView(frame, objc_getClass(cls)); }

template <class C = const char*>
inline Ref<> addChild(id parent, CGRect frame, C cls = "UIView") {
  Ref<> v = makeView(frame, cls);
  send<void>(parent, "addSubview:"_sel, v);
  return v;
}

inline CGRect frameOf(id view) { return send<CGRect>(view, "frame"_sel); }

// `a` and `b` are distinct objects that are equal and hash alike; every one of `others`
// differs from `a`.
inline void expectEqualObjects(id a, id b, std::initializer_list<id> others) {
  EXPECT_NE(a, b);
  EXPECT_TRUE(send<bool>(a, "isEqual:"_sel, b));
  EXPECT_EQ(send<NSUInteger>(a, "hash"_sel), send<NSUInteger>(b, "hash"_sel));
  for (id other : others) EXPECT_FALSE(send<bool>(a, "isEqual:"_sel, other));
}

// A new registered subclass of `parent` on every call, so a test may run again in the
// same process.
inline Class makeSubclass(const char* parent, const std::string& name) {
  static int serial = 0;
  Class cls = objc_allocateClassPair(objc_getClass(parent), (name + std::to_string(++serial)).c_str(), 0);
  objc_registerClassPair(cls);
  return cls;
}

// Every RecordingView appends "<tag>:<event>" here.
using Events = std::vector<std::string>;
inline Events& events() {
  static Events log;
  return log;
}

// What was recorded since the last take.
inline Events takeEvents() { return std::exchange(events(), {}); }

inline void record(id view, const std::string& what) {
  events().push_back(std::to_string(send<long>(view, "tag"_sel)) + ":" + what);
}

template <class Value>
void recordSet(id self, SEL sel, Value value) {
  events().push_back(sel_getName(sel));
  sendSuper<void>(objc_getClass("UIView"), self, sel, value);
}

// A UIView subclass that appends "setFrame:", "setBounds:" or "setCenter:" here for each such set.
inline Class geometryRecorderClass() {
  static Class cls = [] {
    Class c = makeSubclass("UIView", "GeometryRecorder");
    class_addMethod(c, "setFrame:"_sel, recordSet<CGRect>, "v@:{CGRect={CGPoint=dd}{CGSize=dd}}");
    class_addMethod(c, "setBounds:"_sel, recordSet<CGRect>, "v@:{CGRect={CGPoint=dd}{CGSize=dd}}");
    class_addMethod(c, "setCenter:"_sel, recordSet<CGPoint>, "v@:{CGPoint=dd}");
    return c;
  }();
  return cls;
}

// A UIView subclass that records its window, superview, layout and trait events.
inline Class recordingViewClass() {
  static Class cls = [] {
    Class c = makeSubclass("UIView", "RecordingView");
    class_addMethod(c, "didMoveToWindow"_sel, +[](id self, SEL) {
      record(self, send<id>(self, "window"_sel) ? "inWindow" : "noWindow");
    }, "v@:");
    class_addMethod(c, "willMoveToWindow:"_sel, +[](id self, SEL, id w) { record(self, w ? "willEnter" : "willLeave"); }, "v@:@");
    class_addMethod(c, "didMoveToSuperview"_sel, +[](id self, SEL) { record(self, "superview"); }, "v@:");
    class_addMethod(c, "layoutSubviews"_sel, +[](id self, SEL) { record(self, "layout"); }, "v@:");
    class_addMethod(c, "traitCollectionDidChange:"_sel, +[](id self, SEL, id) { record(self, "traits"); }, "v@:@");
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
