#include "header/header_hooks.h"

#include "header/header_values.h"
#include "startup/globals.h"
#include "startup/host_values.h"
#include "startup/slot.h"

// Builds the labels and taps on the first header laid out on the platter; headers in
// other layouts leave the one-shot flag for a later one.
void lv::header::MRUNowPlayingHeaderView_layoutSubviews(id self, SEL _cmd) {
  slot<MRUNowPlayingHeaderView_layoutSubviews>(self, _cmd);
  if (HfirstTimeLoaded) return;
  if (!inPlatterLayout(self)) return;
  if (CenterLabel) send<void>(self, "addLVLabels"_sel);
  send<void>(self, "addGestures"_sel);
  storeStrong(headerView, self);
  HfirstTimeLoaded = true;
}

void lv::header::MRUNowPlayingHeaderView_setFrame(id self, SEL _cmd, CGRect frame) {
  if (inPlatterContext(self)) {
    send<void>(self, "setTranslatesAutoresizingMaskIntoConstraints:"_sel, false);
    frame.origin.y = 0;
    frame.size.height = kHeaderHeight;
  }
  slot<MRUNowPlayingHeaderView_setFrame>(self, _cmd, frame);
}
