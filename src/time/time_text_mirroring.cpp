#include "time/time_controls.h"

namespace lv::timecontrols {

namespace {

void copyText(id label, id hostLabel) {
  send<void>(label, "setText:"_sel, send<id>(hostLabel, "text"_sel));
}

}  // namespace

void mirrorTimeTexts(id timeControls) {
  copyText(send<id>(timeControls, "leftTime"_sel), send<id>(timeControls, "elapsedTimeLabel"_sel));
  copyText(send<id>(timeControls, "rightTime"_sel), send<id>(timeControls, "remainingTimeLabel"_sel));
}

}  // namespace lv::timecontrols
