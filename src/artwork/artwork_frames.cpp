#include "artwork/artwork_frames.h"

#include <UIKit/UIDevice.h>

#include "artwork/artwork_view.h"
#include "artwork/cover_sheet_background.h"
#include "startup/globals.h"
#include "startup/small_device.h"

namespace lv::artwork {

namespace {

constexpr double kExpandedSide = 290;
constexpr double kExpandedY = -15;

// x of the small square before any toggle, by device.
constexpr double kPadOriginX = 100;
constexpr double kSmallPhoneOriginX = 4;
constexpr double kPhoneOriginX = 16.5;

// The small square placed from the controls: this far left of their middle, then a
// little further.
constexpr double kCollapsedLeftFromMiddle = 152.5;
constexpr double kCollapsedShiftLeft = 5;

// Whether the small square has been placed from controlsWidth (by a toggle or a compact
// layout) rather than at the device's default x. Main thread only, like the globals.
bool g_collapsedFromControls = false;

bool isPad() {
  id device = send<id>(objc_getClass("UIDevice"), "currentDevice"_sel);
  return send<bool>(device, "respondsToSelector:"_sel, "userInterfaceIdiom"_sel) &&
         send<NSInteger>(device, "userInterfaceIdiom"_sel) == UIUserInterfaceIdiomPad;
}

}  // namespace

}  // namespace lv::artwork

double lv::artwork::defaultOriginX() {
  if (isPad()) return kPadOriginX;
  return isSmallDeviceSB() ? kSmallPhoneOriginX : kPhoneOriginX;
}

void lv::artwork::storeCollapsedFrame() {
  dOriginX = controlsWidth * 0.5 - kCollapsedLeftFromMiddle - kCollapsedShiftLeft;
  dOriginY = kCollapsedY;
  dFrameWidth = kCollapsedSide;
  dFrameHeight = kCollapsedSide;
  g_collapsedFromControls = true;
}

void lv::artwork::storeExpandedFrame() {
  dFrameWidth = kExpandedSide;
  dFrameHeight = kExpandedSide;
  dOriginX = (controlsWidth - kExpandedSide) * 0.5;
  dOriginY = kExpandedY;
}

CGRect lv::artwork::storedFrame() { return CGRectMake(dOriginX, dOriginY, dFrameWidth, dFrameHeight); }

CGRect lv::artwork::frameRule(id artworkView, CGRect asked) {
  NSInteger sizeClass = verticalSizeClass(artworkView);
  // A small square placed from the controls follows their width of now, not the one it
  // was placed from (after a compact layout, the landscape width).
  if (sizeClass == UIUserInterfaceSizeClassRegular && !Expanded && g_collapsedFromControls) storeCollapsedFrame();
  if (dOriginX == 0) dOriginX = defaultOriginX();
  switch (sizeClass) {
    case UIUserInterfaceSizeClassRegular:
      return storedFrame();
    case UIUserInterfaceSizeClassCompact: {
      setBackgroundsHidden(true);
      bool collapses = Expanded;
      storeCollapsedFrame();
      Expanded = NO;
      // The header's labels leave the enlarged artwork's places with it, at once.
      if (collapses) send<void>(headerView, "centreFrameWithoutAnimation"_sel);
      return storedFrame();
    }
    default:
      return asked;
  }
}
