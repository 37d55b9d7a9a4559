#include "host/cover_sheet_classes.h"

#include "foundation/values.h"
#include "host/appearance.h"
#include "host/class_helpers.h"
#include "host/host_geometry.h"
#include "host/view_outlets.h"
#include "uikit/label.h"

namespace lv::host {

namespace {

using namespace geometry;

CSCoverSheetView* asCoverSheet(id self) { return static_cast<CSCoverSheetView*>(self); }
CSCombinedListViewController* asList(id self) { return static_cast<CSCombinedListViewController*>(self); }

Ref<> addCentredLabel(id parent, const char* text, CGFloat size, CGFloat weight, id color) {
  Ref<> label = appearance::addLabel(parent, size, weight, color);
  send<void>(label, "setText:"_sel, fnd::string(text));
  send<void>(label, "setTextAlignment:"_sel, NSTextAlignmentCenter);
  return label;
}

// The date and clock take the colour the legibility settings ask for.
id CoverSheet_initWithFrame(id self, SEL, CGRect frame) {
  self = sendSuper<id>(superclassOf<"CSCoverSheetView">(), self, "initWithFrame:"_sel, frame);
  if (!self) return nil;
  CSCoverSheetView* v = asCoverSheet(self);
  v->legibilitySettings = rt::create(objc_getClass("_UILegibilitySettings"));
  id text = appearance::color(appearance::textForLegibility(send<NSInteger>(v->legibilitySettings, "style"_sel)));
  v->dateLabel = addCentredLabel(self, appearance::kDateText, 20, UIFontWeightMedium, text);
  v->clockLabel = addCentredLabel(self, appearance::kClockText, 76, UIFontWeightSemibold, text);
  v->focusActivityView = makeView("CSFocusActivityView", focusFrame(frame.size.width));
  appearance::fillRounded(v->focusActivityView.get(), appearance::kFocusPill, kFocusHeight / 2);
  addSubview(self, v->focusActivityView.get());
  v->listViewController = rt::create(objc_getClass("CSCombinedListViewController"));
  addSubview(self, send<id>(v->listViewController, "view"_sel));
  return self;
}

void CoverSheet_layoutSubviews(id self, SEL) {
  sendSuper<void>(superclassOf<"CSCoverSheetView">(), self, "layoutSubviews"_sel);
  CSCoverSheetView* v = asCoverSheet(self);
  CGFloat w = boundsOf(self).size.width;
  setFrame(v->dateLabel.get(), dateFrame(w));
  setFrame(v->clockLabel.get(), clockFrame(w));
  setFrame(v->focusActivityView.get(), focusFrame(w));
  send<void>(v->listViewController, "viewDidLayoutSubviews"_sel);
}

// The list observes the media controller: now-playing information brings the platter,
// its absence takes it away.
id List_init(id self, SEL) {
  self = sendSuper<id>(superclassOf<"CSCombinedListViewController">(), self, "init"_sel);
  if (!self) return nil;
  asList(self)->listView = makeView("UIScrollView");
  id center = send<id>(objc_getClass("NSNotificationCenter"), "defaultCenter"_sel);
  send<void>(center, "addObserver:selector:name:object:"_sel, self, "nowPlayingInfoDidChange:"_sel,
             fnd::string(kNowPlayingInfoDidChangeNotification), nil);
  return self;
}

void relayoutCoverSheet(CSCombinedListViewController* list) {
  send<void>(send<id>(list->listView, "superview"_sel), "setNeedsLayout"_sel);
}

void showMediaControls(id self) {
  CSCombinedListViewController* list = asList(self);
  if (list->adjunctItemView) return;
  CGFloat listWidth = boundsOf(list->listView.get()).size.width;
  if (!list->mediaControlsViewController)
    list->mediaControlsViewController = rt::create(objc_getClass("CSMediaControlsViewController"));
  CGRect controls = send<CGRect>(list->mediaControlsViewController, "mediaControlsFrameForWidth:"_sel,
                                 platterWidth(listWidth));
  list->adjunctItemView = makeView("CSAdjunctItemView", adjunctItemFrame(listWidth, controls.size));
  id platter = send<id>(list->adjunctItemView, "platterView"_sel);
  addSubview(platter ? platter : list->adjunctItemView.get(), send<id>(list->mediaControlsViewController, "view"_sel));
  addSubview(list->listView.get(), list->adjunctItemView.get());
  relayoutCoverSheet(list);
  // Laid out before it shows anything, so that its views are in place for the first track.
  send<void>(send<id>(list->listView, "superview"_sel), "layoutIfNeeded"_sel);
}

// The adjunct item view goes; the now-playing tree leaves its platter, kept for the next
// play unless the knob asks for a fresh one.
void hideMediaControls(id self) {
  CSCombinedListViewController* list = asList(self);
  if (!list->adjunctItemView && !list->mediaControlsViewController) return;
  send<void>(list->mediaControlsViewController, "updateWithNowPlayingInfo:"_sel, nil);
  send<void>(list->adjunctItemView, "removeFromSuperview"_sel);
  send<void>(send<id>(list->mediaControlsViewController, "view"_sel), "removeFromSuperview"_sel);
  list->adjunctItemView = nil;
  if (list->freshMediaControlsPerPlay) list->mediaControlsViewController = nil;
  relayoutCoverSheet(list);
}

void List_nowPlayingInfoDidChange(id self, SEL, id notification) {
  id info = send<id>(send<id>(notification, "object"_sel), "nowPlayingInfo"_sel);
  if (!info) return hideMediaControls(self);
  showMediaControls(self);
  send<void>(asList(self)->mediaControlsViewController, "updateWithNowPlayingInfo:"_sel, info);
}

// Frames the list from the default insets, asked anew at each layout, and puts the
// platter at its top.
void List_viewDidLayoutSubviews(id self, SEL) {
  CSCombinedListViewController* list = asList(self);
  id container = send<id>(list->listView, "superview"_sel);
  if (!container) return;
  UIEdgeInsets insets = send<UIEdgeInsets>(self, "_listViewDefaultContentInsets"_sel);
  setFrame(list->listView.get(), listFrame(boundsOf(container), insets));
  if (!list->adjunctItemView) return;
  CGFloat listWidth = boundsOf(list->listView.get()).size.width;
  CGRect controls = list->mediaControlsViewController
                        ? send<CGRect>(list->mediaControlsViewController, "mediaControlsFrameForWidth:"_sel,
                                       platterWidth(listWidth))
                        : CGRect{{0, 0}, {platterWidth(listWidth), kPreferredMediaRemoteHeight}};
  setFrame(list->adjunctItemView.get(), adjunctItemFrame(listWidth, controls.size));
  send<void>(list->listView, "setContentSize:"_sel, CGSize{listWidth, controls.size.height});
}

UIEdgeInsets List_insets(id, SEL) { return kListViewInsets; }

// Fills its superview from the moment it enters one, when asked to.
void Backdrop_didMoveToSuperview(id self, SEL) {
  auto* backdrop = static_cast<_UIBackdropView*>(self);
  if (!backdrop->autosizesToFitSuperview || !backdrop->superview) return;
  send<void>(self, "setAutoresizingMask:"_sel, UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight);
  setFrame(self, boundsOf(backdrop->superview));
}

id Backdrop_init(id self, SEL, CGRect frame, bool autosizes, id settings) {
  self = sendSuper<id>(superclassOf<"_UIBackdropView">(), self, "initWithFrame:"_sel, frame);
  if (!self) return nil;
  auto* backdrop = static_cast<_UIBackdropView*>(self);
  backdrop->autosizesToFitSuperview = autosizes;
  backdrop->settings = Ref<>::retain(settings);
  return self;
}

}  // namespace

}  // namespace lv::host

