#ifndef LV_SDK_OBJC_MESSAGE_H
#define LV_SDK_OBJC_MESSAGE_H
/* Sending messages. Each send is called through a function pointer cast to the method's
 * type: ((CGFloat (*)(id, SEL))objc_msgSend)(view, sel_registerName("alpha")). A nil
 * receiver answers zero. A structure result larger than 16 bytes (a CGRect) is returned
 * through objc_msgSend_stret, whose first argument is where the result goes. */
#include <objc/objc.h>

#ifdef __cplusplus
extern "C" {
#endif

struct objc_super {
  id receiver;
  /* For objc_msgSendSuper2: the class whose superclass the search starts at. */
  Class super_class;
};

/* GCC warns at every call through a cast of a function with a prototype, so for GCC's C the
 * sends are declared without one; either way a caller casts them to the method's type. */
#if defined(__GNUC__) && !defined(__clang__) && !defined(__cplusplus)
#define LV_SEND_PARAMETERS
#else
#define LV_SEND_PARAMETERS void
#endif
void objc_msgSend(LV_SEND_PARAMETERS /* id self, SEL op, ... */);
void objc_msgSend_stret(LV_SEND_PARAMETERS /* void *result, id self, SEL op, ... */);
void objc_msgSendSuper2(LV_SEND_PARAMETERS /* struct objc_super *super, SEL op, ... */);
void objc_msgSendSuper2_stret(LV_SEND_PARAMETERS /* void *result, struct objc_super *super, SEL op, ... */);
#undef LV_SEND_PARAMETERS

#ifdef __cplusplus
}
#endif

#endif
