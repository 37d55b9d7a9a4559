/* A send compiled as C, as device code calls objc_msgSend: through a pointer cast to the
 * method's type; through objc_msgSendSuper2 when a class to start above is given; through
 * `slot`, what MSHookMessageEx handed back, when one is given. */
#include <objc/message.h>

double lvcSendMany(id obj, Class superFrom, IMP slot, SEL sel) {
  typedef double (*Many)(void *, SEL, long, long, long, long, long, long, long, long, double, double,
                         double, double, double, double, double, double, double, double);
  struct objc_super super = {obj, superFrom};
  Many send = slot ? (Many)slot : superFrom ? (Many)objc_msgSendSuper2 : (Many)objc_msgSend;
  return send(superFrom ? (void *)&super : (void *)obj, sel, 1, 2, 3, 4, 5, 6, 7, 8, 0.5, 1.5, 2.5, 3.5,
              4.5, 5.5, 6.5, 7.5, 8.5, 9.5);
}
