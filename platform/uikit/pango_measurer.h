#pragma once
// The default text measurer: Pango through fontconfig, with exact fractional widths.
#include <memory>

#include "uikit/text_measurer.h"

namespace uikit {

std::unique_ptr<TextMeasurer> makePangoMeasurer();

}  // namespace uikit
