#pragma once
// Readable geometry in test failure messages.
#include <ostream>

#include "quartz/geometry.h"

inline void PrintTo(const CGRect& r, std::ostream* os) {
  *os << "(" << r.origin.x << ", " << r.origin.y << ", " << r.size.width << ", " << r.size.height << ")";
}
