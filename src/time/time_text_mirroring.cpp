#include "time/time_text_mirroring.h"

namespace lv::timecontrols {

namespace {

void copyText(id label, id hostLabel) {
  send<void>(label, "setText:"_sel, send<id>(hostLabel, "text"_sel));
}

}  // namespace

}  // namespace lv::timecontrols

void lv::timecontrols::mirrorTimeTexts(id timeControls) {
  copyText(send<id>(timeControls, "leftTime"_sel), send<id>(timeControls, "elapsedTimeLabel"_sel));
  copyText(send<id>(timeControls, "rightTime"_sel), send<id>(timeControls, "remainingTimeLabel"_sel));
}