void lv::host::registerCSCoverSheetView() {
  using T = CSCoverSheetView;
  Class cls = rt::defineClass<T>("CSCoverSheetView", "UIView");
  rt::addMethod(cls, "initWithFrame:"_sel, CoverSheet_initWithFrame);
  rt::addMethod(cls, "layoutSubviews"_sel, CoverSheet_layoutSubviews);
  addOutlet<&T::dateLabel>(cls, "dateLabel", "UILabel");
  addOutlet<&T::clockLabel>(cls, "timeLabel", "UILabel");
  addOutlet<&T::listViewController>(cls, "listViewController", "CSCombinedListViewController");
  addOutlet<&T::focusActivityView>(cls, "focusActivityView", "CSFocusActivityView");
  rt::addMethod(cls, "legibilitySettings"_sel, rt::objectGetter<&T::legibilitySettings>);
}

void lv::host::registerCSCombinedListViewController() {
  using T = CSCombinedListViewController;
  Class cls = rt::defineClass<T>("CSCombinedListViewController", "UIViewController");
  rt::addMethod(cls, "init"_sel, List_init);
  rt::addMethod(cls, "view"_sel, rt::objectGetter<&T::listView>);
  addOutlet<&T::adjunctItemView>(cls, "adjunctItemView", "CSAdjunctItemView");
  addOutlet<&T::mediaControlsViewController>(cls, "mediaControlsViewController", "CSMediaControlsViewController");
  rt::addMethod(cls, "nowPlayingInfoDidChange:"_sel, List_nowPlayingInfoDidChange);
  rt::addMethod(cls, "viewDidLayoutSubviews"_sel, List_viewDidLayoutSubviews);
  rt::addMethod(cls, "_listViewDefaultContentInsets"_sel, List_insets);
}

void lv::host::registerCSFocusActivityView() {
  Class cls = rt::defineClass<CSFocusActivityView>("CSFocusActivityView", "UIView");
  rt::addMethod(cls, "initWithFrame:"_sel, callSuper<"CSFocusActivityView", id, CGRect>);
}

void lv::host::registerUILegibilitySettings() {
  Class cls = rt::defineClass<_UILegibilitySettings>("_UILegibilitySettings", "NSObject");
  rt::addMethod(cls, "style"_sel, rt::fieldGetter<&_UILegibilitySettings::style>);
  rt::addMethod(cls, "setStyle:"_sel, rt::fieldSetter<&_UILegibilitySettings::style>);
}

void lv::host::registerUIBackdropView() {
  using T = _UIBackdropView;
  Class cls = rt::defineClass<T>("_UIBackdropView", "UIView");
  rt::addMethod(cls, "initWithFrame:autosizesToFitSuperview:settings:"_sel, Backdrop_init);
  rt::addMethod(cls, "didMoveToSuperview"_sel, Backdrop_didMoveToSuperview);
  rt::addMethod(cls, "settings"_sel, rt::objectGetter<&T::settings>);
  rt::addMethod(cls, "autosizesToFitSuperview"_sel, rt::fieldGetter<&T::autosizesToFitSuperview>);
}

void lv::host::registerUIBackdropViewSettingsATVSemiDark() {
  objc_registerClassPair(
      objc_allocateClassPair(rt::rootClass(), "_UIBackdropViewSettingsATVSemiDark", 0));
}
