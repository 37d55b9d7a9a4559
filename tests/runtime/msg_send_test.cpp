#include <gtest/gtest.h>

#include <cstdarg>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <objc/message.h>

#include "quartz/geometry.h"
#include "runtime/runtime.h"
#include "substrate/substrate.h"

// From msg_send_from_c.c: sends `sel` with the arguments 1…8 and 0.5…9.5, compiled as C.
extern "C" double lvcSendMany(id obj, Class superFrom, IMP slot, SEL sel);

namespace {

struct Target : objc_object {
  long base = 7;
};

long baseOf(id self) { return static_cast<Target*>(self)->base; }

int Target_intPlus(id self, SEL, int x) { return int(baseOf(self)) + x; }
long Target_longTimes(id self, SEL, long x) { return baseOf(self) * x; }
double Target_scaled(id self, SEL, double x, float y) { return double(baseOf(self)) * x * y; }
float Target_halved(id self, SEL, float x) { return x / 2 + float(baseOf(self)); }
CGPoint Target_origin(id self, SEL, double y) { return {double(baseOf(self)), y}; }
struct Pair {
  long first, second;
};
Pair Target_pair(id self, SEL, long x) { return {baseOf(self), x}; }
CGRect Target_rect(id self, SEL, double inset) { return {{inset, inset}, {100 - inset, double(baseOf(self))}}; }
double Target_many(id self, SEL, long a1, long a2, long a3, long a4, long a5, long a6, long a7, long a8,
                   double d1, double d2, double d3, double d4, double d5, double d6, double d7, double d8,
                   double d9, double d10) {
  return double(baseOf(self) + a1 + 2 * a2 + 3 * a3 + 4 * a4 + 5 * a5 + 6 * a6 + 7 * a7 + 8 * a8) +
         100 * (d1 + 2 * d2 + 3 * d3 + 4 * d4 + 5 * d5 + 6 * d6 + 7 * d7 + 8 * d8 + 9 * d9 + 10 * d10);
}
double Target_sum(id self, SEL, int count, ...) {
  va_list args;
  va_start(args, count);
  double sum = double(baseOf(self));
  for (int i = 0; i < count; ++i) sum += va_arg(args, double);
  va_end(args);
  return sum;
}

// Sends as device code does, through objc_msgSend cast to the method's type; through
// objc_msgSendSuper2 when `superFrom` is set; with `slot`, calls what MSHookMessageEx
// handed back for the method. Structures over 16 bytes return by _stret.
struct Via {
  id obj;
  Class superFrom = nullptr;
  bool slot = false;
};

std::map<SEL, IMP> g_slots;  // the fixture's class's methods, hooked in a subclass

// A call through `Fn`, the method's type with the receiver as its first argument (a
// variadic `Fn` sets al, as a variadic method needs).
template <class Fn, class... A>
auto call(Via via, SEL sel, A... args) {
  using R = std::invoke_result_t<Fn, id, SEL, A...>;
  constexpr bool stret = std::is_class_v<R> && sizeof(R) > 16;
  objc_super super{via.obj, via.superFrom};
  IMP entry = via.slot        ? g_slots.at(sel)
              : via.superFrom ? (stret ? objc_msgSendSuper2_stret : objc_msgSendSuper2)
                              : (stret ? objc_msgSend_stret : objc_msgSend);
  return reinterpret_cast<Fn>(entry)(via.superFrom ? reinterpret_cast<id>(&super) : via.obj, sel, args...);
}

template <class R, class... A>
R msgSend(Via via, SEL sel, A... args) {
  return call<R (*)(id, SEL, A...)>(via, sel, args...);
}

template <class... T>
std::string text(T... values) {
  std::ostringstream out;
  ((out << values << ' '), ...);
  std::string s = out.str();
  return s.substr(0, s.size() - 1);
}

struct TraceLines : rt::MessageObserver {
  std::vector<std::string> lines;
  std::vector<Class> classes;
  bool traces(IMP) override { return true; }
  void observe(const rt::TraceEvent& e) override {
    classes.push_back(e.receiverClass);
    lines.push_back(std::string(e.kind == rt::TraceKind::Return ? "return " : "enter ") +
                    std::to_string(e.depth) + " " + sel_getName(e.selector));
  }
};

struct MsgSend : testing::Test {
  static inline int serial = 0;
  std::string suffix = std::to_string(++serial);
  Class target = rt::defineClass<Target>(("MsgTarget" + suffix).c_str(), "NSObject");
  Class sub = objc_allocateClassPair(target, ("MsgTargetSub" + suffix).c_str(), 0);
  Class hooked = objc_allocateClassPair(target, ("MsgTargetHooked" + suffix).c_str(), 0);
  void SetUp() override {
    // Only rect:'s encoding matters: it tells a slot that self and _cmd come after the result's address.
    auto add = [&](const char* name, auto imp, const char* types = nullptr) {
      class_addMethod(target, sel_registerName(name), IMP(imp), types);
      MSHookMessageEx(hooked, sel_registerName(name), IMP(+[] {}), &g_slots[sel_registerName(name)]);
    };
    objc_registerClassPair(sub);
    objc_registerClassPair(hooked);
    add("intPlus:", Target_intPlus);
    add("longTimes:", Target_longTimes);
    add("scaled:by:", Target_scaled);
    add("halved:", Target_halved);
    add("origin:", Target_origin);
    add("pair:", Target_pair);
    add("rect:", Target_rect, rt::typesOf<decltype(&Target_rect)>().c_str());
    add("many:", Target_many);
    add("sum:", Target_sum);
  }
};
using MsgSendDeathTest = MsgSend;

struct SendCase {
  const char* name;
  std::string (*send)(Via via);
  const char* result;     // with the receiver's base 7
  const char* nilResult;  // null: the result memory is left as it was
};

const SendCase kCases[] = {
    {"int", [](Via v) { return text(msgSend<int>(v, "intPlus:"_sel, -10)); }, "-3", "0"},
    {"long", [](Via v) { return text(msgSend<long>(v, "longTimes:"_sel, 1L << 40)); }, "7696581394432", "0"},
    {"double and float", [](Via v) { return text(msgSend<double>(v, "scaled:by:"_sel, 0.5, 3.0f)); }, "10.5", "0"},
    {"float", [](Via v) { return text(msgSend<float>(v, "halved:"_sel, 5.0f)); }, "9.5", "0"},
    {"CGPoint in xmm0:xmm1", [](Via v) { CGPoint p = msgSend<CGPoint>(v, "origin:"_sel, 2.5); return text(p.x, p.y); },
     "7 2.5", "0 0"},
    {"two longs in rax:rdx", [](Via v) { Pair p = msgSend<Pair>(v, "pair:"_sel, -4L); return text(p.first, p.second); },
     "7 -4", "0 0"},
    {"CGRect by _stret",
     [](Via v) { CGRect r = msgSend<CGRect>(v, "rect:"_sel, 1.5); return text(r.origin.x, r.origin.y, r.size.width, r.size.height); },
     "1.5 1.5 98.5 7", nullptr},
    {"stack arguments",
     [](Via v) {
       return text(msgSend<double>(v, "many:"_sel, 1L, 2L, 3L, 4L, 5L, 6L, 7L, 8L, 0.5, 1.5, 2.5, 3.5, 4.5, 5.5, 6.5,
                                   7.5, 8.5, 9.5));
     },
     "35961", "0"},
    {"variadic", [](Via v) { return text(call<double (*)(id, SEL, int, ...)>(v, "sum:"_sel, 3, 0.25, 0.5, 1.0)); },
     "8.75", "0"},
    {"stack arguments from C",
     [](Via v) { return text(lvcSendMany(v.obj, v.superFrom, v.slot ? g_slots.at("many:"_sel) : nullptr, "many:"_sel)); },
     "35961", "0"},
};

// Each case is sent to a Target, through objc_msgSendSuper2 to a Sub, and called through
// the slot of the hooked Target method: first a cache miss, then a hit, then with an
// observer whose trampoline the result passes back through. A traced send reports its
// entry and return, a slot call its frame alone, each for the receiver's class.
TEST_F(MsgSend, ArgumentsAndResultsPassThroughEveryPath) {
  Ref<> obj = rt::create(target), subObj = rt::create(sub);
  for (const SendCase& c : kCases) {
    for (Via via : {Via{obj.get()}, Via{subObj.get(), sub}, Via{obj.get(), nullptr, true}}) {
      for (const char* mode : {"miss", "hit", "traced"}) {
        SCOPED_TRACE(std::string(c.name) + (via.superFrom ? ", super, " : via.slot ? ", slot, " : ", ") + mode);
        TraceLines trace;
        if (std::string(mode) == "traced") rt::setMessageObserver(&trace);
        EXPECT_EQ(c.send(via), c.result);
        rt::setMessageObserver(nullptr);
        EXPECT_EQ(trace.lines.size(), std::string(mode) != "traced" ? 0u : via.slot ? 1u : 2u);
        EXPECT_EQ(trace.classes, std::vector<Class>(trace.lines.size(), object_getClass(via.obj)));
      }
      if (c.nilResult && !via.slot) {
        EXPECT_EQ(c.send(Via{nil, via.superFrom}), c.nilResult) << c.name;
      }
    }
  }
}

TEST_F(MsgSend, NilReceiverLeavesAStructureResultAlone) {
  CGRect rect = CGRectMake(1, 2, 3, 4);
  objc_super super{nil, sub};
  EXPECT_EQ(reinterpret_cast<CGRect* (*)(CGRect*, id, SEL)>(objc_msgSend_stret)(&rect, nil, "rect:"_sel), &rect);
  EXPECT_EQ(reinterpret_cast<CGRect* (*)(CGRect*, objc_super*, SEL)>(objc_msgSendSuper2_stret)(&rect, &super, "rect:"_sel),
            &rect);
  EXPECT_EQ(rect, CGRectMake(1, 2, 3, 4));
}

TEST_F(MsgSend, SuperStartsAboveTheNamedClassAndReplacedMethodsAreSeen) {
  class_addMethod(sub, "intPlus:"_sel, IMP(+[](id, SEL, int) { return -1; }), nullptr);
  Ref<> obj = rt::create(sub);
  EXPECT_EQ(msgSend<int>(Via{obj.get()}, "intPlus:"_sel, 1), -1);
  EXPECT_EQ(msgSend<int>(Via{obj.get(), sub}, "intPlus:"_sel, 1), 8);
  class_replaceMethod(target, "intPlus:"_sel, IMP(+[](id, SEL, int x) { return 100 + x; }), nullptr);
  EXPECT_EQ(msgSend<int>(Via{obj.get(), sub}, "intPlus:"_sel, 1), 101);
  method_setImplementation(class_getInstanceMethod(sub, "intPlus:"_sel), IMP(+[](id, SEL, int) { return -2; }));
  EXPECT_EQ(msgSend<int>(Via{obj.get()}, "intPlus:"_sel, 1), -2);
}

TEST_F(MsgSendDeathTest, UnknownSelectorIsTheSameFatalErrorAsATypedSend) {
  Ref<> obj = rt::create(target);
  const char* dies = "-\\[MsgTarget[0-9]+ nonsense\\]: unrecognized selector sent to instance";
  EXPECT_DEATH(send<void>(obj, "nonsense"_sel), dies);
  EXPECT_DEATH(msgSend<long>(Via{obj.get()}, "nonsense"_sel), dies);
  EXPECT_DEATH(msgSend<CGRect>(Via{obj.get()}, "nonsense"_sel), dies);
  EXPECT_DEATH(msgSend<long>(Via{obj.get(), sub}, "nonsense"_sel), dies);
  EXPECT_DEATH(msgSend<long>(Via{obj.get(), rt::rootClass()}, "nonsense"_sel), dies);  // NSObject has no superclass
  // A lookup that found nothing leaves nothing in the cache for the fast paths to call.
  EXPECT_EQ(rt::lookupSlow(target, "nonsense"_sel), nullptr);
  EXPECT_DEATH(send<void>(obj, "nonsense"_sel), dies);
  EXPECT_DEATH(msgSend<long>(Via{obj.get()}, "nonsense"_sel), dies);
}

long Outer_send(id self, SEL, int x) { return msgSend<int>(Via{self}, "intPlus:"_sel, x) + 1000; }

TEST_F(MsgSend, TracedFramesNestWithTheirDepth) {
  class_addMethod(target, "outer:"_sel, IMP(Outer_send), nullptr);
  Ref<> obj = rt::create(target);
  TraceLines trace;
  rt::setMessageObserver(&trace);
  EXPECT_EQ(msgSend<long>(Via{obj.get()}, "outer:"_sel, 1), 1008);
  CGRect r = msgSend<CGRect>(Via{obj.get()}, "rect:"_sel, 2.0);
  rt::setMessageObserver(nullptr);
  EXPECT_EQ(r, CGRectMake(2, 2, 98, 7));
  EXPECT_EQ(trace.lines, (std::vector<std::string>{"enter 1 outer:", "enter 2 intPlus:", "return 2 intPlus:",
                                                   "return 1 outer:", "enter 1 rect:", "return 1 rect:"}));
}

}  // namespace
