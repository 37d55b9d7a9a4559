#pragma once
// The runtime's basic types, as the device declares them, and the scalar names the
// platform's C++ code uses beside them. Every object-typed value is an `id` and may be nil.
#include <cstddef>
#include <cstdint>

#include <objc/objc.h>
#include <objc/runtime.h>

using NSInteger = long;
using NSUInteger = unsigned long;
using CGFloat = double;
