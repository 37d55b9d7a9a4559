#pragma once
// The scrubber's bars are a little taller than the host draws them. The extra height is
// added to the host's own height, never to a height already enlarged, so that adjusting
// a bar again and again before the host lays it out anew keeps it at one size.
#include "bridge/send.h"

namespace lv::timecontrols {

// Sets the bar's height to the host's own height plus `extra`, keeping its origin and
// width, and returns the height the bar now has. Nothing for a nil bar.
double enlargeBar(id bar, double extra);

}  // namespace lv::timecontrols
