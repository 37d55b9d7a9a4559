#pragma once
// The cover sheet (the lock screen's own view), its list of notifications with the media
// platter, the focus pill, and the system views it draws with: legibility settings and
// the backdrop blur.
#include "host/host_geometry.h"
#include "uikit/view.h"

// Builds its date, clock, focus pill and list in initWithFrame:; lays them out at each
// layout, asking the list controller to lay out the list.
struct CSCoverSheetView : UIView {
  Ref<> dateLabel, clockLabel;  // UILabel
  Ref<> focusActivityView;      // nil when the host could not make one
  Ref<> listViewController;     // CSCombinedListViewController
  Ref<> legibilitySettings;     // _UILegibilitySettings
};

struct CSFocusActivityView : UIView {};

// Owns the list view and, while something plays, the media platter in it: it shows the
// platter when the media controller gets now-playing information and removes it when
// the information goes away. The media controls controller, and with it the now-playing
// view tree, is made at the first play and kept; each play makes a new adjunct item view
// (with its platter) and moves the kept tree into it.
struct CSCombinedListViewController : UIViewController {
  Ref<> listView;                     // UIScrollView
  Ref<> adjunctItemView;              // CSAdjunctItemView, while something plays
  Ref<> mediaControlsViewController;  // CSMediaControlsViewController, from the first play on
  // A stand-in's knob: each play makes a new controller and now-playing tree, dropped
  // again at the stop.
  bool freshMediaControlsPerPlay = false;
};

struct _UILegibilitySettings : objc_object {
  NSInteger style = lv::host::geometry::kLegibilityStyle;
};

struct _UIBackdropView : UIView {
  bool autosizesToFitSuperview = false;
  Ref<> settings;
};

namespace lv::host {

// Posted by SBMediaController whenever its now-playing information is set.
inline constexpr const char* kNowPlayingInfoDidChangeNotification = "SBMediaNowPlayingInfoDidChangeNotification";

void registerCSCoverSheetView();
void registerCSCombinedListViewController();
void registerCSFocusActivityView();
void registerUILegibilitySettings();
void registerUIBackdropView();
void registerUIBackdropViewSettingsATVSemiDark();
}  // namespace lv::host
