#include "host/now_playing_views.h"

#include "host/appearance.h"
#include "host/class_helpers.h"
#include "host/view_outlets.h"

namespace lv::host {

namespace {

using namespace geometry;

template <class T>
T* as(id self) {
  return static_cast<T*>(self);
}

// The view's own superclass implementation first (Auto Layout applies constraints there),
// then the host's places.
template <rt::FixedString Name>
void layoutSuper(id self) {
  sendSuper<void>(superclassOf<Name>(), self, "layoutSubviews"_sel);
}

void NowPlayingView_layoutSubviews(id self, SEL) {
  layoutSuper<"MRUNowPlayingView">(self);
  setFrame(as<MRUNowPlayingView>(self)->controlsView.get(), boundsOf(self));
}

void ControlsView_layoutSubviews(id self, SEL) {
  layoutSuper<"MRUNowPlayingControlsView">(self);
  auto* v = as<MRUNowPlayingControlsView>(self);
  CGFloat w = boundsOf(self).size.width;
  setFrame(v->headerView.get(), headerFrame(w));
  setFrame(v->timeControlsView.get(), timeControlsFrame(w));
  setFrame(v->transportControlsView.get(), transportControlsFrame(w));
  setFrame(v->volumeControlsView.get(), volumeControlsFrame(w));
  setFrame(v->suggestionsView.get(), suggestionsFrame(w));
}

void HeaderView_layoutSubviews(id self, SEL) {
  layoutSuper<"MRUNowPlayingHeaderView">(self);
  auto* v = as<MRUNowPlayingHeaderView>(self);
  CGFloat w = boundsOf(self).size.width;
  setFrame(v->artworkView.get(), kArtworkFrame);
  setFrame(v->labelView.get(), labelViewFrame(w));
  setFrame(v->routingButton.get(), routingButtonFrame(w));
}

id TransportControls_initWithFrame(id self, SEL, CGRect frame) {
  self = sendSuper<id>(superclassOf<"MRUNowPlayingTransportControlsView">(), self, "initWithFrame:"_sel, frame);
  if (!self) return nil;
  for (Ref<>& button : as<MRUNowPlayingTransportControlsView>(self)->buttons) {
    button = makeView("UIView");
    appearance::fillRounded(button.get(), appearance::kControlFill, kTransportButtonSize / 2);
    addSubview(self, button.get());
  }
  return self;
}

void TransportControls_layoutSubviews(id self, SEL) {
  layoutSuper<"MRUNowPlayingTransportControlsView">(self);
  auto* v = as<MRUNowPlayingTransportControlsView>(self);
  CGFloat w = boundsOf(self).size.width;
  for (int i = 0; i < 3; ++i) setFrame(v->buttons[i].get(), transportButtonFrame(i, w));
}

id RoutingButton_initWithFrame(id self, SEL, CGRect frame) {
  self = sendSuper<id>(superclassOf<"MRUNowPlayingRoutingButton">(), self, "initWithFrame:"_sel, frame);
  if (self) appearance::fillRounded(self, appearance::kControlFill, routingButtonFrame(0).size.width / 2);
  return self;
}

}  // namespace

}  // namespace lv::host

void lv::host::registerMRUNowPlayingView() {
  using T = MRUNowPlayingView;
  Class cls = defineMediaView<T>("MRUNowPlayingView", "UIView");
  rt::addMethod(cls, "layoutSubviews"_sel, NowPlayingView_layoutSubviews);
  rt::addObjectProperty<&T::controlsView>(cls, "controlsView"_sel, "setControlsView:"_sel);
  addOutlet<&T::controlsView>(cls, "controlsView", "MRUNowPlayingControlsView");
  rt::addMethod(cls, "didMoveToWindow"_sel, callSuper<"MRUNowPlayingView", void>);
}

