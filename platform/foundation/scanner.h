#pragma once
// NSScanner: reads numbers from a string, skipping the characters to be skipped (white
// space and line breaks unless set otherwise) before each read.
//
// scanHexInt: skips, accepts an optional "0x" or "0X", then reads hexadecimal digits. A
// prefix with no digit after it reads as the number 0 (its "0"). Too many digits for 32
// bits saturate at UINT_MAX, and every digit is still consumed. When no digit is read it
// answers NO and leaves both the value and the scan location untouched. The result
// pointer may be null to scan without storing.
#include "runtime/runtime.h"

struct NSScanner : objc_object {
  Ref<> string;
  Ref<> charactersToBeSkipped;
  NSUInteger scanLocation = 0;
};

namespace fnd {
}
