#include "host/cover_sheet_classes.h"

#include "host/class_helpers.h"
#include "host/host_geometry.h"

namespace host {

namespace {

UIEdgeInsets CSCombinedListViewController_insets(id, SEL) { return geometry::kListViewInsets; }
CGRect CSMediaControlsViewController_suggestedFrame(id, SEL) {
  return geometry::kSuggestedMediaControlsFrame;
}
double CSMediaControlsViewController_preferredHeight(id, SEL) {
  return geometry::kPreferredMediaRemoteHeight;
}

void PLPlatterView_configureBackgroundView(id self, SEL, id view) {
  static_cast<PLPlatterView*>(self)->backgroundView = view;
}

id UIBackdropView_init(id self, SEL, CGRect frame, bool autosizes, id settings) {
  self = sendSuper<id>(superclassOf<"_UIBackdropView">(), self, "initWithFrame:"_sel, frame);
  if (!self) return nil;
  auto* backdrop = static_cast<_UIBackdropView*>(self);
  backdrop->autosizesToFitSuperview = autosizes;
  backdrop->settings = settings;
  return self;
}

}  // namespace

void registerCSCoverSheetView() {
  Class cls = rt::defineClass<CSCoverSheetView>("CSCoverSheetView", objc_getClass("UIView"));
  rt::addMethod(cls, "initWithFrame:"_sel, callSuper<"CSCoverSheetView", id, CGRect>);
}

void registerCSCombinedListViewController() {
  Class cls = rt::defineClass<CSCombinedListViewController>("CSCombinedListViewController",
                                                            objc_getClass("UIViewController"));
  rt::addMethod(cls, "_listViewDefaultContentInsets"_sel, CSCombinedListViewController_insets);
}

void registerCSFocusActivityView() {
  Class cls = rt::defineClass<CSFocusActivityView>("CSFocusActivityView", objc_getClass("UIView"));
  rt::addMethod(cls, "initWithFrame:"_sel, callSuper<"CSFocusActivityView", id, CGRect>);
}

void registerCSAdjunctItemView() {
  Class cls = rt::defineClass<CSAdjunctItemView>("CSAdjunctItemView", objc_getClass("UIView"));
  rt::addMethod(cls, "initWithFrame:"_sel, callSuper<"CSAdjunctItemView", id, CGRect>);
  rt::addMethod(cls, "removeFromSuperview"_sel, callSuper<"CSAdjunctItemView", void>);
  rt::addMethod(cls, "platterView"_sel, rt::objectGetter<&CSAdjunctItemView::platterView>);
  rt::addMethod(cls, "setPlatterView:"_sel, rt::objectSetter<&CSAdjunctItemView::platterView>);
}

void registerCSMediaControlsViewController() {
  Class cls = rt::defineClass<CSMediaControlsViewController>("CSMediaControlsViewController",
                                                             objc_getClass("UIViewController"));
  rt::addMethod(cls, "_suggestedFrameForMediaControls"_sel, CSMediaControlsViewController_suggestedFrame);
  rt::addMethod(cls, "_preferredMediaRemoteHeight"_sel, CSMediaControlsViewController_preferredHeight);
}

void registerPLPlatterView() {
  Class cls = rt::defineClass<PLPlatterView>("PLPlatterView", objc_getClass("UIView"));
  rt::addMethod(cls, "_configureBackgroundView:"_sel, PLPlatterView_configureBackgroundView);
  rt::addMethod(cls, "backgroundView"_sel, rt::objectGetter<&PLPlatterView::backgroundView>);
  rt::addMethod(cls, "cornerRadius"_sel, rt::fieldGetter<&PLPlatterView::cornerRadius>);
  rt::addMethod(cls, "setCornerRadius:"_sel, rt::fieldSetter<&PLPlatterView::cornerRadius>);
}

void registerMTMaterialView() {
  Class cls = rt::defineClass<MTMaterialView>("MTMaterialView", objc_getClass("UIView"));
  rt::addMethod(cls, "setFrame:"_sel, callSuper<"MTMaterialView", void, CGRect>);
}

void registerUILegibilitySettings() {
  Class cls = rt::defineClass<_UILegibilitySettings>("_UILegibilitySettings", rt::rootClass());
  rt::addMethod(cls, "style"_sel, rt::fieldGetter<&_UILegibilitySettings::style>);
  rt::addMethod(cls, "setStyle:"_sel, rt::fieldSetter<&_UILegibilitySettings::style>);
}

void registerUIBackdropView() {
  Class cls = rt::defineClass<_UIBackdropView>("_UIBackdropView", objc_getClass("UIView"));
  rt::addMethod(cls, "initWithFrame:autosizesToFitSuperview:settings:"_sel, UIBackdropView_init);
  rt::addMethod(cls, "settings"_sel, rt::objectGetter<&_UIBackdropView::settings>);
  rt::addMethod(cls, "autosizesToFitSuperview"_sel, rt::fieldGetter<&_UIBackdropView::autosizesToFitSuperview>);
}

void registerUIBackdropViewSettingsATVSemiDark() {
  objc_registerClassPair(
      objc_allocateClassPair(rt::rootClass(), "_UIBackdropViewSettingsATVSemiDark", 0));
}

}  // namespace host
