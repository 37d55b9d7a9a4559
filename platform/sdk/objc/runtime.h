#ifndef LV_SDK_OBJC_RUNTIME_H
#define LV_SDK_OBJC_RUNTIME_H
/* The runtime's C interface, with the device's signatures. Main thread only (the loader
 * thread while libraries initialise). */
#include <stddef.h>
#include <stdint.h>

#include <objc/objc.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct objc_method *Method;
typedef struct objc_ivar *Ivar;
typedef struct objc_property *objc_property_t;

typedef struct {
  const char *name;
  const char *value;
} objc_property_attribute_t;

Class objc_getClass(const char *name);
Class objc_lookUpClass(const char *name);
Class objc_getMetaClass(const char *name);
Class object_getClass(id obj);

const char *class_getName(Class cls);
Class class_getSuperclass(Class cls);
BOOL class_isMetaClass(Class cls);
BOOL class_respondsToSelector(Class cls, SEL sel);
Method class_getInstanceMethod(Class cls, SEL sel);
Method class_getClassMethod(Class cls, SEL sel);
IMP class_getMethodImplementation(Class cls, SEL sel);
/* Adds only when `cls` itself lacks `sel`; answers whether it added. */
BOOL class_addMethod(Class cls, SEL sel, IMP imp, const char *types);
/* Replaces `cls`'s own method (keeping its types) or adds one; answers the replaced
 * implementation, or NULL when it added. */
IMP class_replaceMethod(Class cls, SEL sel, IMP imp, const char *types);
/* The list is malloc'ed, ends with NULL, and is the caller's to free. */
Method *class_copyMethodList(Class cls, unsigned int *outCount);
size_t class_getInstanceSize(Class cls);
/* Only for a class made by objc_allocateClassPair and not yet registered; `alignment` is
 * log2 of the byte alignment. */
BOOL class_addIvar(Class cls, const char *name, size_t size, uint8_t alignment, const char *types);
Ivar class_getInstanceVariable(Class cls, const char *name);
/* The class's own ivars in declaration order, and its own properties in the order added;
 * malloc'ed lists ending with NULL, the caller's to free. */
Ivar *class_copyIvarList(Class cls, unsigned int *outCount);
objc_property_t *class_copyPropertyList(Class cls, unsigned int *outCount);
/* The object an object-typed ivar holds. */
id object_getIvar(id obj, Ivar ivar);
BOOL class_addProperty(Class cls, const char *name, const objc_property_attribute_t *attributes,
                       unsigned int attributeCount);
objc_property_t class_getProperty(Class cls, const char *name);

/* `extraBytes` are kept after the class object, for object_getIndexedIvars. NULL when the
 * name is taken. */
Class objc_allocateClassPair(Class superclass, const char *name, size_t extraBytes);
void objc_registerClassPair(Class cls);

SEL method_getName(Method m);
IMP method_getImplementation(Method m);
IMP method_setImplementation(Method m, IMP imp);
const char *method_getTypeEncoding(Method m);

const char *ivar_getName(Ivar v);
const char *ivar_getTypeEncoding(Ivar v);
ptrdiff_t ivar_getOffset(Ivar v);

const char *property_getName(objc_property_t property);
const char *property_getAttributes(objc_property_t property);

enum {
  OBJC_ASSOCIATION_ASSIGN = 0,
  OBJC_ASSOCIATION_RETAIN_NONATOMIC = 1,
  OBJC_ASSOCIATION_COPY_NONATOMIC = 3,
  OBJC_ASSOCIATION_RETAIN = 01401,
  OBJC_ASSOCIATION_COPY = 01403
};
typedef uintptr_t objc_AssociationPolicy;

void objc_setAssociatedObject(id object, const void *key, id value, objc_AssociationPolicy policy);
id objc_getAssociatedObject(id object, const void *key);
void objc_removeAssociatedObjects(id object);

id objc_retain(id obj);
void objc_release(id obj);
id objc_autorelease(id obj);
void *objc_autoreleasePoolPush(void);
void objc_autoreleasePoolPop(void *context);

#ifdef __cplusplus
}
#endif

#endif
