#pragma once
// The media platter: the adjunct item view that holds it in the list, the platter view
// with its material background, and the controller of the media controls inside it.
#include "host/host_geometry.h"
#include "uikit/view.h"

// Makes its platter view in initWithFrame: and keeps it filling its bounds.
struct CSAdjunctItemView : UIView {
  Ref<> platterView;  // PLPlatterView
};

// Makes its material background at its first layout and keeps it filling its bounds;
// the corner radius rounds the background.
struct PLPlatterView : UIView {
  Ref<> backgroundView;  // MTMaterialView
  CGFloat cornerRadius = lv::host::geometry::kPlatterCornerRadius;
};

struct MTMaterialView : UIView {};

// Sizes the media controls (asking its preferred height, then its suggested frame) and
// shows the now-playing information in them.
struct CSMediaControlsViewController : UIViewController {
  Ref<> view;                 // MRUNowPlayingView, made when first framed
  CGFloat containerWidth = 0;  // the width the list offers
  double preferredHeight = lv::host::geometry::kPreferredMediaRemoteHeight;  // as last asked
};

namespace lv::host {
void registerCSAdjunctItemView();
void registerPLPlatterView();
void registerMTMaterialView();
void registerCSMediaControlsViewController();
}  // namespace lv::host
