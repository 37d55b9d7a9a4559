#include <gtest/gtest.h>

#include "lock_screen_helpers.h"

namespace {

using testing_support::bootDevice;
using testing_support::member;

void set(id obj, const char* setter, id value) { send<void>(obj, sel_registerName(setter), value); }

TEST(AddedProperties, DeclaredWithTheirAttributesAndAccessorTypes) {
  auto device = bootDevice();
  Class header = objc_getClass("MRUNowPlayingHeaderView");
  Class cover = objc_getClass("CSCoverSheetView");
  EXPECT_STREQ(property_getAttributes(class_getProperty(cover, "lumivaneArtworkBackgroundView")),
               "T@\"UIView\",N,V_lumivaneArtworkBackgroundView");
  EXPECT_STREQ(property_getAttributes(class_getProperty(header, "labelStackView")), "T@\"UIStackView\",&,N");
  EXPECT_STREQ(property_getAttributes(class_getProperty(objc_getClass("MRUNowPlayingTimeControlsView"), "rightTime")),
               "T@\"CBAutoScrollLabel\",&,N");
  EXPECT_STREQ(method_getTypeEncoding(class_getInstanceMethod(header, "titleLabel"_sel)), "@@:");
  EXPECT_STREQ(method_getTypeEncoding(class_getInstanceMethod(header, "setTitleLabel:"_sel)), "v@:@");
  EXPECT_STREQ(method_getTypeEncoding(class_getInstanceMethod(header, "centreFrame"_sel)), "v@:");
}

// Per instance and per property, held strongly until nil replaces it or the instance goes.
TEST(AddedProperties, ValuesArePerInstanceAndPerPropertyAndHeldUntilNilOrTheInstanceGoes) {
  auto device = bootDevice();
  Ref<> title = rt::create(rt::rootClass());
  Ref<> artist = rt::create(rt::rootClass());
  Ref<> b = rt::create("MRUNowPlayingHeaderView");
  {
    Ref<> a = rt::create("MRUNowPlayingHeaderView");
    set(a, "setTitleLabel:", title);
    set(b, "setTitleLabel:", artist);
    set(a, "setArtistLabel:", artist);
    EXPECT_EQ(member(a, "titleLabel"), title.get());
    EXPECT_EQ(member(b, "titleLabel"), artist.get());
    EXPECT_EQ(member(a, "artistLabel"), artist.get());
    EXPECT_EQ(member(b, "artistLabel"), nil);
    set(a, "setTitleLabel:", nil);
    EXPECT_EQ(member(a, "titleLabel"), nil);
    EXPECT_EQ(member(a, "artistLabel"), artist.get()) << "removing one leaves the other";
    EXPECT_EQ(title->refcount, 1u);
    EXPECT_EQ(artist->refcount, 3u);
  }
  EXPECT_EQ(artist->refcount, 2u) << "released with its instance";
}

}  // namespace
