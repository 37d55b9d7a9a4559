#ifndef LV_SDK_OBJC_OBJC_H
#define LV_SDK_OBJC_OBJC_H
/* The object runtime's basic types, as the device declares them. Every object begins with
 * its class pointer; classes are objects whose class is their metaclass. */
#include <stdbool.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct objc_class *Class;

struct objc_object {
  Class isa;
};
typedef struct objc_object *id;

typedef struct objc_selector *SEL;

/* An implementation is called as `R (*)(id self, SEL _cmd, ...)`; it is stored untyped and
 * cast by its caller, as on the device. */
typedef void (*IMP)(void);

typedef bool BOOL;
#define YES ((BOOL)1)
#define NO ((BOOL)0)

#ifndef nil
#ifdef __cplusplus
#define nil nullptr
#else
#define nil ((id)0)
#endif
#endif
#ifndef Nil
#define Nil ((Class)0)
#endif

const char *sel_getName(SEL sel);
SEL sel_registerName(const char *name);
const char *object_getClassName(id obj);
void *object_getIndexedIvars(id obj);

#ifdef __cplusplus
}
#endif

#endif
