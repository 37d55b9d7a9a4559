// The library's encodings must be the device compiler's to the letter: the runtime compares
// them by shape only, so a wrong offset would pass every other test.
#include <gtest/gtest.h>

#include <objc/NSObjCRuntime.h>

#include <string_view>

#include "bridge/encoding.h"

namespace {

void setScrollSpeed(id, SEL, float) {}
CGRect bounds(id, SEL) { return {}; }
void insert(id, SEL, CGRect, bool, NSInteger) {}
NSUInteger options(id, SEL) { return 0; }
CGSize shadowOffset(id, SEL) { return {}; }
void apply(id, SEL, double, bool) {}

TEST(Encoding, MethodsAndBlocksAreEncodedAsTheDeviceCompilerDoes) {
  struct Case {
    std::string_view got, want;
  } cases[] = {
      {lv::encodingOf<decltype(&setScrollSpeed)>(), "v20@0:8f16"},
      {lv::encodingOf<decltype(&bounds)>(), "{CGRect={CGPoint=dd}{CGSize=dd}}16@0:8"},
      {lv::encodingOf<decltype(&insert)>(), "v60@0:8{CGRect={CGPoint=dd}{CGSize=dd}}16B48q52"},
      {lv::encodingOf<decltype(&options)>(), "Q16@0:8"},
      {lv::encodingOf<decltype(&shadowOffset)>(), "{CGSize=dd}16@0:8"},
      {lv::encodingOf<decltype(&apply)>(), "v28@0:8d16B24"},
      {lv::encodingOf<void (*)(lv::BlockLiteral*)>(), "v8@?0"},
      {lv::encodingOf<void (*)(lv::BlockLiteral*, bool)>(), "v12@?0B8"},
      {lv::encodingOf<void (*)(lv::BlockLiteral*, id)>(), "v16@?0@8"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want);
}

}  // namespace
