// The runtime's C interface as code built for the phone uses it: objects that begin with
// their class, classes made and grown at run time, associated objects under every policy,
// method tables read and changed, autorelease pools by context.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "runtime/runtime.h"

namespace {

struct Plain : objc_object {
  long field = 7;
};

struct CInterface : testing::Test {
  static inline int serial = 0;
  std::string suffix = std::to_string(++serial);
  std::string name(const char* base) const { return base + suffix; }
};

// What a compiler lays out for a constant string: the class, then fields of its own.
struct ConstantObject {
  Class isa;
  int flags;
  const char* text;
  long length;
};

TEST_F(CInterface, EveryObjectBeginsWithItsClassAndConstantsAreNeverWritten) {
  Class plain = rt::defineClass<Plain>(name("Plain").c_str(), "NSObject");
  id obj = rt::allocateInstance(plain);
  // Once per process, as a compiler-named class is: the storage holds one class.
  alignas(objc_class) static unsigned char storage[sizeof(objc_class)];
  static const Class constants =
      rt::defineClassAt(storage, "LVConstant", "NSObject", rt::InstanceMemory::Uncounted);
  ConstantObject constant{constants, 0x7c8, "text", 4};
  auto constantId = reinterpret_cast<id>(&constant);
  for (id o : {obj, reinterpret_cast<id>(plain), constantId})
    EXPECT_EQ(object_getClass(o), *reinterpret_cast<Class*>(o)) << object_getClassName(o);
  EXPECT_EQ(object_getClass(reinterpret_cast<id>(plain)), objc_getMetaClass(class_getName(plain)));

  const ConstantObject before = constant;
  for (id o : {constantId, reinterpret_cast<id>(plain)}) {
    EXPECT_EQ(objc_retain(o), o);
    objc_release(o);
    objc_release(o);
    rt::AutoreleasePool pool;
    objc_autorelease(o);
  }
  EXPECT_EQ(std::memcmp(&before, &constant, sizeof constant), 0);
  EXPECT_EQ(objc_retain(obj), obj);
  EXPECT_EQ(rt::retainCount(obj), 2u);
  long live = rt::liveObjectCount();
  objc_release(obj);
  objc_release(obj);
  EXPECT_EQ(rt::liveObjectCount(), live - 1);
}

TEST_F(CInterface, ClassPairsKeepExtraBytesAndIvarsAfterTheInheritedObject) {
  Class base = rt::defineClass<Plain>(name("Base").c_str(), "NSObject");
  Class grown = objc_allocateClassPair(base, name("Grown").c_str(), 24);
  ASSERT_TRUE(grown);
  EXPECT_FALSE(objc_allocateClassPair(base, class_getName(base), 0)) << "a name taken";
  std::memset(object_getIndexedIvars(reinterpret_cast<id>(grown)), 0xab, 24);
  EXPECT_TRUE(class_addIvar(grown, "_flag", 1, 0, "c"));
  EXPECT_TRUE(class_addIvar(grown, "_scale", sizeof(double), 3, "d"));
  EXPECT_FALSE(class_addIvar(grown, "_flag", 1, 0, "c")) << "a name taken";
  objc_registerClassPair(grown);
  EXPECT_FALSE(class_addIvar(grown, "_late", 4, 2, "i")) << "after registration";
  EXPECT_EQ(objc_getClass(class_getName(grown)), grown);

  Ivar flag = class_getInstanceVariable(grown, "_flag");
  Ivar scale = class_getInstanceVariable(grown, "_scale");
  ASSERT_TRUE(flag && scale);
  EXPECT_EQ(size_t(ivar_getOffset(flag)), sizeof(Plain));
  EXPECT_EQ(ivar_getOffset(scale) % 8, 0);
  EXPECT_GT(ivar_getOffset(scale), ivar_getOffset(flag));
  EXPECT_EQ(class_getInstanceSize(grown), size_t(ivar_getOffset(scale)) + sizeof(double));
  EXPECT_STREQ(ivar_getTypeEncoding(scale), "d");
  EXPECT_STREQ(ivar_getName(flag), "_flag");

  Ref<> obj = rt::create(grown);
  auto* bytes = reinterpret_cast<unsigned char*>(obj.get());
  double scaleValue = 0;
  std::memcpy(&scaleValue, bytes + ivar_getOffset(scale), sizeof scaleValue);
  EXPECT_EQ(scaleValue, 0.0) << "ivars start zeroed";
  scaleValue = 2.5;
  std::memcpy(bytes + ivar_getOffset(scale), &scaleValue, sizeof scaleValue);
  EXPECT_EQ(static_cast<Plain*>(obj.get())->field, 7) << "the inherited C++ object is intact";
  EXPECT_EQ(static_cast<unsigned char*>(object_getIndexedIvars(reinterpret_cast<id>(grown)))[23], 0xab);
}

id Copyable_copy(id self, SEL) { return rt::allocateInstance(object_getClass(self)); }

TEST_F(CInterface, AssociatedObjectsFollowTheirPolicy) {
  Class copyable = rt::defineClass<objc_object>(name("Copyable").c_str(), "NSObject");
  rt::addMethod(copyable, "copy"_sel, Copyable_copy);
  struct Case {
    objc_AssociationPolicy policy;
    bool retains, copies, atomic;
  };
  const Case cases[] = {
      {OBJC_ASSOCIATION_ASSIGN, false, false, false},
      {OBJC_ASSOCIATION_RETAIN_NONATOMIC, true, false, false},
      {OBJC_ASSOCIATION_RETAIN, true, false, true},
      {OBJC_ASSOCIATION_COPY_NONATOMIC, false, true, false},
      {OBJC_ASSOCIATION_COPY, false, true, true},
  };
  static char key;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.policy);
    Ref<> owner = rt::create(copyable), value = rt::create(copyable);
    long live = rt::liveObjectCount();
    objc_setAssociatedObject(owner.get(), &key, value.get(), c.policy);
    EXPECT_EQ(rt::retainCount(value.get()), c.retains ? 2u : 1u);
    EXPECT_EQ(rt::liveObjectCount(), live + (c.copies ? 1 : 0));
    {
      rt::AutoreleasePool pool;
      id read = objc_getAssociatedObject(owner.get(), &key);
      EXPECT_EQ(read == value.get(), !c.copies);
      EXPECT_EQ(rt::retainCount(read), (c.retains || c.copies ? 1u : 0u) + (c.copies ? 0u : 1u) + (c.atomic ? 1u : 0u));
    }
    objc_setAssociatedObject(owner.get(), &key, nil, c.policy);
    EXPECT_EQ(objc_getAssociatedObject(owner.get(), &key), nil);
    EXPECT_EQ(rt::retainCount(value.get()), 1u);
    EXPECT_EQ(rt::liveObjectCount(), live) << "a copy is released with its association";
  }
  Ref<> owner = rt::create(copyable), value = rt::create(copyable);
  objc_setAssociatedObject(reinterpret_cast<id>(copyable), &key, value.get(), OBJC_ASSOCIATION_RETAIN_NONATOMIC);
  EXPECT_EQ(objc_getAssociatedObject(reinterpret_cast<id>(copyable), &key), value.get()) << "on a class";
  objc_setAssociatedObject(reinterpret_cast<id>(copyable), &key, nil, OBJC_ASSOCIATION_ASSIGN);
  objc_setAssociatedObject(owner.get(), &key, value.get(), OBJC_ASSOCIATION_RETAIN_NONATOMIC);
  owner = nullptr;
  EXPECT_EQ(rt::retainCount(value.get()), 1u) << "released with its owner";
}