void lv::host::registerMRUNowPlayingControlsView() {
  using T = MRUNowPlayingControlsView;
  Class cls = defineMediaView<T>("MRUNowPlayingControlsView", "UIView");
  rt::addMethod(cls, "layoutSubviews"_sel, ControlsView_layoutSubviews);
  rt::addObjectProperty<&T::headerView>(cls, "headerView"_sel, "setHeaderView:"_sel);
  rt::addObjectProperty<&T::timeControlsView>(cls, "timeControlsView"_sel, "setTimeControlsView:"_sel);
  rt::addObjectProperty<&T::transportControlsView>(cls, "transportControlsView"_sel, "setTransportControlsView:"_sel);
  rt::addObjectProperty<&T::volumeControlsView>(cls, "volumeControlsView"_sel, "setVolumeControlsView:"_sel);
  rt::addObjectProperty<&T::suggestionsView>(cls, "suggestionsView"_sel, "setSuggestionsView:"_sel);
  addOutlet<&T::headerView>(cls, "headerView", "MRUNowPlayingHeaderView");
  addOutlet<&T::timeControlsView>(cls, "timeControlsView", "MRUNowPlayingTimeControlsView");
  addOutlet<&T::transportControlsView>(cls, "transportControlsView", "MRUNowPlayingTransportControlsView");
  addOutlet<&T::volumeControlsView>(cls, "volumeControlsView", "UIView");
  addOutlet<&T::suggestionsView>(cls, "suggestionsView", "MRUMediaSuggestionsView");
  rt::addMethod(cls, "setNeedsLayout"_sel, callSuper<"MRUNowPlayingControlsView", void>);
  rt::addMethod(cls, "setFrame:"_sel, callSuper<"MRUNowPlayingControlsView", void, CGRect>);
}

void lv::host::registerMRUNowPlayingHeaderView() {
  using T = MRUNowPlayingHeaderView;
  Class cls = defineMediaView<T>("MRUNowPlayingHeaderView", "UIView");
  rt::addMethod(cls, "layoutSubviews"_sel, HeaderView_layoutSubviews);
  rt::addObjectProperty<&T::artworkView>(cls, "artworkView"_sel, "setArtworkView:"_sel);
  rt::addObjectProperty<&T::labelView>(cls, "labelView"_sel, "setLabelView:"_sel);
  rt::addObjectProperty<&T::routingButton>(cls, "routingButton"_sel, "setRoutingButton:"_sel);
  addOutlet<&T::artworkView>(cls, "artworkView", "MRUArtworkView");
  addOutlet<&T::labelView>(cls, "labelView", "MRUNowPlayingLabelView");
  addOutlet<&T::routingButton>(cls, "routingButton", "MRUNowPlayingRoutingButton");
  rt::addMethod(cls, "setFrame:"_sel, callSuper<"MRUNowPlayingHeaderView", void, CGRect>);
}

void lv::host::registerMRUNowPlayingTransportControlsView() {
  using T = MRUNowPlayingTransportControlsView;
  Class cls = defineMediaView<T>("MRUNowPlayingTransportControlsView", "UIView");
  rt::addMethod(cls, "initWithFrame:"_sel, TransportControls_initWithFrame);
  rt::addFieldProperty<&T::paused>(cls, "isPaused"_sel, "setPaused:"_sel);
  rt::addMethod(cls, "layoutSubviews"_sel, TransportControls_layoutSubviews);
  rt::addMethod(cls, "setFrame:"_sel, callSuper<"MRUNowPlayingTransportControlsView", void, CGRect>);
}

void lv::host::registerMRUNowPlayingRoutingButton() {
  Class cls = defineMediaView<MRUNowPlayingRoutingButton>("MRUNowPlayingRoutingButton", "UIControl");
  rt::addMethod(cls, "initWithFrame:"_sel, RoutingButton_initWithFrame);
  rt::addMethod(cls, "setFrame:"_sel, callSuper<"MRUNowPlayingRoutingButton", void, CGRect>);
}

void lv::host::registerMRUMediaSuggestionsView() {
  Class cls = defineMediaView<MRUMediaSuggestionsView>("MRUMediaSuggestionsView", "UIView");
  rt::addMethod(cls, "setFrame:"_sel, callSuper<"MRUMediaSuggestionsView", void, CGRect>);
}
