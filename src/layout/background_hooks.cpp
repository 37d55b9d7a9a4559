#include "layout/background_hooks.h"

#include <MediaRemote/MediaRemote.h>
#include <UIKit/UIInterface.h>
#include <UIKit/UIView.h>

#include "bridge/block.h"
#include "startup/globals.h"
#include "startup/host_values.h"
#include "startup/slot.h"
#include "startup/view_messages.h"

namespace lv::layout {

namespace {

constexpr NSUInteger kFlexibleSize = UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight;

NSInteger contentModeFor(id coverSheet) {
  return isVerticallyCompact(coverSheet) ? UIViewContentModeScaleAspectFill : UIViewContentModeScaleToFill;
}

// A view as large as the cover sheet, resizing with it, stored in the cover sheet's
// property through `setter` and hidden until the artwork view shows it.
Strong makeBackgroundView(id coverSheet, const char* className, SEL setter) {
  Strong view = create(objc_getClass(className), "initWithFrame:"_sel, send<CGRect>(coverSheet, "bounds"_sel));
  send<void>(coverSheet, setter, view);
  send<void>(view, "setAutoresizingMask:"_sel, kFlexibleSize);
  send<void>(view, "setContentMode:"_sel, contentModeFor(coverSheet));
  setHidden(view.get(), YES);
  return view;
}

Strong makeBlur(id container) {
  Strong settings = create(objc_getClass("_UIBackdropViewSettingsATVSemiDark"));
  return create(objc_getClass("_UIBackdropView"), "initWithFrame:autosizesToFitSuperview:settings:"_sel,
                send<CGRect>(container, "bounds"_sel), YES, settings);
}

void requestNowPlayingInfo() {
  MRMediaRemoteGetNowPlayingInfo(dispatch_get_main_queue(), block<void(id)>([](id) {}));
}

}  // namespace

}  // namespace lv::layout

// Beyond failure, the host's result is not used: the background views belong to the
// receiver itself. A receiver whose initialisation failed is gone and is left alone.
id lv::layout::CSCoverSheetView_initWithFrame(id self, SEL _cmd, CGRect frame) {
  if (!slot<CSCoverSheetView_initWithFrame>(self, _cmd, frame)) return nil;
  storeStrong(coverSheetView, self);

  Strong imageView = makeBackgroundView(self, "UIImageView", "setLumivaneArtworkBackgroundImageView:"_sel);
  if (ShowBackground) send<void>(self, "insertSubview:atIndex:"_sel, imageView, NSInteger(0));

  Strong container = makeBackgroundView(self, "UIView", "setLumivaneArtworkBackgroundView:"_sel);
  if (ShowBackground) send<void>(self, "insertSubview:aboveSubview:"_sel, container, imageView);

  send<void>(container, "addSubview:"_sel, makeBlur(container.get()));
  return self;
}

void lv::layout::CSAdjunctItemView_removeFromSuperview(id self, SEL _cmd) {
  slot<CSAdjunctItemView_removeFromSuperview>(self, _cmd);
  setHidden(send<id>(coverSheetView, "lumivaneArtworkBackgroundImageView"_sel), YES);
  setHidden(send<id>(coverSheetView, "lumivaneArtworkBackgroundView"_sel), YES);
}

void lv::layout::SBMediaController_setNowPlayingInfo(id self, SEL _cmd, id info) {
  slot<SBMediaController_setNowPlayingInfo>(self, _cmd, info);
  requestNowPlayingInfo();
}

void lv::layout::SpringBoard_applicationDidFinishLaunching(id self, SEL _cmd, id application) {
  slot<SpringBoard_applicationDidFinishLaunching>(self, _cmd, application);
  send<void>(send<id>(objc_getClass("SBMediaController"), "sharedInstance"_sel), "setNowPlayingInfo:"_sel, nil);
}
