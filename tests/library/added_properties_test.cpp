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

TEST(AddedProperties, ValuesArePerInstanceAndPerPropertyAndNilReleasesThem) {
  auto device = bootDevice();
  Ref<> a = rt::create("MRUNowPlayingHeaderView");
  Ref<> b = rt::create("MRUNowPlayingHeaderView");
  Ref<> title = rt::create(rt::rootClass());
  Ref<> artist = rt::create(rt::rootClass());
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
}

TEST(AddedProperties, ValuesAreStrongAndDieWithTheirInstance) {
  auto device = bootDevice();
  {
    rt::AutoreleasePool pool;  // the process-wide objects the host's first views bring
    rt::create("MRUNowPlayingTimeControlsView");
  }
  long before = rt::liveObjectCount();
  {
    rt::AutoreleasePool pool;  // what the host's views make on the way
    // Outside the platter's context, where the view makes no time labels of its own.
    id allocated = send<id>(objc_getClass("MRUNowPlayingTimeControlsView"), "alloc"_sel);
    send<void>(allocated, "setContext:"_sel, NSInteger(0));
    Ref<> controls = Ref<>::adopt(send<id>(allocated, "init"_sel));
    set(controls, "setLeftTime:", rt::create(rt::rootClass()));
    set(controls, "setRightTime:", rt::create(rt::rootClass()));
    EXPECT_NE(member(controls, "rightTime"), nil) << "held by the instance alone";
  }
  EXPECT_EQ(rt::liveObjectCount(), before);
}

TEST(AddedProperties, CoverSheetValuesDieWithTheirInstance) {
  auto device = bootDevice();
  rt::AutoreleasePool pool;
  Ref<> value = rt::create(rt::rootClass());
  {
    Ref<> cover = rt::create("CSCoverSheetView");
    set(cover, "setLumivaneArtworkBackgroundView:", value);
    EXPECT_EQ(value->refcount, 2u);
  }
  EXPECT_EQ(value->refcount, 2u) << "the library still holds the last cover sheet";
  Ref<> newer = rt::create("CSCoverSheetView");
  EXPECT_EQ(value->refcount, 1u);
}

}  // namespace
