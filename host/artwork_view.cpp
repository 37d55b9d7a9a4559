#include "host/artwork_view.h"

#include "host/appearance.h"
#include "host/class_helpers.h"
#include "host/view_outlets.h"

namespace lv::host {

namespace {

using namespace geometry;

MRUArtworkView* asArtwork(id self) { return static_cast<MRUArtworkView*>(self); }

Ref<> addFilled(id parent, const char* cls, appearance::Color fill) {
  Ref<> view = makeView(cls);
  send<void>(view, "setBackgroundColor:"_sel, appearance::color(fill));
  addSubview(parent, view.get());
  return view;
}

// The artwork when there is one, the placeholder otherwise.
void showArtworkOrPlaceholder(const MRUArtworkView* v) {
  bool hasArtwork = v->artworkImage != nil;
  send<void>(v->artworkImageView, "setHidden:"_sel, !hasArtwork);
  send<void>(v->artworkShadowView, "setHidden:"_sel, !hasArtwork);
  send<void>(v->placeholderBackground, "setHidden:"_sel, hasArtwork);
  send<void>(v->placeholderImageView, "setHidden:"_sel, hasArtwork);
}

id Artwork_initWithFrame(id self, SEL, CGRect frame) {
  self = sendSuper<id>(superclassOf<"MRUArtworkView">(), self, "initWithFrame:"_sel, frame);
  if (!self) return nil;
  MRUArtworkView* v = asArtwork(self);
  v->artworkShadowView = addFilled(self, "UIView", appearance::kArtworkShadow);
  v->placeholderBackground = addFilled(self, "UIView", appearance::kPlaceholder);
  v->placeholderImageView = addFilled(self, "UIImageView", appearance::kControlFill);
  v->artworkImageView = makeView("UIImageView");
  send<void>(v->artworkImageView, "setClipsToBounds:"_sel, true);
  addSubview(self, v->artworkImageView.get());
  v->iconShadowView = addFilled(self, "UIView", appearance::kArtworkShadow);
  v->iconView = addFilled(self, "UIImageView", appearance::kAppIcon);
  roundCorners(v->iconView.get(), kIconSize / 4);
  roundCorners(v->iconShadowView.get(), kIconSize / 4);
  send<void>(self, "_setCornerRadius:"_sel, kArtworkCornerRadius);
  showArtworkOrPlaceholder(v);
  return self;
}

// The artwork's corners, on the views that draw it.
void Artwork_setCornerRadius(id self, SEL, CGFloat radius) {
  MRUArtworkView* v = asArtwork(self);
  v->cornerRadius = radius;
  for (id view : {v->artworkImageView.get(), v->artworkShadowView.get(), v->placeholderBackground.get()})
    roundCorners(view, radius);
}

void Artwork_setArtworkImage(id self, SEL, id image) {
  MRUArtworkView* v = asArtwork(self);
  if (v->artworkImage.get() == image) return;
  v->artworkImage = Ref<>::retain(image);
  send<void>(v->artworkImageView, "setImage:"_sel, image);
  send<void>(self, "updateVisibility"_sel);
}

void Artwork_updateVisibility(id self, SEL) { showArtworkOrPlaceholder(asArtwork(self)); }

void Artwork_layoutSubviews(id self, SEL) {
  sendSuper<void>(superclassOf<"MRUArtworkView">(), self, "layoutSubviews"_sel);
  MRUArtworkView* v = asArtwork(self);
  CGRect b = boundsOf(self);
  for (id view : {v->artworkShadowView.get(), v->placeholderBackground.get(), v->artworkImageView.get()})
    setFrame(view, b);
  setFrame(v->placeholderImageView.get(), placeholderImageFrame(b));
  setFrame(v->iconShadowView.get(), iconFrame(b));
  setFrame(v->iconView.get(), iconFrame(b));
}

}  // namespace

}  // namespace lv::host

void lv::host::registerMRUArtworkView() {
  using T = MRUArtworkView;
  Class cls = defineMediaView<T>("MRUArtworkView", "UIView");
  rt::addMethod(cls, "initWithFrame:"_sel, Artwork_initWithFrame);
  rt::addMethod(cls, "style"_sel, rt::fieldGetter<&T::style>);
  rt::addMethod(cls, "setStyle:"_sel, rt::fieldSetter<&T::style>);
  rt::addMethod(cls, "artworkImage"_sel, rt::objectGetter<&T::artworkImage>);
  rt::addMethod(cls, "setArtworkImage:"_sel, Artwork_setArtworkImage);
  addOutlet<&T::artworkImageView>(cls, "artworkImageView", "UIImageView");
  rt::addMethod(cls, "artworkShadowView"_sel, rt::objectGetter<&T::artworkShadowView>);
  rt::addMethod(cls, "iconView"_sel, rt::objectGetter<&T::iconView>);
  rt::addMethod(cls, "iconShadowView"_sel, rt::objectGetter<&T::iconShadowView>);
  rt::addMethod(cls, "placeholderBackground"_sel, rt::objectGetter<&T::placeholderBackground>);
  rt::addMethod(cls, "placeholderImageView"_sel, rt::objectGetter<&T::placeholderImageView>);
  rt::addMethod(cls, "cornerRadius"_sel, rt::fieldGetter<&T::cornerRadius>);
  rt::addMethod(cls, "_setCornerRadius:"_sel, Artwork_setCornerRadius);
  rt::addMethod(cls, "continuousCornerRadius"_sel, rt::fieldGetter<&T::continuousCornerRadius>);
  rt::addMethod(cls, "_setContinuousCornerRadius:"_sel, rt::fieldSetter<&T::continuousCornerRadius>);
  rt::addMethod(cls, "updateVisibility"_sel, Artwork_updateVisibility);
  rt::addMethod(cls, "didMoveToWindow"_sel, callSuper<"MRUArtworkView", void>);
  rt::addMethod(cls, "layoutSubviews"_sel, Artwork_layoutSubviews);
  rt::addMethod(cls, "setFrame:"_sel, callSuper<"MRUArtworkView", void, CGRect>);
}
