// The now-playing view, its controls view and header, and the small views among them:
// transport controls, routing button and suggestions.
#include "host/appearance.h"
#include "host/class_helpers.h"
#include "host/media_views.h"

namespace host {

namespace {

using namespace geometry;

template <class T>
T* as(id self) {
  return static_cast<T*>(self);
}

void roundedFill(id view, appearance::Color fill, CGFloat radius) {
  send<void>(view, "setBackgroundColor:"_sel, appearance::color(fill));
  send<void>(send<id>(view, "layer"_sel), "setCornerRadius:"_sel, radius);
}

Ref<> addChild(id parent, Ref<> child) {
  addSubview(parent, child);
  return child;
}

// The view's own superclass implementation first (Auto Layout applies constraints there),
// then the host's places.
template <rt::FixedString Name>
void layoutSuper(id self) {
  sendSuper<void>(superclassOf<Name>(), self, "layoutSubviews"_sel);
}

id NowPlayingView_initWithFrame(id self, SEL, CGRect frame) {
  self = sendSuper<id>(superclassOf<"MRUNowPlayingView">(), self, "initWithFrame:"_sel, frame);
  if (!self) return nil;
  as<MRUNowPlayingView>(self)->controlsView = addChild(self, makeView("MRUNowPlayingControlsView"));
  return self;
}

void NowPlayingView_layoutSubviews(id self, SEL) {
  layoutSuper<"MRUNowPlayingView">(self);
  setFrame(as<MRUNowPlayingView>(self)->controlsView, boundsOf(self));
}

id ControlsView_initWithFrame(id self, SEL, CGRect frame) {
  self = sendSuper<id>(superclassOf<"MRUNowPlayingControlsView">(), self, "initWithFrame:"_sel, frame);
  if (!self) return nil;
  auto* v = as<MRUNowPlayingControlsView>(self);
  v->headerView = addChild(self, makeView("MRUNowPlayingHeaderView"));
  v->timeControlsView = addChild(self, rt::create(objc_getClass("MRUNowPlayingTimeControlsView"),
                                                  "initWithFrame:primaryAction:"_sel, CGRectZero, nil));
  v->transportControlsView = addChild(self, makeView("MRUNowPlayingTransportControlsView"));
  v->volumeControlsView = addChild(self, makeView("UIView"));
  roundedFill(v->volumeControlsView, appearance::kUnplayedTrack, kVolumeControlsHeight / 2);
  v->suggestionsView = addChild(self, makeView("MRUMediaSuggestionsView"));
  roundedFill(v->suggestionsView, appearance::kControlFill, kSuggestionsCornerRadius);
  return self;
}

void ControlsView_layoutSubviews(id self, SEL) {
  layoutSuper<"MRUNowPlayingControlsView">(self);
  auto* v = as<MRUNowPlayingControlsView>(self);
  CGFloat w = boundsOf(self).size.width;
  setFrame(v->headerView, headerFrame(w));
  setFrame(v->timeControlsView, timeControlsFrame(w));
  setFrame(v->transportControlsView, transportControlsFrame(w));
  setFrame(v->volumeControlsView, volumeControlsFrame(w));
  setFrame(v->suggestionsView, suggestionsFrame(w));
}

id HeaderView_initWithFrame(id self, SEL, CGRect frame) {
  self = sendSuper<id>(superclassOf<"MRUNowPlayingHeaderView">(), self, "initWithFrame:"_sel, frame);
  if (!self) return nil;
  auto* v = as<MRUNowPlayingHeaderView>(self);
  v->artworkView = addChild(self, makeView("MRUArtworkView"));
  v->labelView = addChild(self, makeView("MRUNowPlayingLabelView"));
  v->routingButton = addChild(self, makeView("MRUNowPlayingRoutingButton"));
  return self;
}

void HeaderView_layoutSubviews(id self, SEL) {
  layoutSuper<"MRUNowPlayingHeaderView">(self);
  auto* v = as<MRUNowPlayingHeaderView>(self);
  CGFloat w = boundsOf(self).size.width;
  setFrame(v->artworkView, kArtworkFrame);
  setFrame(v->labelView, labelViewFrame(w));
  setFrame(v->routingButton, routingButtonFrame(w));
}

id TransportControls_initWithFrame(id self, SEL, CGRect frame) {
  self = sendSuper<id>(superclassOf<"MRUNowPlayingTransportControlsView">(), self, "initWithFrame:"_sel, frame);
  if (!self) return nil;
  for (Ref<>& button : as<MRUNowPlayingTransportControlsView>(self)->buttons) {
    button = addChild(self, makeView("UIView"));
    roundedFill(button, appearance::kControlFill, kTransportButtonSize / 2);
  }
  return self;
}

void TransportControls_layoutSubviews(id self, SEL) {
  layoutSuper<"MRUNowPlayingTransportControlsView">(self);
  auto* v = as<MRUNowPlayingTransportControlsView>(self);
  for (int i = 0; i < 3; ++i) setFrame(v->buttons[i], transportButtonFrame(i));
}

id RoutingButton_initWithFrame(id self, SEL, CGRect frame) {
  self = sendSuper<id>(superclassOf<"MRUNowPlayingRoutingButton">(), self, "initWithFrame:"_sel, frame);
  if (self) roundedFill(self, appearance::kControlFill, routingButtonFrame(0).size.width / 2);
  return self;
}

}  // namespace

void MediaView_traitCollectionDidChange(id self, SEL, id) { send<void>(self, "setNeedsLayout"_sel); }

void registerMRUNowPlayingView() {
  using T = MRUNowPlayingView;
  Class cls = defineMediaView<T>("MRUNowPlayingView", "UIView");
  rt::addMethod(cls, "initWithFrame:"_sel, NowPlayingView_initWithFrame);
  rt::addMethod(cls, "layoutSubviews"_sel, NowPlayingView_layoutSubviews);
  rt::addMethod(cls, "controlsView"_sel, rt::objectGetter<&T::controlsView>);
  rt::addMethod(cls, "didMoveToWindow"_sel, callSuper<"MRUNowPlayingView", void>);
}

void registerMRUNowPlayingControlsView() {
  using T = MRUNowPlayingControlsView;
  Class cls = defineMediaView<T>("MRUNowPlayingControlsView", "UIView");
  rt::addMethod(cls, "initWithFrame:"_sel, ControlsView_initWithFrame);
  rt::addMethod(cls, "layoutSubviews"_sel, ControlsView_layoutSubviews);
  rt::addMethod(cls, "headerView"_sel, rt::objectGetter<&T::headerView>);
  rt::addMethod(cls, "timeControlsView"_sel, rt::objectGetter<&T::timeControlsView>);
  rt::addMethod(cls, "transportControlsView"_sel, rt::objectGetter<&T::transportControlsView>);
  rt::addMethod(cls, "volumeControlsView"_sel, rt::objectGetter<&T::volumeControlsView>);
  rt::addMethod(cls, "suggestionsView"_sel, rt::objectGetter<&T::suggestionsView>);
  rt::addMethod(cls, "setNeedsLayout"_sel, callSuper<"MRUNowPlayingControlsView", void>);
  rt::addMethod(cls, "setFrame:"_sel, callSuper<"MRUNowPlayingControlsView", void, CGRect>);
}

void registerMRUNowPlayingHeaderView() {
  using T = MRUNowPlayingHeaderView;
  Class cls = defineMediaView<T>("MRUNowPlayingHeaderView", "UIView");
  rt::addMethod(cls, "initWithFrame:"_sel, HeaderView_initWithFrame);
  rt::addMethod(cls, "layoutSubviews"_sel, HeaderView_layoutSubviews);
  rt::addMethod(cls, "artworkView"_sel, rt::objectGetter<&T::artworkView>);
  rt::addMethod(cls, "labelView"_sel, rt::objectGetter<&T::labelView>);
  rt::addMethod(cls, "routingButton"_sel, rt::objectGetter<&T::routingButton>);
  rt::addMethod(cls, "setFrame:"_sel, callSuper<"MRUNowPlayingHeaderView", void, CGRect>);
}

void registerMRUNowPlayingTransportControlsView() {
  Class cls = defineMediaView<MRUNowPlayingTransportControlsView>("MRUNowPlayingTransportControlsView", "UIView");
  rt::addMethod(cls, "initWithFrame:"_sel, TransportControls_initWithFrame);
  rt::addMethod(cls, "layoutSubviews"_sel, TransportControls_layoutSubviews);
  rt::addMethod(cls, "setFrame:"_sel, callSuper<"MRUNowPlayingTransportControlsView", void, CGRect>);
}

void registerMRUNowPlayingRoutingButton() {
  Class cls = defineMediaView<MRUNowPlayingRoutingButton>("MRUNowPlayingRoutingButton", "UIControl");
  rt::addMethod(cls, "initWithFrame:"_sel, RoutingButton_initWithFrame);
  rt::addMethod(cls, "setFrame:"_sel, callSuper<"MRUNowPlayingRoutingButton", void, CGRect>);
}

void registerMRUMediaSuggestionsView() {
  Class cls = defineMediaView<MRUMediaSuggestionsView>("MRUMediaSuggestionsView", "UIView");
  rt::addMethod(cls, "setFrame:"_sel, callSuper<"MRUMediaSuggestionsView", void, CGRect>);
}

}  // namespace host
