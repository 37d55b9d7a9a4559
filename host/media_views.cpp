#include "host/media_views.h"

#include <cmath>
#include <cstdio>

#include "foundation/values.h"
#include "host/class_helpers.h"

namespace host {

namespace {

template <class T>
Class defineMediaView(const char* name, const char* superclass) {
  Class cls = rt::defineClass<T>(name, objc_getClass(superclass));
  rt::addMethod(cls, "layout"_sel, rt::fieldGetter<&T::layout>);
  rt::addMethod(cls, "setLayout:"_sel, rt::fieldSetter<&T::layout>);
  rt::addMethod(cls, "context"_sel, rt::fieldGetter<&T::context>);
  rt::addMethod(cls, "setContext:"_sel, rt::fieldSetter<&T::context>);
  return cls;
}

std::string minutesAndSeconds(double seconds) {
  long whole = std::isfinite(seconds) && seconds > 0 ? long(std::floor(seconds)) : 0;
  char text[32];
  std::snprintf(text, sizeof text, "%ld:%02ld", whole / 60, whole % 60);
  return text;
}

MRUNowPlayingTimeControlsView* asTimeControls(id self) {
  return static_cast<MRUNowPlayingTimeControlsView*>(self);
}

id TimeControls_initWithFramePrimaryAction(id self, SEL, CGRect frame, id action) {
  self = sendSuper<id>(superclassOf<"MRUNowPlayingTimeControlsView">(), self, "initWithFrame:"_sel, frame);
  if (!self) return nil;
  asTimeControls(self)->primaryAction = action;
  return self;
}

// The factor is kept as given, not-a-number included: the host does not judge it.
void TimeControls_setElapsedTimeFactor(id self, SEL, double factor) {
  asTimeControls(self)->elapsedTimeFactor = factor;
}

void TimeControls_updateElapsedTime(id self, SEL) {
  const MRUNowPlayingTimeControlsView* v = asTimeControls(self);
  double elapsed = v->elapsedTimeFactor * v->duration;
  send<void>(v->elapsedTimeLabel, "setText:"_sel, fnd::string(elapsedTimeText(elapsed)));
  send<void>(v->remainingTimeLabel, "setText:"_sel, fnd::string(remainingTimeText(v->duration - elapsed)));
}

MRUArtworkView* asArtwork(id self) { return static_cast<MRUArtworkView*>(self); }

void Artwork_setArtworkImage(id self, SEL, id image) {
  if (asArtwork(self)->artworkImage.get() == image) return;
  asArtwork(self)->artworkImage = image;
  send<void>(self, "updateVisibility"_sel);
}

// Shows the artwork when there is one, the placeholder otherwise.
void Artwork_updateVisibility(id self, SEL) {
  const MRUArtworkView* v = asArtwork(self);
  bool hasArtwork = v->artworkImage != nil;
  send<void>(v->artworkImageView, "setHidden:"_sel, !hasArtwork);
  send<void>(v->placeholderBackground, "setHidden:"_sel, hasArtwork);
  send<void>(v->placeholderImageView, "setHidden:"_sel, hasArtwork);
}

}  // namespace

std::string elapsedTimeText(double seconds) { return minutesAndSeconds(seconds); }
std::string remainingTimeText(double seconds) { return "-" + minutesAndSeconds(seconds); }

void registerMRUNowPlayingView() {
  Class cls = defineMediaView<MRUNowPlayingView>("MRUNowPlayingView", "UIView");
  rt::addMethod(cls, "didMoveToWindow"_sel, callSuper<"MRUNowPlayingView", void>);
}

void registerMRUNowPlayingControlsView() {
  using T = MRUNowPlayingControlsView;
  Class cls = defineMediaView<T>("MRUNowPlayingControlsView", "UIView");
  rt::addMethod(cls, "volumeControlsView"_sel, rt::objectGetter<&T::volumeControlsView>);
  rt::addMethod(cls, "setNeedsLayout"_sel, callSuper<"MRUNowPlayingControlsView", void>);
  rt::addMethod(cls, "setFrame:"_sel, callSuper<"MRUNowPlayingControlsView", void, CGRect>);
}

void registerMRUNowPlayingHeaderView() {
  Class cls = defineMediaView<MRUNowPlayingHeaderView>("MRUNowPlayingHeaderView", "UIView");
  rt::addMethod(cls, "layoutSubviews"_sel, callSuper<"MRUNowPlayingHeaderView", void>);
  rt::addMethod(cls, "setFrame:"_sel, callSuper<"MRUNowPlayingHeaderView", void, CGRect>);
}

void registerMRUNowPlayingTransportControlsView() {
  Class cls = defineMediaView<MRUNowPlayingTransportControlsView>("MRUNowPlayingTransportControlsView", "UIView");
  rt::addMethod(cls, "setFrame:"_sel, callSuper<"MRUNowPlayingTransportControlsView", void, CGRect>);
}

void registerMRUNowPlayingTimeControlsView() {
  using T = MRUNowPlayingTimeControlsView;
  constexpr rt::FixedString kName = "MRUNowPlayingTimeControlsView";
  Class cls = defineMediaView<T>(kName.text, "UIControl");
  rt::addIvar(cls, "_elapsedTimeFactor", &T::elapsedTimeFactor);
  rt::addIvar(cls, "_elapsedTimeLabel", &T::elapsedTimeLabel);
  rt::addIvar(cls, "_remainingTimeLabel", &T::remainingTimeLabel);
  rt::addMethod(cls, "elapsedTimeLabel"_sel, rt::objectGetter<&T::elapsedTimeLabel>);
  rt::addMethod(cls, "remainingTimeLabel"_sel, rt::objectGetter<&T::remainingTimeLabel>);
  rt::addMethod(cls, "knobView"_sel, rt::objectGetter<&T::knobView>);
  rt::addMethod(cls, "elapsedTrack"_sel, rt::objectGetter<&T::elapsedTrack>);
  rt::addMethod(cls, "remainingTrack"_sel, rt::objectGetter<&T::remainingTrack>);
  rt::addMethod(cls, "initWithFrame:primaryAction:"_sel, TimeControls_initWithFramePrimaryAction);
  rt::addMethod(cls, "setElapsedTimeFactor:"_sel, TimeControls_setElapsedTimeFactor);
  rt::addMethod(cls, "updateElapsedTime"_sel, TimeControls_updateElapsedTime);
  rt::addMethod(cls, "setFrame:"_sel, callSuper<kName, void, CGRect>);
  rt::addMethod(cls, "setNeedsLayout"_sel, callSuper<kName, void>);
  rt::addMethod(cls, "layoutSubviews"_sel, callSuper<kName, void>);
  rt::addMethod(cls, "beginTrackingWithTouch:withEvent:"_sel, callSuper<kName, bool, id, id>);
  rt::addMethod(cls, "continueTrackingWithTouch:withEvent:"_sel, callSuper<kName, bool, id, id>);
  rt::addMethod(cls, "endTrackingWithTouch:withEvent:"_sel, callSuper<kName, void, id, id>);
  rt::addMethod(cls, "pointInside:withEvent:"_sel, callSuper<kName, bool, CGPoint, id>);
}

void registerMRUNowPlayingLabelView() {
  using T = MRUNowPlayingLabelView;
  Class cls = defineMediaView<T>("MRUNowPlayingLabelView", "UIView");
  rt::addMethod(cls, "titleMarqueeView"_sel, rt::objectGetter<&T::titleMarqueeView>);
  rt::addMethod(cls, "subtitleMarqueeView"_sel, rt::objectGetter<&T::subtitleMarqueeView>);
  rt::addMethod(cls, "routeLabel"_sel, rt::objectGetter<&T::routeLabel>);
  rt::addMethod(cls, "title"_sel, rt::objectGetter<&T::title>);
  rt::addMethod(cls, "setTitle:"_sel, rt::objectSetter<&T::title>);
  rt::addMethod(cls, "subtitle"_sel, rt::objectGetter<&T::subtitle>);
  rt::addMethod(cls, "setSubtitle:"_sel, rt::objectSetter<&T::subtitle>);
  rt::addMethod(cls, "placeholderText"_sel, rt::objectGetter<&T::placeholderText>);
  rt::addMethod(cls, "setPlaceholderText:"_sel, rt::objectSetter<&T::placeholderText>);
  rt::addMethod(cls, "didMoveToWindow"_sel, callSuper<"MRUNowPlayingLabelView", void>);
  rt::addMethod(cls, "setFrame:"_sel, callSuper<"MRUNowPlayingLabelView", void, CGRect>);
}

void registerMRUArtworkView() {
  using T = MRUArtworkView;
  Class cls = defineMediaView<T>("MRUArtworkView", "UIView");
  rt::addMethod(cls, "style"_sel, rt::fieldGetter<&T::style>);
  rt::addMethod(cls, "setStyle:"_sel, rt::fieldSetter<&T::style>);
  rt::addMethod(cls, "artworkImage"_sel, rt::objectGetter<&T::artworkImage>);
  rt::addMethod(cls, "setArtworkImage:"_sel, Artwork_setArtworkImage);
  rt::addMethod(cls, "artworkImageView"_sel, rt::objectGetter<&T::artworkImageView>);
  rt::addMethod(cls, "artworkShadowView"_sel, rt::objectGetter<&T::artworkShadowView>);
  rt::addMethod(cls, "iconView"_sel, rt::objectGetter<&T::iconView>);
  rt::addMethod(cls, "iconShadowView"_sel, rt::objectGetter<&T::iconShadowView>);
  rt::addMethod(cls, "placeholderBackground"_sel, rt::objectGetter<&T::placeholderBackground>);
  rt::addMethod(cls, "placeholderImageView"_sel, rt::objectGetter<&T::placeholderImageView>);
  rt::addMethod(cls, "_setCornerRadius:"_sel, rt::fieldSetter<&T::cornerRadius>);
  rt::addMethod(cls, "_setContinuousCornerRadius:"_sel, rt::fieldSetter<&T::continuousCornerRadius>);
  rt::addMethod(cls, "updateVisibility"_sel, Artwork_updateVisibility);
  rt::addMethod(cls, "didMoveToWindow"_sel, callSuper<"MRUArtworkView", void>);
  rt::addMethod(cls, "layoutSubviews"_sel, callSuper<"MRUArtworkView", void>);
  rt::addMethod(cls, "setFrame:"_sel, callSuper<"MRUArtworkView", void, CGRect>);
}

void registerMRUNowPlayingRoutingButton() {
  Class cls = defineMediaView<MRUNowPlayingRoutingButton>("MRUNowPlayingRoutingButton", "UIControl");
  rt::addMethod(cls, "setFrame:"_sel, callSuper<"MRUNowPlayingRoutingButton", void, CGRect>);
}

void registerMRUMediaSuggestionsView() {
  Class cls = defineMediaView<MRUMediaSuggestionsView>("MRUMediaSuggestionsView", "UIView");
  rt::addMethod(cls, "setFrame:"_sel, callSuper<"MRUMediaSuggestionsView", void, CGRect>);
}

}  // namespace host
