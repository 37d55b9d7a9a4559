#include "host/label_view.h"

#include <algorithm>

#include "foundation/values.h"
#include "host/appearance.h"
#include "host/class_helpers.h"
#include "host/view_outlets.h"

namespace lv::host {

namespace {

using namespace geometry;

MRUNowPlayingLabelView* asLabelView(id self) { return static_cast<MRUNowPlayingLabelView*>(self); }

bool sameText(id a, id b) { return a == b || (a && send<bool>(a, "isEqualToString:"_sel, b)); }

// A line given a view that shows no text keeps what it shows.
void setLineText(id line, id text) {
  if (line && class_respondsToSelector(object_getClass(line), "setText:"_sel)) send<void>(line, "setText:"_sel, text);
}

// The title line shows the placeholder while there is no title.
void showTexts(MRUNowPlayingLabelView* v) {
  setLineText(v->titleMarqueeView.get(), v->title ? v->title.get() : v->placeholderText.get());
  setLineText(v->subtitleMarqueeView.get(), v->subtitle.get());
  send<void>(v, "setNeedsLayout"_sel);
}

template <Ref<> MRUNowPlayingLabelView::*Field>
void setText(id self, SEL, id text) {
  MRUNowPlayingLabelView* v = asLabelView(self);
  if (sameText(text, (v->*Field).get())) return;
  v->*Field = Ref<>::adopt(send<id>(text, "copy"_sel));
  showTexts(v);
}

id LabelView_initWithFrame(id self, SEL, CGRect frame) {
  self = sendSuper<id>(superclassOf<"MRUNowPlayingLabelView">(), self, "initWithFrame:"_sel, frame);
  if (!self) return nil;
  MRUNowPlayingLabelView* v = asLabelView(self);
  v->routeLabel = appearance::addLabel(self, 13, UIFontWeightMedium, appearance::secondaryLabelColor());
  send<void>(v->routeLabel, "setText:"_sel, fnd::string(appearance::kRouteName));
  v->titleMarqueeView = appearance::addLabel(self, 15, UIFontWeightSemibold, appearance::labelColor());
  v->subtitleMarqueeView = appearance::addLabel(self, 15, UIFontWeightRegular, appearance::secondaryLabelColor());
  v->placeholderText = Ref<>::retain(fnd::string(appearance::kNotPlaying));
  showTexts(v);
  return self;
}

// A line as wide as it fits (its text), up to the label view's width.
CGRect lineFrame(id line, CGFloat top, CGFloat width) {
  CGSize fits = send<CGSize>(line, "sizeThatFits:"_sel, CGSize{width, kTextHeight});
  return {{0, top}, {std::clamp<CGFloat>(fits.width, 0, width), kTextHeight}};
}

void LabelView_layoutSubviews(id self, SEL) {
  sendSuper<void>(superclassOf<"MRUNowPlayingLabelView">(), self, "layoutSubviews"_sel);
  MRUNowPlayingLabelView* v = asLabelView(self);
  CGFloat w = boundsOf(self).size.width;
  setFrame(v->routeLabel.get(), {{0, kRouteTop}, {w, kRouteHeight}});
  setFrame(v->titleMarqueeView.get(), lineFrame(v->titleMarqueeView.get(), kTitleTop, w));
  setFrame(v->subtitleMarqueeView.get(), lineFrame(v->subtitleMarqueeView.get(), kSubtitleTop, w));
}

}  // namespace

}  // namespace lv::host

void lv::host::registerMRUNowPlayingLabelView() {
  using T = MRUNowPlayingLabelView;
  Class cls = defineMediaView<T>("MRUNowPlayingLabelView", "UIView");
  rt::addMethod(cls, "initWithFrame:"_sel, LabelView_initWithFrame);
  rt::addMethod(cls, "layoutSubviews"_sel, LabelView_layoutSubviews);
  addOutlet<&T::titleMarqueeView>(cls, "titleMarqueeView", "UILabel");
  addOutlet<&T::subtitleMarqueeView>(cls, "subtitleMarqueeView", "UILabel");
  addOutlet<&T::routeLabel>(cls, "routeLabel", "UILabel");
  rt::addMethod(cls, "title"_sel, rt::objectGetter<&T::title>);
  rt::addMethod(cls, "setTitle:"_sel, setText<&T::title>);
  rt::addMethod(cls, "subtitle"_sel, rt::objectGetter<&T::subtitle>);
  rt::addMethod(cls, "setSubtitle:"_sel, setText<&T::subtitle>);
  rt::addMethod(cls, "placeholderText"_sel, rt::objectGetter<&T::placeholderText>);
  rt::addMethod(cls, "setPlaceholderText:"_sel, setText<&T::placeholderText>);
  rt::addMethod(cls, "didMoveToWindow"_sel, callSuper<"MRUNowPlayingLabelView", void>);
  rt::addMethod(cls, "setFrame:"_sel, callSuper<"MRUNowPlayingLabelView", void, CGRect>);
}
