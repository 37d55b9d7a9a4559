#pragma once
// The library is built with hidden visibility; only what is marked here is exported.
#define LV_EXPORT __attribute__((visibility("default")))
