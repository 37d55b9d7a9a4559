#ifndef LV_SDK_OBJC_MESSAGE_H
#define LV_SDK_OBJC_MESSAGE_H
/* Sending messages. Each send is called through a function pointer cast to the method's
 * type: ((CGFloat (*)(id, SEL))objc_msgSend)(view, sel_registerName("alpha")). A nil
 * receiver answers zero. A structure result larger than 16 bytes (a CGRect) is returned
 * through objc_msgSend_stret, whose first argument is where the result goes; for a nil
 * receiver that memory is left as it was. */
#include <objc/objc.h>

#ifdef __cplusplus
extern "C" {
#endif

struct objc_super {
  id receiver;
  /* For objc_msgSendSuper2: the class whose superclass the search starts at. */
  Class super_class;
};

void objc_msgSend(void /* id self, SEL op, ... */);
void objc_msgSend_stret(void /* void *result, id self, SEL op, ... */);
void objc_msgSendSuper2(void /* struct objc_super *super, SEL op, ... */);
void objc_msgSendSuper2_stret(void /* void *result, struct objc_super *super, SEL op, ... */);

#ifdef __cplusplus
}
#endif

#endif
