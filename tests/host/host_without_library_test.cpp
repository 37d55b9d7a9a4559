// The host on its own: booted without the library, nothing in it is replaced.
#include <gtest/gtest.h>

#include "geometry_printers.h"
#include "host/view_query.h"
#include "library/lock_screen_helpers.h"

namespace {

using namespace testing_support;

std::unique_ptr<lv::host::LockScreen> bootHost(std::string profile = "phone", bool freshTreePerPlay = false) {
  lv::host::BootOptions options;
  options.profile = std::move(profile);
  options.loadLibrary = false;
  options.freshNowPlayingTreePerPlay = freshTreePerPlay;
  return lv::host::LockScreen::boot(options);
}

struct Placed {
  const char* className;
  const char* member;  // nullptr: the view itself
  CGRect windowFrame;
};

struct LayoutCase {
  const char* profile;
  std::vector<Placed> views;
};

class HostLayout : public testing::TestWithParam<LayoutCase> {};

TEST_P(HostLayout, PlatterAndTimeControlsSitWhereTheHostPutsThem) {
  auto screen = bootHost(GetParam().profile);
  screen->play(song());
  for (const Placed& p : GetParam().views) {
    id view = screen->firstView(p.className);
    if (p.member) view = member(view, p.member);
    ASSERT_NE(view, nil) << p.className << " " << (p.member ? p.member : "");
    EXPECT_EQ(send<CGRect>(view, "convertRect:toView:"_sel, send<CGRect>(view, "bounds"_sel), nil), p.windowFrame)
        << p.className << " " << (p.member ? p.member : "");
  }
  EXPECT_EQ(objc_getClass("CBAutoScrollLabel"), nullptr) << "no library class";
  EXPECT_TRUE(screen->device().installationReport().empty());
  EXPECT_TRUE(screen->snapshot("playing").globals.empty());
}

INSTANTIATE_TEST_SUITE_P(Profiles, HostLayout, testing::Values(
    LayoutCase{"phone", {{"CSAdjunctItemView", nullptr, CGRectMake(15.5, 162, 359, 206)},
                         {"MRUArtworkView", nullptr, CGRectMake(31.5, 178, 44, 44)},
                         {"MRUNowPlayingTimeControlsView", nullptr, CGRectMake(31.5, 244, 327, 34)},
                         {"MRUNowPlayingTimeControlsView", "elapsedTimeLabel", CGRectMake(31.5, 262, 60, 14)},
                         {"MRUNowPlayingTimeControlsView", "remainingTimeLabel", CGRectMake(298.5, 262, 60, 14)}}},
    LayoutCase{"tablet", {{"CSAdjunctItemView", nullptr, CGRectMake(185, 162, 440, 206)},
                          {"MRUNowPlayingTimeControlsView", nullptr, CGRectMake(201, 244, 408, 34)}}}),
    [](const auto& info) { return std::string(info.param.profile); });

TEST(HostOnItsOwn, TimeTextsTickEachSecondWhilePlaying) {
  auto screen = bootHost();
  screen->play(song());
  id time = screen->firstView("MRUNowPlayingTimeControlsView");
  const struct {
    double advance;
    const char* elapsed;
    const char* remaining;
  } ticks[] = {{0, "0:00", "-3:35"}, {0.9, "0:00", "-3:35"}, {0.1, "0:01", "-3:34"},
               {59, "1:00", "-2:35"}, {500, "3:35", "-0:00"}};
  for (const auto& t : ticks) {
    screen->advance(t.advance);
    EXPECT_EQ(textOf(member(time, "elapsedTimeLabel")), t.elapsed) << screen->now();
    EXPECT_EQ(textOf(member(time, "remainingTimeLabel")), t.remaining) << screen->now();
  }
}

TEST(HostOnItsOwn, LaunchesAndUnlockRequestsAreRecorded) {
  auto screen = bootHost();
  id application = send<id>(objc_getClass("UIApplication"), "sharedApplication"_sel);
  id lockScreen = send<id>(objc_getClass("SBLockScreenManager"), "sharedInstance"_sel);
  for (const char* app : {"com.example.player", "com.example.other"}) {
    send<bool>(application, "launchApplicationWithIdentifier:suspended:"_sel, fnd::string(app), false);
    send<void>(lockScreen, "lockScreenViewControllerRequestsUnlock"_sel);
  }
  lv::host::EventsSnapshot events = screen->snapshot("after").events;
  EXPECT_EQ(events.launches, (std::vector<std::string>{"com.example.player", "com.example.other"}));
  EXPECT_EQ(events.unlockRequests, 2);
}

// The view a user sees at a point, with its place in the window: the artwork's picture, or
// with the artwork hidden what lies behind it.
TEST(HostOnItsOwn, TheViewAtAPointIsTheFrontmostShownOne) {
  auto screen = bootHost();
  screen->play(song());
  const struct {
    CGPoint point;
    bool hideArtwork;
    const char* className;  // nullptr: none
    const char* path;
  } cases[] = {{{53.5, 200}, false, "UIImageView", "0/1/3/0/0/1/0/0/0/3"},
               {{53.5, 200}, true, "MRUNowPlayingHeaderView", "0/1/3/0/0/1/0/0"},
               {{60, 270}, false, "UILabel", "0/1/3/0/0/1/0/1/3"},
               {{200, 700}, false, "UIScrollView", "0/1/3"},
               {{-1, 200}, false, nullptr, ""},
               {{200, 845}, false, nullptr, ""}};
  for (const auto& c : cases) {
    send<void>(screen->firstView("MRUArtworkView"), "setHidden:"_sel, c.hideArtwork);
    id view = lv::host::viewAtPoint(screen->window(), c.point);
    EXPECT_STREQ(view ? class_getName(object_getClass(view)) : nullptr, c.className) << c.point.x << ", " << c.point.y;
    EXPECT_EQ(lv::host::viewPath(view), c.path) << c.point.x << ", " << c.point.y;
  }
}

class HostNowPlayingTree : public testing::TestWithParam<bool> {};

TEST_P(HostNowPlayingTree, StopAndPlayKeepTheOneTreeUnlessAFreshOneIsAsked) {
  bool fresh = GetParam();
  auto screen = bootHost("phone", fresh);
  screen->play(song("One"));
  Ref<> adjunct = screen->firstView("CSAdjunctItemView");
  Ref<> tree = screen->firstView("MRUNowPlayingView");
  screen->stop();
  EXPECT_EQ(screen->firstView("MRUNowPlayingView"), nil);
  screen->play(song("Two"));
  EXPECT_NE(screen->firstView("CSAdjunctItemView"), adjunct.get()) << "a new platter";
  EXPECT_EQ(screen->firstView("MRUNowPlayingView") == tree.get(), !fresh);
  EXPECT_EQ(textOf(member(screen->firstView("MRUNowPlayingLabelView"), "titleMarqueeView")), "Two");
}

INSTANTIATE_TEST_SUITE_P(TreePerPlay, HostNowPlayingTree, testing::Bool());

}  // namespace
