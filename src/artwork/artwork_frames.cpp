#include "artwork/artwork_frames.h"

#include "artwork/artwork_view.h"
#include "artwork/cover_sheet_background.h"
#include "startup/globals.h"

namespace lv::artwork {

namespace {

constexpr double kCollapsedSide = 70;
constexpr double kCollapsedY = 310;
constexpr double kExpandedSide = 290;
constexpr double kExpandedY = -15;

constexpr NSInteger kIdiomPad = 1;

// Whether the small square has been placed from controlsWidth (by a toggle or a compact
// layout) rather than at the device's default x. Main thread only, like the globals.
bool g_collapsedFromControls = false;

bool isPad() {
  id device = send<id>(objc_getClass("UIDevice"), "currentDevice"_sel);
  return send<bool>(device, "respondsToSelector:"_sel, "userInterfaceIdiom"_sel) &&
         send<NSInteger>(device, "userInterfaceIdiom"_sel) == kIdiomPad;
}

}  // namespace

double defaultOriginX() {
  if (isPad()) return 100;
  return isSmallDeviceSB() ? 4 : 16.5;
}

void storeCollapsedFrame() {
  dOriginX = controlsWidth * 0.5 - 152.5 - 5;
  dOriginY = kCollapsedY;
  dFrameWidth = kCollapsedSide;
  dFrameHeight = kCollapsedSide;
  g_collapsedFromControls = true;
}

void storeExpandedFrame() {
  dFrameWidth = kExpandedSide;
  dFrameHeight = kExpandedSide;
  dOriginX = controlsWidth * 0.5 - 145;
  dOriginY = kExpandedY;
}

CGRect storedFrame() { return CGRectMake(dOriginX, dOriginY, dFrameWidth, dFrameHeight); }

CGRect frameRule(id artworkView, CGRect asked) {
  NSInteger sizeClass = verticalSizeClass(artworkView);
  // A small square placed from the controls follows their width of now, not the one it
  // was placed from (after a compact layout, the landscape width).
  if (sizeClass == kRegularSizeClass && !Expanded && g_collapsedFromControls) storeCollapsedFrame();
  if (dOriginX == 0) dOriginX = defaultOriginX();
  switch (sizeClass) {
    case kRegularSizeClass:
      return storedFrame();
    case kCompactSizeClass: {
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

}  // namespace lv::artwork
