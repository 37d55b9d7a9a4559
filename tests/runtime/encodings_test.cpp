#include <UIKit/NSText.h>
#include <UIKit/UIView.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/values.h"
#include "quartz/geometry.h"
#include "runtime/runtime.h"

namespace {

struct Cell {
  int counts[3];
  Cell* next;
  const CGPoint* at;
};
LV_STRUCT_ENCODING(Cell, "Cell", &Cell::counts, &Cell::next, &Cell::at)

enum class Wide : long { A };
enum Plain { B };
struct Opaque {};
struct Labelled : objc_object {};

const std::string kRect = "{CGRect={CGPoint=dd}{CGSize=dd}}";

using Pairs = std::vector<std::pair<std::string, std::string>>;

template <class... A>
using Method = void (*)(id, SEL, A...);

TEST(Encodings, OfTypesMethodsAndBlocks) {
  const Pairs cases = {
      {rt::encodingOf<size_t>(), "Q"}, {rt::encodingOf<Wide>(), "q"},
      {rt::encodingOf<Plain>(), "i"}, {rt::encodingOf<const char*>(), "r*"},
      {rt::encodingOf<Labelled*>(), "@"},
      {rt::encodingOf<Ref<Labelled>>(), "@"}, {rt::encodingOf<Opaque*>(), "^v"},
      {rt::encodingOf<unsigned*>(), "^I"}, {rt::encodingOf<const CGPoint*>(), "r^{CGPoint=dd}"},
      {rt::encodingOf<CGPoint**>(), "^^{CGPoint}"}, {rt::encodingOf<NSRange>(), "{_NSRange=QQ}"},
      {rt::encodingOf<Cell*>(), "^{Cell=[3i]^{Cell}^{CGPoint}}"},
      {rt::typesOf<Method<bool>>(), "v20@0:8B16"},
      {rt::typesOf<Method<NSTextAlignment, UIViewAnimationOptions>>(), "v32@0:8q16Q24"},
      {rt::typesOf<Method<char, short>>(), "v24@0:8c16s20"},
      {rt::typesOf<Method<CGRect>>(), "v48@0:8" + kRect + "16"},
      {rt::typesOf<CGRect (*)(id, SEL)>(), kRect + "16@0:8"},
      {rt::typesOf<Method<double, id, Labelled*>>(), "v40@0:8d16@24@32"},
      {rt::typesOf<void()>(), "v8@?0"}, {rt::typesOf<void(bool)>(), "v12@?0B8"},
  };
  for (const auto& [actual, expected] : cases) EXPECT_EQ(actual, expected);
}

TEST(Encodings, ShapesLeaveOutOffsetsQualifiersClassNamesAndBlockMarks) {
  const Pairs shapes = {
      {"v48@0:8" + kRect + "16", "v@:" + kRect}, {"B40@0:8r*16^I24o^@32", "B@:*^I^@"},
      {"v32@0:8@\"UIView\"16@?<v@?B>24", "v@:@@"}, {"{C=[3i]^{C}b3}8@0", "{C=[3i]^{C}b3}@"},
      {"v@:%", "v@:%"},  // not a type: kept as written
  };
  for (const auto& [types, shape] : shapes) EXPECT_EQ(rt::shapeOf(types), shape) << types;
  const Pairs different = {{"v@:d", "v@:f"}, {"[3i]", "[4i]"}, {"b3", "b4"}, {"{CGRect}", kRect},
                           {"^{CGPoint=dd}", "^v"}, {"@", "#"}};
  for (const auto& [a, b] : different) EXPECT_NE(rt::shapeOf(a), rt::shapeOf(b));
  EXPECT_EQ(rt::internSignature("v24@0:8@?16"), rt::signatureOf<Method<id>>());
}

TEST(Encodings, WalkerReadsOneTypeAtATime) {
  std::vector<std::string> seen;
  std::string_view rest = "Vv36@0:8r*16{CGPoint=dd}20[2^{A}]36";
  for (auto t = rt::readType(rest); t; t = rt::readType(rest = t->rest))
    seen.push_back(std::string(t->qualifiers) + "|" + std::string(t->type) + "|" +
                   std::string(t->offset));
  EXPECT_EQ(seen, (std::vector<std::string>{"V|v|36", "|@|0", "|:|8", "r|*|16", "|{CGPoint=dd}|20",
                                            "|[2^{A}]|36"}));
  EXPECT_TRUE(rest.empty());
  for (const char* broken : {"", "r", "{CGPoint=dd", "[2i", "^", "@\"UIView", "b", "%"})
    EXPECT_FALSE(rt::readType(broken)) << broken;
}

double Encoded_scale(id, SEL, double s) { return s; }
void Encoded_setFrame(id, SEL, CGRect) {}

TEST(EncodingsDeathTest, TypedSendsAndAddsMustMatchTheMethod) {
  static int serial = 0;
  std::string name = "Encoded" + std::to_string(++serial);
  Class c = rt::defineClass<objc_object>(name.c_str(), "NSObject");
  rt::addMethod(c, "scale:"_sel, Encoded_scale, "d@:d");
  rt::addMethod(c, "setFrame:"_sel, Encoded_setFrame);
  EXPECT_EQ(method_getTypeEncoding(class_getInstanceMethod(c, "setFrame:"_sel)),
            "v48@0:8" + kRect + "16");
  Ref<> obj = rt::create(c);
  EXPECT_EQ(send<double>(obj, "scale:"_sel, 2.0), 2.0);
  EXPECT_DEATH(send<double>(obj, "scale:"_sel, 2.0f),
               "scale:\\]: signature mismatch: the method is d24@0:8d16, "
               "the call expects d20@0:8f16");
  EXPECT_DEATH(send<void>(obj, "setFrame:"_sel, CGPoint{}),
               "the call expects v32@0:8\\{CGPoint=dd\\}16");
  EXPECT_DEATH(rt::addMethod(c, "other:"_sel, Encoded_scale, "d@:f"),
               "other:\\]: the encoding d@:f does not describe the implementation, "
               "d24@0:8d16");
}

}  // namespace
