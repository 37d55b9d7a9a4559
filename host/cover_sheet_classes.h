#pragma once
// The cover sheet (the lock screen's own views and controllers) and the media platter's
// holders on it.
#include "host/host_geometry.h"
#include "uikit/view.h"

struct CSCoverSheetView : UIView {};
struct CSFocusActivityView : UIView {};
struct CSCombinedListViewController : UIViewController {};
struct CSMediaControlsViewController : UIViewController {};

struct CSAdjunctItemView : UIView {
  Ref<> platterView;  // PLPlatterView
};

struct PLPlatterView : UIView {
  Ref<> backgroundView;  // the material view last configured as the background
  CGFloat cornerRadius = 0;
};

struct MTMaterialView : UIView {};

struct _UILegibilitySettings : objc_object {
  NSInteger style = host::geometry::kLegibilityStyle;
};

struct _UIBackdropView : UIView {
  bool autosizesToFitSuperview = false;
  Ref<> settings;
};

namespace host {
void registerCSCoverSheetView();
void registerCSCombinedListViewController();
void registerCSFocusActivityView();
void registerCSAdjunctItemView();
void registerCSMediaControlsViewController();
void registerPLPlatterView();
void registerMTMaterialView();
void registerUILegibilitySettings();
void registerUIBackdropView();
void registerUIBackdropViewSettingsATVSemiDark();
}  // namespace host
