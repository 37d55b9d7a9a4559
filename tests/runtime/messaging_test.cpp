#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "foundation/values.h"
#include "runtime/runtime.h"
#include "substrate/substrate.h"

namespace {

struct Counter : objc_object {
  long value = 0;
  double factor = 0.25;
  Ref<> label;
};

long Counter_value(id self, SEL) { return static_cast<Counter*>(self)->value; }
void Counter_setValue(id self, SEL, long v) { static_cast<Counter*>(self)->value = v; }
long Counter_doubled(id self, SEL) { return send<long>(self, "value"_sel) * 2; }
long Sub_value(id self, SEL) { return 100 + sendSuper<long>(objc_getClass("Counter"), self, "value"_sel); }

Class counterClass() {
  static Class cls = [] {
    Class c = rt::defineClass<Counter>("Counter", "NSObject");
    rt::addMethod(c, "value"_sel, Counter_value);
    rt::addMethod(c, "setValue:"_sel, Counter_setValue);
    rt::addMethod(c, "doubled"_sel, Counter_doubled);
    rt::addIvar(c, "_factor", &Counter::factor);
    rt::addIvar(c, "_label", &Counter::label);
    return c;
  }();
  return cls;
}

Class subClass() {
  static Class cls = [] {
    Class c = objc_allocateClassPair(counterClass(), "SubCounter", 0);
    objc_registerClassPair(c);
    return c;
  }();
  return cls;
}

TEST(Messaging, NilReceiverYieldsZero) {
  counterClass();
  EXPECT_EQ(send<long>(nil, "value"_sel), 0);
  struct Rect { double x, y, w, h; };
  Rect r = send<Rect>(nil, "frame"_sel);
  EXPECT_EQ(r.w, 0);
  send<void>(nil, "setValue:"_sel, 3L);
}

TEST(Messaging, SendsReachTheMethodAndSuper) {
  Ref<> c = rt::create(counterClass());
  send<void>(c, "setValue:"_sel, 21L);
  EXPECT_EQ(send<long>(c, "doubled"_sel), 42);
  Ref<> s = rt::create(subClass());
  rt::addMethod(subClass(), "value"_sel, Sub_value);
  send<void>(s, "setValue:"_sel, 1L);
  EXPECT_EQ(send<long>(s, "value"_sel), 101);
  EXPECT_EQ(send<long>(s, "doubled"_sel), 202);
  EXPECT_TRUE(send<bool>(s, "respondsToSelector:"_sel, "doubled"_sel));
  EXPECT_FALSE(send<bool>(s, "respondsToSelector:"_sel, "missing"_sel));
  EXPECT_TRUE(send<bool>(s, "isKindOfClass:"_sel, counterClass()));
}

TEST(MessagingDeathTest, BrokenContractsAreFatal) {
  Ref<> c = rt::create(counterClass());
  EXPECT_DEATH(send<void>(c, "setValue:"_sel, 3), "Counter setValue:.*signature mismatch");
  EXPECT_DEATH(send<double>(c, "value"_sel), "signature mismatch");
  EXPECT_DEATH(send<void>(c, "nonsense"_sel), "unrecognized selector sent to instance");
  EXPECT_DEATH(rt::defineClass<objc_object>("Orphan", "Missing"),
               "class Orphan names superclass Missing, which is not registered");
}

long replacementCalls = 0;
long (*origValue)(id, SEL) = nullptr;
long Hooked_value(id self, SEL sel) {
  ++replacementCalls;
  return origValue(self, sel) + 1000;
}

TEST(Hooking, ReplacesOwnMethodAndKeepsTheOld) {
  Ref<> c = rt::create(counterClass());
  send<void>(c, "setValue:"_sel, 5L);
  EXPECT_EQ(send<long>(c, "value"_sel), 5);  // warm the cache
  MSHookMessageEx(counterClass(), "value"_sel, Hooked_value, &origValue);
  ASSERT_EQ(origValue, &Counter_value);
  EXPECT_EQ(send<long>(c, "value"_sel), 1005);
  EXPECT_EQ(replacementCalls, 1);
}

TEST(Hooking, InheritedMethodGetsOwnEntryAndSuperImp) {
  Ref<> parent = rt::create(counterClass());
  Ref<> child = rt::create(subClass());
  send<void>(child, "setValue:"_sel, 2L);
  EXPECT_EQ(send<long>(child, "doubled"_sel), 4);  // cached through the parent's method
  long (*slot)(id, SEL) = nullptr;
  MSHookMessageEx(subClass(), "doubled"_sel, +[](id, SEL) -> long { return -1; }, &slot);
  EXPECT_EQ(slot, &Counter_doubled);
  EXPECT_EQ(send<long>(child, "doubled"_sel), -1);
  EXPECT_EQ(send<long>(parent, "doubled"_sel), 0);  // the parent keeps its own
}

TEST(Hooking, NilClassOrUnknownSelectorInstallsNothing) {
  long (*slot)(id, SEL) = nullptr;
  MSHookMessageEx(objc_getClass("NoSuchClass"), "value"_sel, Hooked_value, &slot);
  EXPECT_EQ(slot, nullptr);
  MSHookMessageEx(counterClass(), "noSuchSelector"_sel, Hooked_value, &slot);
  EXPECT_EQ(slot, nullptr);
  EXPECT_FALSE(class_respondsToSelector(counterClass(), "noSuchSelector"_sel));
}

TEST(HookingDeathTest, MismatchedReplacementIsRefused) {
  double (*slot)(id, SEL) = nullptr;
  EXPECT_DEATH(MSHookMessageEx(counterClass(), "value"_sel,
                               +[](id, SEL) -> double { return 0; }, &slot),
               "MSHookMessageEx: -\\[Counter value\\]");
}

TEST(AddMethod, DoesNotReplaceExistingAndKeepsTypes) {
  EXPECT_FALSE(class_addMethod(counterClass(), "value"_sel, +[](id, SEL) -> long { return 9; }, "q@:"));
  Ref<> c = rt::create(counterClass());
  EXPECT_EQ(send<long>(c, "value"_sel), 0);
  EXPECT_TRUE(class_addMethod(subClass(), "value"_sel, +[](id, SEL) -> long { return 9; }, "q@:"));
  EXPECT_TRUE(class_addMethod(counterClass(), "extra"_sel, +[](id, SEL) {}, "v@:"));
  EXPECT_STREQ(method_getTypeEncoding(class_getInstanceMethod(counterClass(), "extra"_sel)), "v@:");
}

TEST(Properties, AttributesReadBack) {
  objc_property_attribute_t attrs[] = {{"T", "@\"UIStackView\""}, {"&", ""}, {"N", ""}};
  EXPECT_TRUE(class_addProperty(counterClass(), "labelStackView", attrs, 3));
  EXPECT_FALSE(class_addProperty(counterClass(), "labelStackView", attrs, 3));
  objc_property_t p = class_getProperty(subClass(), "labelStackView");
  ASSERT_NE(p, nullptr);
  EXPECT_STREQ(property_getAttributes(p), "T@\"UIStackView\",&,N");
  EXPECT_EQ(class_getProperty(counterClass(), "missing"), nullptr);
}

TEST(Ivars, ReadByNameAndTypeThroughTheSuperclass) {
  Ref<> c = rt::create(subClass());
  double factor = -1;
  EXPECT_TRUE(rt::readIvar(c, "_factor", factor));
  EXPECT_EQ(factor, 0.25);
  long wrongType = 0;
  EXPECT_FALSE(rt::readIvar(c, "_factor", wrongType));
  EXPECT_FALSE(rt::readIvar(c, "_missing", factor));
  EXPECT_FALSE(rt::readIvar(nil, "_factor", factor));

  Ref<> label = rt::create(rt::rootClass());
  static_cast<Counter*>(c.get())->label = label;
  id read = nil;
  ASSERT_TRUE(rt::readIvar(c, "_label", read));
  EXPECT_EQ(read, label.get());
  EXPECT_EQ(label->refcount, 2u) << "a read does not retain";
  Ref<> wrong;
  EXPECT_FALSE(rt::readIvar(c, "_label", wrong)) << "an object ivar reads only as id";
}

TEST(Lifetime, AssociatedObjectsAreStrongAndDieWithOwner) {
  long before = rt::liveObjectCount();
  {
    static const char keyA = 0, keyB = 0;
    Ref<> a = rt::create(counterClass());
    Ref<> b = rt::create(counterClass());
    Ref<> value = rt::create(counterClass());
    objc_setAssociatedObject(a, &keyA, value, OBJC_ASSOCIATION_RETAIN_NONATOMIC);
    EXPECT_EQ(objc_getAssociatedObject(a, &keyA), value.get());
    EXPECT_EQ(objc_getAssociatedObject(a, &keyB), nil);
    EXPECT_EQ(objc_getAssociatedObject(b, &keyA), nil);
    EXPECT_EQ(value->refcount, 2u);
    objc_setAssociatedObject(b, &keyA, value, OBJC_ASSOCIATION_RETAIN_NONATOMIC);
    objc_setAssociatedObject(b, &keyA, nil, OBJC_ASSOCIATION_RETAIN_NONATOMIC);
    EXPECT_EQ(objc_getAssociatedObject(b, &keyA), nil);
    EXPECT_EQ(value->refcount, 2u);
  }
  EXPECT_EQ(rt::liveObjectCount(), before);
}

TEST(Lifetime, AutoreleasePoolReleasesOnDrain) {
  long before = rt::liveObjectCount();
  {
    rt::AutoreleasePool pool;
    id s = fnd::string("hello");
    EXPECT_EQ(send<NSUInteger>(s, "length"_sel), 5u);
    EXPECT_EQ(rt::liveObjectCount(), before + 1);
  }
  EXPECT_EQ(rt::liveObjectCount(), before);
}

TEST(Lifetime, NewFreesTheAllocationThatInitDeclines) {
  static bool substitute = false;
  Class cls = objc_allocateClassPair(counterClass(), "Declining", 0);
  objc_registerClassPair(cls);
  rt::addMethod(cls, "init"_sel, +[](id, SEL) -> id { return substitute ? rt::create(counterClass()).leak() : nil; });
  long before = rt::liveObjectCount();
  for (bool s : {false, true}) {
    substitute = s;
    EXPECT_EQ(Ref<>::adopt(send<id>(cls, "new"_sel)) != nil, s);
  }
  EXPECT_EQ(rt::liveObjectCount(), before);
}

TEST(Values, StringsNumbersCollections) {
  rt::AutoreleasePool pool;
  id s = fnd::string("  #ff8000\n");
  EXPECT_TRUE(send<bool>(fnd::string("é€"), "isEqualToString:"_sel, fnd::string("é€")));
  EXPECT_EQ(send<NSUInteger>(fnd::string("a😀"), "length"_sel), 3u);
  id up = send<id>(s, "uppercaseString"_sel);
  EXPECT_EQ(fnd::utf8(up), "  #FF8000\n");
  id sub = send<id>(up, "substringWithRange:"_sel, NSMakeRange(3, 2));
  EXPECT_EQ(fnd::utf8(sub), "FF");
  EXPECT_FLOAT_EQ(send<float>(fnd::string("14.8.1"), "floatValue"_sel), 14.8f);
  id dict = fnd::dictionary({{fnd::string("kEnabled"), fnd::boolean(true)}});
  EXPECT_TRUE(send<bool>(send<id>(dict, "objectForKey:"_sel, fnd::string("kEnabled")), "boolValue"_sel));
  EXPECT_EQ(send<id>(dict, "objectForKey:"_sel, fnd::string("other")), nil);
  id arr = fnd::array({fnd::number(1L), fnd::number(2.5)});
  EXPECT_EQ(send<NSUInteger>(arr, "count"_sel), 2u);
  EXPECT_DOUBLE_EQ(send<double>(send<id>(arr, "objectAtIndex:"_sel, NSUInteger(1)), "doubleValue"_sel), 2.5);
}

// The second batch lands where the first was freed, in another address order.
TEST(Values, ASetListsObjectsMadeAlikeAlikeWhereverTheyLand) {
  auto batchOrder = [] {
    rt::AutoreleasePool pool;
    std::vector<Ref<>> made(8);
    id set = send<id>(objc_getClass("NSMutableSet"), "setWithCapacity:"_sel, made.size());
    for (Ref<>& m : made) send<void>(set, "addObject:"_sel, (m = rt::create(counterClass())).get());
    std::vector<long> order;
    for (id item : fnd::arrayItems(send<id>(set, "allObjects"_sel)))
      order.push_back(std::find(made.begin(), made.end(), item) - made.begin());
    return order;
  };
  EXPECT_EQ(batchOrder(), batchOrder());
}

}  // namespace
