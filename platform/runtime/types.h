#pragma once
// The runtime's basic types, named as on the device. Every object-typed value is an `id`
// and may be nil. Classes are objects too (their isa is the metaclass).
#include <cstddef>
#include <cstdint>

struct objc_object;
struct objc_class;
struct objc_selector;
struct objc_method;
struct objc_property;

using id = objc_object*;
using Class = objc_class*;
using SEL = const objc_selector*;
using Method = objc_method*;
using objc_property_t = const objc_property*;
// An implementation is a plain function `R (*)(id, SEL, Args...)`; stored untyped and
// called only after its recorded signature has been checked.
using IMP = void (*)();

using BOOL = bool;
using NSInteger = long;
using NSUInteger = unsigned long;
using CGFloat = double;
inline constexpr id nil = nullptr;
inline constexpr bool YES = true;
inline constexpr bool NO = false;
