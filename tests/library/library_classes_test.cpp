#include <gtest/gtest.h>

#include "boot_helpers.h"
#include "foundation/values.h"

namespace {

// The library's own classes exist once it is loaded, whatever the settings say.
TEST(LibraryClasses, MarqueeLabelAndHexColoursArriveWithTheLibrary) {
  EXPECT_EQ(objc_getClass("CBAutoScrollLabel"), nullptr);
  auto device = testing_support::bootWith({});
  Class label = objc_getClass("CBAutoScrollLabel");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(class_getSuperclass(label), objc_getClass("UIView"));
  rt::AutoreleasePool pool;
  Ref<> instance = rt::create(label);
  EXPECT_EQ(send<float>(instance, "scrollSpeed"_sel), 30.0f);
  EXPECT_NE(send<id>(objc_getClass("UIColor"), "pf_colorWithHexString:"_sel, fnd::string("#FF8000")), nil);
}

}  // namespace
