#include "header/label_view_hooks.h"

#include "header/header_values.h"
#include "startup/globals.h"
#include "startup/host_values.h"
#include "startup/slot.h"
#include "startup/view_messages.h"

void lv::header::MRUNowPlayingTransportControlsView_setFrame(id self, SEL _cmd, CGRect frame) {
  if (inPlatterLayout(self)) {
    send<void>(self, "setTranslatesAutoresizingMaskIntoConstraints:"_sel, false);
    frame.origin.x = controlsWidth * 0.5 + kTransportLeftFromMiddle;
    frame.origin.y = kTransportY;
    frame.size.width = kTransportWidth;
  }
  slot<MRUNowPlayingTransportControlsView_setFrame>(self, _cmd, frame);
}

// The first label view to reach a window on the platter takes taps; while the header
// shows its own labels, the host's texts are hidden (their widths are still read).
void lv::header::MRUNowPlayingLabelView_didMoveToWindow(id self, SEL _cmd) {
  slot<MRUNowPlayingLabelView_didMoveToWindow>(self, _cmd);
  if (LfirstTimeLoaded) return;
  if (!inPlatterLayout(self)) return;
  send<void>(self, "addGestures"_sel);
  send<void>(self, "setUserInteractionEnabled:"_sel, true);
  LfirstTimeLoaded = true;
  if (!CenterLabel) return;
  for (SEL part : {"routeLabel"_sel, "titleMarqueeView"_sel, "subtitleMarqueeView"_sel})
    setHidden(send<id>(self, part), true);
}

// The label view framed on the platter is the one the header reads its texts from.
void lv::header::MRUNowPlayingLabelView_setFrame(id self, SEL _cmd, CGRect frame) {
  if (inPlatterContext(self)) {
    storeStrong(mruLabel, self);
    frame.origin.x = (controlsWidth * 0.5 + kLabelViewLeftFromMiddle) + kLabelViewShift;
    frame.origin.y = kLabelViewY;
    frame.size.width = kLabelViewWidth;
  }
  slot<MRUNowPlayingLabelView_setFrame>(self, _cmd, frame);
}
