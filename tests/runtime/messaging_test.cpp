#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "foundation/block.h"
#include "foundation/perform.h"
#include "foundation/values.h"
#include "runtime/hook_records.h"
#include "runtime/runtime.h"
#include "substrate/substrate.h"

namespace {

struct Counter : objc_object {
  long value = 0;
  double factor = 0.25;
  Ref<> label;
};

Class counter = nullptr;  // this test's Counter class, the super of its `sub`

long Counter_value(id self, SEL) { return static_cast<Counter*>(self)->value; }
void Counter_setValue(id self, SEL, long v) { static_cast<Counter*>(self)->value = v; }
long Counter_doubled(id self, SEL) { return send<long>(self, "value"_sel) * 2; }
long Sub_value(id self, SEL) { return 100 + sendSuper<long>(counter, self, "value"_sel); }

// Every test gets its own Counter and SubCounter under new names, so nothing one test adds
// or hooks reaches another run in the same process.
struct Runtime : testing::Test {
  static inline int serial = 0;
  std::string suffix = std::to_string(++serial);
  Class sub = nullptr;
  void SetUp() override {
    counter = rt::defineClass<Counter>(("Counter" + suffix).c_str(), "NSObject");
    rt::addMethod(counter, "value"_sel, Counter_value);
    rt::addMethod(counter, "setValue:"_sel, Counter_setValue);
    rt::addMethod(counter, "doubled"_sel, Counter_doubled);
    rt::addIvar(counter, "_factor", &Counter::factor);
    rt::addIvar(counter, "_label", &Counter::label);
    sub = objc_allocateClassPair(counter, ("SubCounter" + suffix).c_str(), 0);
    objc_registerClassPair(sub);
  }
};
using RuntimeDeathTest = Runtime;

// A send to nil yields zero, of any type.
TEST_F(Runtime, SendsReachTheMethodAndSuper) {
  EXPECT_EQ(send<long>(nil, "value"_sel), 0);
  struct Rect { double x, y, w, h; };
  EXPECT_EQ(send<Rect>(nil, "frame"_sel).w, 0);
  send<void>(nil, "setValue:"_sel, 3L);
  Ref<> c = rt::create(counter), s = rt::create(sub);
  send<void>(c, "setValue:"_sel, 21L);
  EXPECT_EQ(send<long>(c, "doubled"_sel), 42);
  rt::addMethod(sub, "value"_sel, Sub_value);
  send<void>(s, "setValue:"_sel, 1L);
  EXPECT_EQ(send<long>(s, "value"_sel), 101);
  EXPECT_EQ(send<long>(s, "doubled"_sel), 202);
  EXPECT_TRUE(send<bool>(s, "respondsToSelector:"_sel, "doubled"_sel));
  EXPECT_FALSE(send<bool>(s, "respondsToSelector:"_sel, "missing"_sel));
  EXPECT_TRUE(send<bool>(s, "isKindOfClass:"_sel, counter));
}

TEST_F(RuntimeDeathTest, BrokenContractsAreFatal) {
  Ref<> c = rt::create(counter);
  EXPECT_DEATH(send<void>(c, "setValue:"_sel, 3), "Counter[0-9]+ setValue:.*signature mismatch");
  EXPECT_DEATH(send<double>(c, "value"_sel), "signature mismatch");
  EXPECT_DEATH(send<void>(c, "nonsense"_sel), "unrecognized selector sent to instance");
  EXPECT_DEATH(rt::defineClass<objc_object>("Orphan", "Missing"),
               "class Orphan names superclass Missing, which is not registered");
  double (*slot)(id, SEL) = nullptr;
  EXPECT_DEATH(MSHookMessageEx(counter, "value"_sel, +[](id, SEL) -> double { return 0; }, &slot),
               "MSHookMessageEx: -\\[Counter[0-9]+ value\\]");
}

// A value class given an object of the wrong class or an index beyond its end stops the
// process, as the device's would, instead of reading the object as something it is not.
TEST_F(RuntimeDeathTest, ValuesRefuseWrongClassesAndIndices) {
  Ref<> c = rt::create(counter);
  EXPECT_DEATH(send<bool>(fnd::string("#FF"), "hasPrefix:"_sel, fnd::number(1L)),
               "-\\[NSString hasPrefix:\\]: an object of class NSNumber is not a string");
  EXPECT_DEATH(fnd::utf8(c.get()), "fnd::utf8: an object of class Counter[0-9]+ is not a string");
  EXPECT_DEATH(send<id>(fnd::array({c}), "objectAtIndex:"_sel, NSUInteger(1)), "index 1 beyond bounds \\[0 .. 1\\)");
}

long replacementCalls = 0;
long (*origValue)(id, SEL) = nullptr;
long Hooked_value(id self, SEL sel) {
  ++replacementCalls;
  return origValue(self, sel) + 1000;
}

// A nil class or a selector the class lacks installs nothing.
TEST_F(Runtime, ReplacesOwnMethodAndKeepsTheOld) {
  origValue = nullptr;
  replacementCalls = 0;
  MSHookMessageEx(objc_getClass("NoSuchClass"), "value"_sel, Hooked_value, &origValue);
  MSHookMessageEx(counter, "noSuchSelector"_sel, Hooked_value, &origValue);
  EXPECT_EQ(origValue, nullptr);
  EXPECT_FALSE(class_respondsToSelector(counter, "noSuchSelector"_sel));
  Ref<> c = rt::create(counter);
  send<void>(c, "setValue:"_sel, 5L);
  EXPECT_EQ(send<long>(c, "value"_sel), 5);  // warm the cache
  MSHookMessageEx(counter, "value"_sel, Hooked_value, &origValue);
  EXPECT_EQ(send<long>(c, "value"_sel), 1005);
  EXPECT_EQ(replacementCalls, 1);
}

TEST_F(Runtime, InheritedMethodGetsOwnEntryAndSuperImp) {
  Ref<> parent = rt::create(counter), child = rt::create(sub);
  send<void>(child, "setValue:"_sel, 2L);
  EXPECT_EQ(send<long>(child, "doubled"_sel), 4);  // cached through the parent's method
  long (*slot)(id, SEL) = nullptr;
  MSHookMessageEx(sub, "doubled"_sel, +[](id, SEL) -> long { return -1; }, &slot);
  EXPECT_EQ(slot(child.get(), "doubled"_sel), 4);
  EXPECT_EQ(send<long>(child, "doubled"_sel), -1);
  EXPECT_EQ(send<long>(parent, "doubled"_sel), 0);  // the parent keeps its own
}

TEST_F(Runtime, AddMethodDoesNotReplaceExistingAndKeepsTypes) {
  auto nine = +[](id, SEL) -> long { return 9; };
  EXPECT_FALSE(class_addMethod(counter, "value"_sel, nine, "q@:"));
  EXPECT_EQ(send<long>(rt::create(counter), "value"_sel), 0);
  EXPECT_TRUE(class_addMethod(sub, "value"_sel, nine, "q@:"));
  EXPECT_TRUE(class_addMethod(counter, "extra"_sel, +[](id, SEL) {}, "v@:"));
  EXPECT_STREQ(method_getTypeEncoding(class_getInstanceMethod(counter, "extra"_sel)), "v@:");
}

void (*tracedStepSlot)(id, SEL) = nullptr;
Ref<> madeBlock;
void Host_step(id self, SEL) { send<void>(self, "note"_sel); }
void Traced_note(id, SEL) { madeBlock = Ref<>::retain(fnd::block<void()>([] {})); }
void Traced_step(id self, SEL cmd) { tracedStepSlot(self, cmd); }

struct TraceLines : rt::MessageObserver {
  std::vector<std::string> lines;
  bool traces(IMP imp) override { return imp == IMP(Traced_step) || imp == IMP(Traced_note); }
  void observe(const rt::TraceEvent& e) override {
    constexpr const char* kKinds[] = {"enter", "action", "delayed", "completion", "slot", "return"};
    lines.push_back(std::string(kKinds[int(e.kind)]) + " " + std::to_string(e.depth) + " " +
                    sel_getName(e.selector));
  }
};

TEST_F(Runtime, MessageTraceReportsTracedFramesSlotCallsAndReturnsWithTheirDepth) {
  rt::addMethod(counter, "step"_sel, Host_step);
  MSHookMessageEx(counter, "step"_sel, Traced_step, &tracedStepSlot);
  class_addMethod(counter, "note"_sel, Traced_note, "v@:");
  Ref<> obj = rt::create(counter);
  TraceLines trace;
  rt::setMessageObserver(&trace);
  send<void>(obj, "step"_sel);
  {
    rt::DeliveryMark mark(rt::TraceKind::Delayed, "note"_sel);
    fnd::perform(obj.get(), "note"_sel, nil);
  }
  fnd::callCompletion(madeBlock.get());
  fnd::callCompletion(fnd::block<void()>([] {}));  // made by untraced code: no frame
  send<bool>(obj, "isEqual:"_sel, obj.get());
  rt::setMessageObserver(nullptr);
  send<void>(obj, "step"_sel);
  madeBlock = nullptr;
  EXPECT_EQ(trace.lines, (std::vector<std::string>{"enter 1 step", "slot 2 step", "enter 3 note", "return 3 note",
                                                   "return 1 step", "delayed 1 note", "return 1 note",
                                                   "completion 1 note", "return 1 note"}));
}

TEST_F(Runtime, PropertyAttributesReadBack) {
  objc_property_attribute_t attrs[] = {{"T", "@\"UIStackView\""}, {"&", ""}, {"N", ""}};
  EXPECT_TRUE(class_addProperty(counter, "labelStackView", attrs, 3));
  EXPECT_FALSE(class_addProperty(counter, "labelStackView", attrs, 3));
  objc_property_t p = class_getProperty(sub, "labelStackView");
  ASSERT_NE(p, nullptr);
  EXPECT_STREQ(property_getAttributes(p), "T@\"UIStackView\",&,N");
  EXPECT_EQ(class_getProperty(counter, "missing"), nullptr);
}

TEST_F(Runtime, IvarsReadByNameAndTypeThroughTheSuperclass) {
  Ref<> c = rt::create(sub), label = rt::create(rt::rootClass());
  double factor = -1;
  long wrongType = 0;
  EXPECT_TRUE(rt::readIvar(c.get(), "_factor", factor));
  EXPECT_EQ(factor, 0.25);
  EXPECT_FALSE(rt::readIvar(c.get(), "_factor", wrongType));
  EXPECT_FALSE(rt::readIvar(c.get(), "_missing", factor));
  EXPECT_FALSE(rt::readIvar(nil, "_factor", factor));
  static_cast<Counter*>(c.get())->label = label;
  id read = nil;
  ASSERT_TRUE(rt::readIvar(c.get(), "_label", read));
  EXPECT_EQ(read, label.get());
  EXPECT_EQ(rt::retainCount(label.get()), 2u) << "a read does not retain";
  Ref<> wrong;
  EXPECT_FALSE(rt::readIvar(c.get(), "_label", wrong)) << "an object ivar reads only as id";
}

TEST_F(Runtime, AssociatedObjectsAreStrongAndDieWithOwner) {
  long before = rt::liveObjectCount();
  {
    static const char keyA = 0, keyB = 0;
    Ref<> a = rt::create(counter), b = rt::create(counter), value = rt::create(counter);
    objc_setAssociatedObject(a.get(), &keyA, value.get(), OBJC_ASSOCIATION_RETAIN_NONATOMIC);
    EXPECT_EQ(objc_getAssociatedObject(a.get(), &keyA), value.get());
    EXPECT_EQ(objc_getAssociatedObject(a.get(), &keyB), nil);
    EXPECT_EQ(objc_getAssociatedObject(b.get(), &keyA), nil);
    EXPECT_EQ(rt::retainCount(value.get()), 2u);
    objc_setAssociatedObject(b.get(), &keyA, value.get(), OBJC_ASSOCIATION_RETAIN_NONATOMIC);
    objc_setAssociatedObject(b.get(), &keyA, nil, OBJC_ASSOCIATION_RETAIN_NONATOMIC);
    EXPECT_EQ(objc_getAssociatedObject(b.get(), &keyA), nil);
    EXPECT_EQ(rt::retainCount(value.get()), 2u);
  }
  EXPECT_EQ(rt::liveObjectCount(), before);
}

TEST_F(Runtime, NewFreesTheAllocationThatInitDeclines) {
  static bool substitute = false;
  Class cls = objc_allocateClassPair(counter, ("Declining" + suffix).c_str(), 0);
  objc_registerClassPair(cls);
  rt::addMethod(cls, "init"_sel, +[](id, SEL) -> id { return substitute ? rt::create(counter).leak() : nil; });
  long before = rt::liveObjectCount();
  for (bool s : {false, true}) {
    substitute = s;
    EXPECT_EQ(Ref<>::adopt(send<id>(cls, "new"_sel)) != nil, s);
  }
  EXPECT_EQ(rt::liveObjectCount(), before);
}

// Every value lives until its pool drains.
TEST_F(Runtime, StringsNumbersCollectionsInAPool) {
  long before = rt::liveObjectCount();
  std::optional<rt::AutoreleasePool> pool(std::in_place);
  EXPECT_TRUE(send<bool>(fnd::string("é€"), "isEqualToString:"_sel, fnd::string("é€")));
  EXPECT_EQ(send<NSUInteger>(fnd::string("a😀"), "length"_sel), 3u);
  id up = send<id>(fnd::string("  #ff8000\n"), "uppercaseString"_sel);
  EXPECT_EQ(fnd::utf8(up), "  #FF8000\n");
  EXPECT_EQ(fnd::utf8(send<id>(up, "substringWithRange:"_sel, NSMakeRange(3, 2))), "FF");
  EXPECT_FLOAT_EQ(send<float>(fnd::string("14.8.1"), "floatValue"_sel), 14.8f);
  id dict = fnd::dictionary({{fnd::string("kEnabled"), fnd::boolean(true)}});
  EXPECT_TRUE(send<bool>(send<id>(dict, "objectForKey:"_sel, fnd::string("kEnabled")), "boolValue"_sel));
  EXPECT_EQ(send<id>(dict, "objectForKey:"_sel, fnd::string("other")), nil);
  id arr = fnd::array({fnd::number(1L), fnd::number(2.5)});
  EXPECT_EQ(send<NSUInteger>(arr, "count"_sel), 2u);
  EXPECT_DOUBLE_EQ(send<double>(send<id>(arr, "objectAtIndex:"_sel, NSUInteger(1)), "doubleValue"_sel), 2.5);
  EXPECT_GT(rt::liveObjectCount(), before + 4);
  pool.reset();
  EXPECT_EQ(rt::liveObjectCount(), before);
}

// The second batch lands where the first was freed, in another address order.
TEST_F(Runtime, ASetListsObjectsMadeAlikeAlikeWhereverTheyLand) {
  auto batchOrder = [] {
    rt::AutoreleasePool pool;
    std::vector<Ref<>> made(8);
    id set = send<id>(objc_getClass("NSMutableSet"), "setWithCapacity:"_sel, made.size());
    for (Ref<>& m : made) send<void>(set, "addObject:"_sel, (m = rt::create(counter)).get());
    std::vector<long> order;
    for (const Ref<>& item : fnd::arrayItems(send<id>(set, "allObjects"_sel)))
      order.push_back(std::find(made.begin(), made.end(), item) - made.begin());
    return order;
  };
  EXPECT_EQ(batchOrder(), batchOrder());
}

}  // namespace

namespace {

// A hook of a nil class is named after the last lookup the caller made that found nothing,
// not after a name the runtime checked for itself while making a class.
TEST(HookRecords, ANilClassIsNamedAfterTheCallersFailedLookUp) {
  EXPECT_EQ(objc_getClass("HookRecordsMisspelt"), nullptr);
  objc_registerClassPair(objc_allocateClassPair(objc_getClass("NSObject"), "HookRecordsMade", 0));
  MSHookMessageEx(Class(nullptr), "init"_sel, IMP(+[] {}), nullptr);
  ASSERT_FALSE(rt::hookRecords().empty());
  EXPECT_EQ(rt::hookRecords().back().className, "HookRecordsMisspelt");
}

}  // namespace
