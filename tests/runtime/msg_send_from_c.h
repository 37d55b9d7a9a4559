#pragma once
/* Sends made from C (msg_send_from_c.c). */
#include <objc/objc.h>

#ifdef __cplusplus
extern "C" {
#endif

struct LVCRect {
  double x, y, width, height;
};

/* Sends `sel` with the arguments 1…8 and 0.5…9.5. */
double lvcSendMany(id obj, Class superFrom, SEL sel);
struct LVCRect lvcSendRect(id obj, Class superFrom, SEL sel, double inset);

#ifdef __cplusplus
}
#endif
