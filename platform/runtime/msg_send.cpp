#include "runtime/msg_send.h"

#include <cstddef>

#include <objc/message.h>

#include "runtime/message.h"
#include "runtime/msg_send_layout.h"
#include "runtime/traced_return.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"  // the head is laid out as a plain struct
static_assert(offsetof(rt::ClassHead, superclass) == LV_CLASS_SUPERCLASS);
static_assert(offsetof(rt::ClassHead, cacheSlots) == LV_CLASS_CACHE_SLOTS);
static_assert(offsetof(rt::ClassHead, cacheSize) == LV_CLASS_CACHE_SIZE);
static_assert(offsetof(objc_method, imp) == LV_METHOD_IMP);
static_assert(offsetof(objc_selector, index) == LV_SELECTOR_INDEX);
static_assert(offsetof(objc_super, receiver) == LV_SUPER_RECEIVER);
static_assert(offsetof(objc_super, super_class) == LV_SUPER_CLASS);
#pragma GCC diagnostic pop

IMP lv_msgSendResolve(Class start, id receiver, SEL sel, void** returnSlot) {
  const objc_method* m = start ? rt::lookup(start, sel) : nullptr;
  if (!m) rt::unrecognizedSelector(receiver, sel);
  if (rt::g_messageObserver) rt::openMessageUntilReturn(m->imp, receiver, sel, m->signature, returnSlot);
  return m->imp;
}
