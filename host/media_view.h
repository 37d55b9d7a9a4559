#pragma once
// What every view of the media platter shares: `layout`, `context` and `style` are knobs
// that only the stand-in has; they start at the values of the lock screen's own platter.
// Each view places its children in layoutSubviews (host_geometry.h). The leaves (label
// view, time controls, artwork, transport controls) make their own parts; the containers
// (now-playing view, controls view, header) are given theirs (now_playing_tree.h).
#include "host/host_geometry.h"
#include "runtime/accessors.h"
#include "uikit/view.h"

namespace lv::host {

template <class Base>
struct MediaView : Base {
  NSInteger layout = geometry::kPlatterLayout;
  NSInteger context = geometry::kPlatterContext;
};

void MediaView_traitCollectionDidChange(id self, SEL, id previous);

// A media view class with its knobs. Its layout depends on the traits, so a change of
// them asks for a layout.
template <class T>
Class defineMediaView(const char* name, const char* superclass) {
  Class cls = rt::defineClass<T>(name, superclass);
  rt::addMethod(cls, "layout"_sel, rt::fieldGetter<&T::layout>);
  rt::addMethod(cls, "setLayout:"_sel, rt::fieldSetter<&T::layout>);
  rt::addMethod(cls, "context"_sel, rt::fieldGetter<&T::context>);
  rt::addMethod(cls, "setContext:"_sel, rt::fieldSetter<&T::context>);
  rt::addMethod(cls, "traitCollectionDidChange:"_sel, MediaView_traitCollectionDidChange);
  return cls;
}

}  // namespace lv::host