long Answer_first(id, SEL) { return 1; }
long Answer_second(id, SEL) { return 2; }
long Answer_class(id, SEL) { return 3; }

TEST_F(CInterface, MethodTablesReadAndChangedThroughTheCInterface) {
  Class cls = rt::defineClass<objc_object>(name("Answer").c_str(), "NSObject");
  Class sub = objc_allocateClassPair(cls, name("SubAnswer").c_str(), 0);
  objc_registerClassPair(sub);
  EXPECT_TRUE(class_addMethod(cls, "zeta"_sel, Answer_first, "q16@0:8"));
  EXPECT_TRUE(class_addMethod(cls, "alpha"_sel, Answer_first, "q16@0:8"));
  EXPECT_FALSE(class_addMethod(cls, "alpha"_sel, Answer_second, "q16@0:8")) << "cls answers it already";
  EXPECT_TRUE(class_addMethod(sub, "alpha"_sel, Answer_second, "q16@0:8")) << "only the superclass answers";
  EXPECT_TRUE(class_addMethod(objc_getMetaClass(class_getName(cls)), "make"_sel, Answer_class, "q16@0:8"));

  unsigned count = 0;
  Method* list = class_copyMethodList(cls, &count);
  ASSERT_EQ(count, 2u);
  EXPECT_STREQ(sel_getName(method_getName(list[0])), "alpha");
  EXPECT_STREQ(sel_getName(method_getName(list[1])), "zeta");
  EXPECT_EQ(list[2], nullptr);
  std::free(list);
  Class empty = objc_allocateClassPair(cls, name("Empty").c_str(), 0);
  objc_registerClassPair(empty);
  EXPECT_EQ(class_copyMethodList(empty, &count), nullptr);
  EXPECT_EQ(count, 0u);

  Ref<> obj = rt::create(cls);
  EXPECT_EQ(send<long>(obj, "alpha"_sel), 1) << "cached";
  Method alpha = class_getInstanceMethod(cls, "alpha"_sel);
  EXPECT_EQ(method_setImplementation(alpha, reinterpret_cast<IMP>(Answer_second)), reinterpret_cast<IMP>(Answer_first));
  EXPECT_EQ(send<long>(obj, "alpha"_sel), 2) << "a changed implementation is not served from the cache";
  EXPECT_EQ(class_replaceMethod(cls, "zeta"_sel, reinterpret_cast<IMP>(Answer_second), nullptr),
            reinterpret_cast<IMP>(Answer_first));
  EXPECT_STREQ(method_getTypeEncoding(class_getInstanceMethod(cls, "zeta"_sel)), "q16@0:8") << "types kept";
  EXPECT_EQ(class_replaceMethod(cls, "omega"_sel, reinterpret_cast<IMP>(Answer_first), "q16@0:8"), nullptr);
  EXPECT_EQ(send<long>(obj, "omega"_sel), 1);
  EXPECT_EQ(class_getMethodImplementation(sub, "zeta"_sel), reinterpret_cast<IMP>(Answer_second));
  EXPECT_EQ(method_getImplementation(class_getClassMethod(cls, "make"_sel)), reinterpret_cast<IMP>(Answer_class));
  EXPECT_TRUE(class_respondsToSelector(sub, "omega"_sel));
  EXPECT_EQ(objc_lookUpClass(class_getName(sub)), sub);
  EXPECT_EQ(class_getSuperclass(sub), cls);
  EXPECT_TRUE(class_isMetaClass(object_getClass(reinterpret_cast<id>(cls))));
}

TEST_F(CInterface, AutoreleasePoolsPopToTheirContext) {
  Class plain = rt::defineClass<Plain>(name("Pooled").c_str(), "NSObject");
  long live = rt::liveObjectCount();
  void* outer = objc_autoreleasePoolPush();
  objc_autorelease(rt::allocateInstance(plain));
  void* inner = objc_autoreleasePoolPush();
  objc_autorelease(rt::allocateInstance(plain));
  objc_autorelease(rt::allocateInstance(plain));
  objc_autoreleasePoolPop(inner);
  EXPECT_EQ(rt::liveObjectCount(), live + 1);
  objc_autoreleasePoolPop(outer);
  EXPECT_EQ(rt::liveObjectCount(), live);
}

}  // namespace
