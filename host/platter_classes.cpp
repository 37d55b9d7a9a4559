#include "host/platter_classes.h"

#include "host/appearance.h"
#include "host/class_helpers.h"
#include "host/now_playing_info.h"
#include "host/now_playing_tree.h"
#include "host/view_outlets.h"

namespace lv::host {

namespace {

using namespace geometry;

id AdjunctItem_initWithFrame(id self, SEL, CGRect frame) {
  self = sendSuper<id>(superclassOf<"CSAdjunctItemView">(), self, "initWithFrame:"_sel, frame);
  if (!self) return nil;
  auto* v = static_cast<CSAdjunctItemView*>(self);
  v->platterView = makeView("PLPlatterView", boundsOf(self));
  addSubview(self, v->platterView.get());
  return self;
}

void AdjunctItem_layoutSubviews(id self, SEL) {
  sendSuper<void>(superclassOf<"CSAdjunctItemView">(), self, "layoutSubviews"_sel);
  setFrame(static_cast<CSAdjunctItemView*>(self)->platterView.get(), boundsOf(self));
}

PLPlatterView* asPlatter(id self) { return static_cast<PLPlatterView*>(self); }

void Platter_setCornerRadius(id self, SEL, CGFloat radius) {
  PLPlatterView* v = asPlatter(self);
  v->cornerRadius = radius;
  roundCorners(self, radius);
  roundCorners(v->backgroundView.get(), radius);
}

void Platter_configureBackgroundView(id self, SEL, id view) {
  roundCorners(view, asPlatter(self)->cornerRadius);
  send<void>(view, "setBackgroundColor:"_sel, appearance::color(appearance::kMaterial));
}

// The material background is made, put behind the contents and configured at the first
// layout, once the platter has its place.
void Platter_layoutSubviews(id self, SEL) {
  sendSuper<void>(superclassOf<"PLPlatterView">(), self, "layoutSubviews"_sel);
  PLPlatterView* v = asPlatter(self);
  if (!v->backgroundView) {
    v->backgroundView = makeView("MTMaterialView");
    send<void>(self, "insertSubview:atIndex:"_sel, v->backgroundView.get(), NSInteger(0));
    send<void>(self, "_configureBackgroundView:"_sel, v->backgroundView.get());
  }
  setFrame(v->backgroundView.get(), boundsOf(self));
}

id Platter_initWithFrame(id self, SEL, CGRect frame) {
  self = sendSuper<id>(superclassOf<"PLPlatterView">(), self, "initWithFrame:"_sel, frame);
  if (self) roundCorners(self, asPlatter(self)->cornerRadius);
  return self;
}

CSMediaControlsViewController* asMediaControls(id self) { return static_cast<CSMediaControlsViewController*>(self); }

CGRect MediaControls_suggestedFrame(id self, SEL) {
  const CSMediaControlsViewController* c = asMediaControls(self);
  return {{0, 0}, {c->containerWidth, c->preferredHeight}};
}

double MediaControls_preferredHeight(id, SEL) { return kPreferredMediaRemoteHeight; }

// Asks the preferred height, then the suggested frame, and frames the now-playing view
// (made the first time) with it.
CGRect MediaControls_frameForWidth(id self, SEL, CGFloat width) {
  CSMediaControlsViewController* c = asMediaControls(self);
  c->containerWidth = width;
  c->preferredHeight = send<double>(self, "_preferredMediaRemoteHeight"_sel);
  CGRect frame = send<CGRect>(self, "_suggestedFrameForMediaControls"_sel);
  if (c->view)
    setFrame(c->view.get(), frame);
  else
    c->view = makeNowPlayingTree(frame);
  return frame;
}

// Every track refreshes the artwork's visibility, also when its image stays the same.
void showArtwork(id artworkView, id image) {
  if (send<id>(artworkView, "artworkImage"_sel) == image)
    send<void>(artworkView, "updateVisibility"_sel);
  else
    send<void>(artworkView, "setArtworkImage:"_sel, image);
}

// Shows the track in the media views; nil ends playback.
void MediaControls_update(id self, SEL, id info) {
  id controls = send<id>(asMediaControls(self)->view, "controlsView"_sel);
  id header = send<id>(controls, "headerView"_sel);
  id timeControls = send<id>(controls, "timeControlsView"_sel);
  if (!info) {
    send<void>(timeControls, "endPlayback"_sel);
    return;
  }
  NowPlayingFields track = readNowPlayingInfo(info);
  id labelView = send<id>(header, "labelView"_sel);
  send<void>(labelView, "setTitle:"_sel, track.title);
  send<void>(labelView, "setSubtitle:"_sel, track.artist);
  showArtwork(send<id>(header, "artworkView"_sel), track.artwork);
  send<void>(timeControls, "beginPlaybackWithDuration:"_sel, track.duration);
  send<void>(send<id>(controls, "transportControlsView"_sel), "setPaused:"_sel, false);
  send<void>(send<id>(controls, "suggestionsView"_sel), "setHidden:"_sel, true);
  send<void>(controls, "setNeedsLayout"_sel);
}

}  // namespace

}  // namespace lv::host

void lv::host::registerCSAdjunctItemView() {
  using T = CSAdjunctItemView;
  Class cls = rt::defineClass<T>("CSAdjunctItemView", "UIView");
  rt::addMethod(cls, "initWithFrame:"_sel, AdjunctItem_initWithFrame);
  rt::addMethod(cls, "layoutSubviews"_sel, AdjunctItem_layoutSubviews);
  rt::addMethod(cls, "removeFromSuperview"_sel, callSuper<"CSAdjunctItemView", void>);
  addOutlet<&T::platterView>(cls, "platterView", "PLPlatterView");
}

void lv::host::registerPLPlatterView() {
  using T = PLPlatterView;
  Class cls = rt::defineClass<T>("PLPlatterView", "UIView");
  rt::addMethod(cls, "initWithFrame:"_sel, Platter_initWithFrame);
  rt::addMethod(cls, "layoutSubviews"_sel, Platter_layoutSubviews);
  rt::addMethod(cls, "_configureBackgroundView:"_sel, Platter_configureBackgroundView);
  addOutlet<&T::backgroundView>(cls, "backgroundView", "MTMaterialView");
  rt::addMethod(cls, "cornerRadius"_sel, rt::fieldGetter<&T::cornerRadius>);
  rt::addMethod(cls, "setCornerRadius:"_sel, Platter_setCornerRadius);
}

void lv::host::registerMTMaterialView() {
  Class cls = rt::defineClass<MTMaterialView>("MTMaterialView", "UIView");
  rt::addMethod(cls, "setFrame:"_sel, callSuper<"MTMaterialView", void, CGRect>);
}

void lv::host::registerCSMediaControlsViewController() {
  using T = CSMediaControlsViewController;
  Class cls = rt::defineClass<T>("CSMediaControlsViewController", "UIViewController");
  rt::addMethod(cls, "view"_sel, rt::objectGetter<&T::view>);
  rt::addMethod(cls, "mediaControlsFrameForWidth:"_sel, MediaControls_frameForWidth);
  rt::addMethod(cls, "updateWithNowPlayingInfo:"_sel, MediaControls_update);
  rt::addMethod(cls, "_suggestedFrameForMediaControls"_sel, MediaControls_suggestedFrame);
  rt::addMethod(cls, "_preferredMediaRemoteHeight"_sel, MediaControls_preferredHeight);
}
