#include <gtest/gtest.h>

#include <tuple>

#include "support/lock_screen_helpers.h"

namespace {

using testing_support::bootDevice;
using testing_support::member;

void set(id obj, const char* setter, id value) { send<void>(obj, sel_registerName(setter), value); }

TEST(AddedProperties, DeclaredWithTheirAttributesAndHoldingAValuePerInstanceAndProperty) {
  auto device = bootDevice();
  for (auto [cls, name, attributes] :
       {std::tuple{"CSCoverSheetView", "lumivaneArtworkBackgroundView", "T@\"UIView\",N,V_lumivaneArtworkBackgroundView"},
        {"MRUNowPlayingHeaderView", "labelStackView", "T@\"UIStackView\",&,N"},
        {"MRUNowPlayingTimeControlsView", "rightTime", "T@\"CBAutoScrollLabel\",&,N"}})
    EXPECT_STREQ(property_getAttributes(class_getProperty(objc_getClass(cls), name)), attributes) << name;
  for (auto [method, types] : {std::pair{"titleLabel", "@@:"}, {"setTitleLabel:", "v@:@"}, {"centreFrame", "v@:"}})
    EXPECT_STREQ(method_getTypeEncoding(class_getInstanceMethod(objc_getClass("MRUNowPlayingHeaderView"),
                                                                sel_registerName(method))), types) << method;

  // Per instance and per property, held strongly until nil replaces it or the instance goes.
  Ref<> title = rt::create(rt::rootClass());
  Ref<> artist = rt::create(rt::rootClass());
  Ref<> b = rt::create("MRUNowPlayingHeaderView");
  {
    Ref<> a = rt::create("MRUNowPlayingHeaderView");
    set(a.get(), "setTitleLabel:", title.get());
    set(b.get(), "setTitleLabel:", artist.get());
    set(a.get(), "setArtistLabel:", artist.get());
    EXPECT_EQ(member(a.get(), "titleLabel"), title.get());
    EXPECT_EQ(member(b.get(), "titleLabel"), artist.get());
    EXPECT_EQ(member(a.get(), "artistLabel"), artist.get());
    EXPECT_EQ(member(b.get(), "artistLabel"), nil);
    set(a.get(), "setTitleLabel:", nil);
    EXPECT_EQ(member(a.get(), "titleLabel"), nil);
    EXPECT_EQ(member(a.get(), "artistLabel"), artist.get()) << "removing one leaves the other";
    EXPECT_EQ(rt::retainCount(title.get()), 1u);
    EXPECT_EQ(rt::retainCount(artist.get()), 3u);
  }
  EXPECT_EQ(rt::retainCount(artist.get()), 2u) << "released with its instance";
}

}  // namespace
