#include "time/bar_height.h"

#include <CoreGraphics/CGGeometry.h>

#include "bridge/values.h"

namespace lv::timecontrols {

namespace {

// Each bar remembers, as associated numbers, the host height an adjustment started from
// and the height it gave the bar. A bar still at the height it was given has not been laid
// out by the host since, so its host height is the remembered one; any other height is the
// host's own.
constinit char kHostHeightKey = 0;
constinit char kEnlargedHeightKey = 0;

double remembered(id bar, const void* key) {
  return send<double>(objc_getAssociatedObject(bar, key), "doubleValue"_sel);
}

void remember(id bar, const void* key, double height) {
  objc_setAssociatedObject(bar, key, number(height), OBJC_ASSOCIATION_RETAIN_NONATOMIC);
}

double hostHeight(id bar, double current) {
  bool enlargedSince = objc_getAssociatedObject(bar, &kEnlargedHeightKey) &&
                       remembered(bar, &kEnlargedHeightKey) == current;
  return enlargedSince ? remembered(bar, &kHostHeightKey) : current;
}

}  // namespace

}  // namespace lv::timecontrols

double lv::timecontrols::enlargeBar(id bar, double extra) {
  if (!bar) return 0;
  CGRect frame = send<CGRect>(bar, "frame"_sel);
  double host = hostHeight(bar, frame.size.height);
  frame.size.height = host + extra;
  send<void>(bar, "setFrame:"_sel, frame);
  double now = send<CGRect>(bar, "frame"_sel).size.height;
  remember(bar, &kHostHeightKey, host);
  remember(bar, &kEnlargedHeightKey, now);
  return now;
}
