#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include <objc/message.h>
#include <substrate.h>

#include "foundation/values.h"
#include "quartz/geometry.h"
#include "tools/lvsim/core/traced_values.h"

namespace {

struct Mixed {
  long count;
  double scale;
};
struct Three {
  float x, y, z;
};
LV_STRUCT_ENCODING(Mixed, "Mixed", &Mixed::count, &Mixed::scale)
LV_STRUCT_ENCODING(Three, "Three", &Three::x, &Three::y, &Three::z)

// Every frame as a line: the word for how it opened, then what the trace writes of it.
struct TraceLines : rt::MessageObserver {
  std::vector<std::string> lines;
  lv::sim::TracedValueWriter writer;
  bool traces(IMP) override { return true; }
  void observe(const rt::TraceEvent& e) override {
    std::string line = e.kind == rt::TraceKind::Return ? "return " : e.kind == rt::TraceKind::Slot ? "slot " : "enter ";
    writer.appendFrame(line, e);
    lines.push_back(line);
  }
};

TEST(TracedValues, EachTypeAsTheTraceWritesIt) {
  rt::AutoreleasePool pool;
  const double tenth = 0.1, huge = 1e300;
  const float third = 1.0f / 3;
  const int negative = -12, numbers[10] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  const unsigned long long all = ~0ull;
  const bool yes = true;
  const char *quoted = "say \"hi\"\n\x01", *none = nullptr;
  const SEL sel = "setText:"_sel;
  const Class cls = objc_getClass("NSString");
  const CGRect rect = {{0, -0.5}, {390, 844}};
  const id objects[] = {fnd::boolean(true), fnd::number(7L), fnd::number(0.5), nil, reinterpret_cast<id>(cls),
                        fnd::string(std::string(60, 'a')), fnd::string("\xC3\xA9t\xC3\xA9")};
  const void* pointer = &tenth;
  const uintptr_t small = 16, notAnObject = reinterpret_cast<uintptr_t>(&all);
  const std::pair<rt::TracedValue, const char*> cases[] = {
      {{"d", &tenth}, "0.1"},
      {{"d", &huge}, "1e+300"},
      {{"f", &third}, "0.33333334"},
      {{"i", &negative}, "-12"},
      {{"Q", &all}, "18446744073709551615"},
      {{"B", &yes}, "YES"},
      {{"r*", &quoted}, R"("say \"hi\"\n\x01")"},
      {{"*", &none}, "NULL"},
      {{":", &sel}, "@selector(setText:)"},
      {{"#", &cls}, "NSString"},
      {{"^v", &pointer}, "<pointer>"},
      {{"[10i]", numbers}, "[0, 1, 2, 3, 4, 5, 6, 7, …]"},
      {{"{CGRect={CGPoint=dd}{CGSize=dd}}", &rect}, "{{0, -0.5}, {390, 844}}"},
      {{"@", &objects[0]}, "@YES"},
      {{"@", &objects[1]}, "@7"},
      {{"@", &objects[2]}, "@0.5"},
      {{"@", &objects[3]}, "nil"},
      {{"@", &objects[4]}, "NSString"},
      {{"@\"NSString\"", &objects[5]}, "\"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa…\""},
      {{"@", &objects[6]}, "\"\xC3\xA9t\xC3\xA9\""},
      {{"@?", &objects[1]}, "<block>"},
      {{"@", &small}, "<not an object>"},
      {{"@", &notAnObject}, "<not an object>"},
      {{"#", &notAnObject}, "<not a class>"},
      {{":", &notAnObject}, "<not a selector>"},
      {{"*", &small}, "<unreadable>"},
      {{"D", &tenth}, "?"},
      {{"(Either=id)", &negative}, "?"},
      {{"", &tenth}, "?"},
      {{"d", nullptr}, "?"},
  };
  lv::sim::TracedValueWriter writer;
  for (const auto& [value, written] : cases) {
    std::string line;
    writer.append(line, value);
    EXPECT_EQ(line, written) << value.type;
  }
}

// Objects are numbered per class as the trace meets them; one made where a freed one was
// is another, and a pointer kept to the freed one is no object.
TEST(TracedValues, ObjectsAreNumberedPerClassInTheOrderMet) {
  TraceLines trace;
  rt::setMessageObserver(&trace);
  auto written = [&](id object) {
    std::string line;
    trace.writer.append(line, {"@", &object});
    return line;
  };
  Ref<> first = rt::create("NSObject"), array = rt::create("NSArray");
  EXPECT_EQ(written(first.get()) + written(array.get()) + written(first.get()), "<NSObject #1><NSArray #1><NSObject #1>");
  id freed = first.get();
  first = nullptr;
  EXPECT_EQ(written(freed), "<not an object>");
  Ref<> second = rt::create("NSObject");
  EXPECT_EQ(written(second.get()), "<NSObject #2>");
  rt::setMessageObserver(nullptr);
}

CGRect Probe_moved(id, SEL, CGRect rect, CGPoint by, NSRange range, BOOL flag, float scale) {
  return {{rect.origin.x + by.x, rect.origin.y + by.y}, {rect.size.width * scale, double(range.length + flag)}};
}
NSRange Probe_spilled(id, SEL, long a, long b, long c, long d, NSRange range, double x) {
  return {NSUInteger(a + b + c + d) + range.location, range.length + NSUInteger(x)};
}
Mixed Probe_mixed(id, SEL, Mixed m, Three t) { return {m.count + 1, m.scale + t.z}; }
Three Probe_three(id, SEL, Three t) { return {t.z, t.y, t.x}; }
id Probe_named(id self, SEL, id text, const char* name, Class cls) { return text && name && cls ? self : nil; }

enum class Path { MsgSend, Typed, Slot };
std::map<SEL, IMP> g_slots;

// Sends as device code does (through objc_msgSend, _stret for a large structure), as the
// platform's C++ does (a typed send), or calls what MSHookMessageEx handed back.
template <class R, class... A>
R sendBy(Path path, id obj, SEL sel, A... args) {
  using Fn = R (*)(id, SEL, A...);
  if (path == Path::Typed) return send<R>(obj, sel, args...);
  if (path == Path::Slot) return reinterpret_cast<Fn>(g_slots.at(sel))(obj, sel, args...);
  bool stret = std::is_class_v<R> && sizeof(R) > 16;
  return reinterpret_cast<Fn>(stret ? IMP(objc_msgSend_stret) : IMP(objc_msgSend))(obj, sel, args...);
}

// The arguments and the result are read wherever the calling convention puts them: in
// integer and vector registers, split over both, joined from two registers, on the stack
// after the registers run out, through the address of a result returned in memory.
TEST(TracedValues, ArgumentsAndResultsAreReadWhereverTheCallPutsThem) {
  rt::AutoreleasePool pool;
  Class probe = objc_allocateClassPair(objc_getClass("NSObject"), "TraceProbe", 0);
  Class hooked = objc_allocateClassPair(probe, "TraceProbeHooked", 0);
  objc_registerClassPair(probe);
  objc_registerClassPair(hooked);
  auto add = [&](const char* name, auto imp) {
    class_addMethod(probe, sel_registerName(name), IMP(imp), rt::typesOf<decltype(imp)>().c_str());
    MSHookMessageEx(hooked, sel_registerName(name), IMP(+[] {}), &g_slots[sel_registerName(name)]);
  };
  add("moved:by:range:flag:scale:", Probe_moved);
  add("spilled:b:c:d:range:x:", Probe_spilled);
  add("mixed:three:", Probe_mixed);
  add("three:", Probe_three);
  add("named:name:class:", Probe_named);
  Ref<> obj = rt::create(probe);
  id text = fnd::string("Night Drive");
  const std::pair<std::function<void(Path)>, std::vector<const char*>> cases[] = {
      {[&](Path p) { sendBy<CGRect>(p, obj.get(), "moved:by:range:flag:scale:"_sel, CGRect{{1, 2}, {3, 4}}, CGPoint{0.5, -1},
                                    NSRange{7, 3}, BOOL(YES), 0.25f); },
       {"TraceProbe moved: {{1, 2}, {3, 4}} by: {0.5, -1} range: {7, 3} flag: YES scale: 0.25",
        "TraceProbe moved:by:range:flag:scale: -> {{1.5, 1}, {0.75, 4}}"}},
      {[&](Path p) { sendBy<NSRange>(p, obj.get(), "spilled:b:c:d:range:x:"_sel, 1L, 2L, 3L, 4L, NSRange{5, 6}, 0.1); },
       {"TraceProbe spilled: 1 b: 2 c: 3 d: 4 range: {5, 6} x: 0.1", "TraceProbe spilled:b:c:d:range:x: -> {15, 6}"}},
      {[&](Path p) { sendBy<Mixed>(p, obj.get(), "mixed:three:"_sel, Mixed{-2, 1.5}, Three{1, 2, 3}); },
       {"TraceProbe mixed: {-2, 1.5} three: {1, 2, 3}", "TraceProbe mixed:three: -> {-1, 4.5}"}},
      {[&](Path p) { sendBy<Three>(p, obj.get(), "three:"_sel, Three{1, 2, 3}); },
       {"TraceProbe three: {1, 2, 3}", "TraceProbe three: -> {3, 2, 1}"}},
      {[&](Path p) { sendBy<id>(p, obj.get(), "named:name:class:"_sel, text, "probe", probe); },
       {"TraceProbe named: \"Night Drive\" name: \"probe\" class: TraceProbe", "TraceProbe named:name:class: -> <TraceProbe #1>"}},
  };
  for (const auto& [sent, lines] : cases) {
    for (Path path : {Path::MsgSend, Path::Typed, Path::Slot}) {
      TraceLines trace;
      rt::setMessageObserver(&trace);
      sent(path);
      rt::setMessageObserver(nullptr);
      std::vector<std::string> expected = {std::string("enter ") + lines[0], std::string("return ") + lines[1]};
      if (path == Path::Slot) expected = {std::string("slot ") + lines[0]};
      EXPECT_EQ(trace.lines, expected) << "path " << int(path);
    }
  }
}

}  // namespace
