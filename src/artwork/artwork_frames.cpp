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
}

void storeExpandedFrame() {
  dFrameWidth = kExpandedSide;
  dFrameHeight = kExpandedSide;
  dOriginX = controlsWidth * 0.5 - 145;
  dOriginY = kExpandedY;
}

CGRect storedFrame() { return CGRectMake(dOriginX, dOriginY, dFrameWidth, dFrameHeight); }

CGRect frameRule(id artworkView, CGRect asked) {
  if (dOriginX == 0) dOriginX = defaultOriginX();
  switch (verticalSizeClass(artworkView)) {
    case kRegularSizeClass:
      return storedFrame();
    case kCompactSizeClass:
      setBackgroundsHidden(true);
      storeCollapsedFrame();
      Expanded = NO;
      return storedFrame();
    default:
      return asked;
  }
}

}  // namespace lv::artwork
