// An empty method sent through GCC's Objective-C runtime, to compare our sends with a
// real runtime's in the same benchmark run. The loop lives here so that each send is
// compiled by the Objective-C compiler, as our loop's sends are by the C++ compiler.
#include <objc/runtime.h>

__attribute__((objc_root_class))
@interface LVBenchTarget {
  Class isa;
}
+ (id)make;
- (void)empty;
@end

@implementation LVBenchTarget
+ (id)make {
  return class_createInstance(self, 0);
}
- (void)empty {
}
@end

void* lvObjcMakeTarget(void) { return [LVBenchTarget make]; }

void lvObjcSendEmpty(void* target, long count) {
  id obj = (id)target;
  for (long i = 0; i < count; ++i) [obj empty];
}

void lvObjcFreeTarget(void* target) { object_dispose((id)target); }
