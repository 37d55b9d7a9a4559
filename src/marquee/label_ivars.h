#pragma once
// CBAutoScrollLabel's instance variables. They are added to the class with class_addIvar
// before it is registered; the methods reach them at the offsets the runtime gave them, as
// compiled accessors do on the device. The two objects are strong: their setters retain
// the new value and release the old, and dealloc releases them.
#include <objc/NSObjCRuntime.h>
#include <objc/runtime.h>

#include <cstddef>

namespace lv::marquee {

struct LabelIvarOffsets {
  ptrdiff_t scrolling;
  ptrdiff_t scrollSpeed;
  ptrdiff_t scrollDirection;
  ptrdiff_t pauseInterval;
  ptrdiff_t labelSpacing;
  ptrdiff_t animationOptions;
  ptrdiff_t fadeLength;
  ptrdiff_t textAlignment;
  ptrdiff_t labels;      // immutable NSArray of the UILabel copies
  ptrdiff_t scrollView;  // made on first read of `scrollView`
};

// Set once, when the class is registered.
extern LabelIvarOffsets g_ivars;

// Adds the variables to `cls`, made by objc_allocateClassPair and not yet registered.
void addLabelIvars(Class cls);

// Reads the offsets back from the registered class.
void readLabelIvarOffsets(Class cls);

template <class T>
T& ivar(id self, ptrdiff_t offset) {
  return *reinterpret_cast<T*>(reinterpret_cast<char*>(self) + offset);
}

inline bool& scrolling(id self) { return ivar<bool>(self, g_ivars.scrolling); }
inline float& scrollSpeed(id self) { return ivar<float>(self, g_ivars.scrollSpeed); }
inline NSInteger& scrollDirection(id self) { return ivar<NSInteger>(self, g_ivars.scrollDirection); }
inline double& pauseInterval(id self) { return ivar<double>(self, g_ivars.pauseInterval); }
inline NSInteger& labelSpacing(id self) { return ivar<NSInteger>(self, g_ivars.labelSpacing); }
inline NSUInteger& animationOptions(id self) { return ivar<NSUInteger>(self, g_ivars.animationOptions); }
inline double& fadeLength(id self) { return ivar<double>(self, g_ivars.fadeLength); }
inline NSInteger& textAlignment(id self) { return ivar<NSInteger>(self, g_ivars.textAlignment); }
inline id labels(id self) { return ivar<id>(self, g_ivars.labels); }
inline id scrollView(id self) { return ivar<id>(self, g_ivars.scrollView); }

// Stores `value` into a strong object variable.
void setStrongIvar(id self, ptrdiff_t offset, id value);

}  // namespace lv::marquee
