#pragma once
// Whether the device is one of the small phones, exported under a C name.
#include "startup/export.h"

// YES when the main screen is at most 750 pixels wide, or when there is none.
extern "C" LV_EXPORT bool isSmallDeviceSB();
