#ifndef LV_SDK_FOUNDATION_NSOBJCRUNTIME_H
#define LV_SDK_FOUNDATION_NSOBJCRUNTIME_H
/* `NS_ENUM(NSInteger, Name){…};` declares an enumeration with a fixed underlying type, so
 * that a constant passes as the integer the receiving method takes. A C compiler without
 * fixed underlying types gets the integer type and plain constants. */
#include <objc/NSObjCRuntime.h>

#if defined(__cplusplus)
#define NS_ENUM(_type, _name) enum _name : _type
#elif defined(__clang__)
#define NS_ENUM(_type, _name) \
  enum _name : _type;         \
  typedef enum _name _name;   \
  enum _name : _type
#else
#define NS_ENUM(_type, _name) \
  typedef _type _name;        \
  enum
#endif
#define NS_OPTIONS(_type, _name) NS_ENUM(_type, _name)

#endif
