// The host on its own: booted without the library, nothing in it is replaced.
#include <gtest/gtest.h>

#include <cmath>

#include "host/generated_artwork.h"
#include "host/time_controls.h"
#include "host/view_query.h"
#include "support/geometry_printers.h"
#include "support/lock_screen_helpers.h"
#include "uikit/image.h"

namespace {

using namespace testing_support;

std::unique_ptr<lv::host::LockScreen> bootHost(Setup setup = {}) {
  setup.loadLibrary = false;
  return bootLockScreen(setup);
}

std::string elapsedText(id time) { return textOf(member(time, "elapsedTimeLabel")); }
double factorOf(id time) { return send<double>(time, "elapsedTimeFactor"_sel); }
bool tracking(id time) { return send<bool>(time, "isTracking"_sel); }

struct Placed {
  const char* className;
  const char* member;  // nullptr: the view itself
  CGRect windowFrame;
};

struct LayoutCase {
  const char* profile;
  CGRect window;
  std::vector<Placed> views;
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.profile; }

class HostLayout : public testing::TestWithParam<LayoutCase> {};

// Playing builds the platter with the track's artwork; a new track replaces its contents.
TEST_P(HostLayout, PlayingBuildsThePlatterWhereTheHostPutsItAndANewTrackReplacesItsContents) {
  auto screen = bootHost({.profile = GetParam().profile});
  EXPECT_EQ(frameOf(screen->window()), GetParam().window);
  screen->play(song("First Song"));
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
  id adjunct = screen->firstView("CSAdjunctItemView");
  EXPECT_EQ(frameOf(member(member(adjunct, "platterView"), "backgroundView")),
            CGRectMake(0, 0, frameOf(adjunct).size.width, 206));
  id artwork = screen->firstView("MRUArtworkView");
  EXPECT_FALSE(hiddenOf(member(artwork, "artworkImageView")));
  EXPECT_TRUE(hiddenOf(member(artwork, "placeholderBackground")));
  auto* image = static_cast<UIImage*>(member(artwork, "artworkImage"));
  ASSERT_TRUE(image && image->rgba);
  rt::AutoreleasePool pool;
  EXPECT_EQ(*static_cast<UIImage*>(lv::host::generatedArtwork("First Song"))->rgba, *image->rgba);
  EXPECT_NE(*static_cast<UIImage*>(lv::host::generatedArtwork("Another"))->rgba, *image->rgba);
  screen->tap("MRUArtworkView");
  screen->tap("MRUNowPlayingLabelView");
  EXPECT_TRUE(screen->launches().empty()) << "taps open nothing without the library";
  EXPECT_EQ(screen->unlockRequests() + screen->haptics(), 0);

  screen->advance(10);
  screen->play({"Two", "", "", 60, lv::host::Artwork::none()});
  EXPECT_EQ(screen->firstView("CSAdjunctItemView"), adjunct);
  EXPECT_EQ(member(screen->firstView("MRUNowPlayingLabelView"), "subtitle"), nil);
  EXPECT_TRUE(hiddenOf(member(artwork, "artworkImageView")));
  EXPECT_FALSE(hiddenOf(member(artwork, "placeholderBackground")));
}

INSTANTIATE_TEST_SUITE_P(Profiles, HostLayout, testing::Values(
    LayoutCase{"phone", CGRectMake(0, 0, 390, 844),
               {{"CSAdjunctItemView", nullptr, CGRectMake(15.5, 162, 359, 206)},
                {"MRUArtworkView", nullptr, CGRectMake(31.5, 178, 44, 44)},
                {"MRUNowPlayingTimeControlsView", nullptr, CGRectMake(31.5, 244, 327, 34)},
                {"MRUNowPlayingTimeControlsView", "elapsedTimeLabel", CGRectMake(31.5, 262, 60, 14)},
                {"MRUNowPlayingTimeControlsView", "remainingTimeLabel", CGRectMake(298.5, 262, 60, 14)}}},
    LayoutCase{"small-phone", CGRectMake(0, 0, 375, 667), {{"CSAdjunctItemView", nullptr, CGRectMake(15.5, 162, 344, 206)}}},
    LayoutCase{"tablet", CGRectMake(0, 0, 810, 1080),
               {{"CSAdjunctItemView", nullptr, CGRectMake(185, 162, 440, 206)},
                {"MRUNowPlayingTimeControlsView", nullptr, CGRectMake(201, 244, 408, 34)}}}),
    [](const auto& info) {
      std::string name = info.param.profile;
      std::erase(name, '-');
      return name;
    });

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

// Bad input is refused before anything is done; times past the end or unknown read as
// none. Then drags and taps scrub, pausing holds the time and stop takes the platter away.
TEST(HostOnItsOwn, DragsAndTapsScrubPausingHoldsTheTimeAndStopTakesThePlatterAway) {
  EXPECT_EQ(lv::host::remainingTimeText(-2), "-0:00");
  EXPECT_EQ(lv::host::elapsedTimeText(std::nan("")), "0:00");
  auto screen = bootHost();
  EXPECT_THROW(screen->advance(-1), lv::host::SessionError);
  EXPECT_THROW(screen->advance(std::nan("")), lv::host::SessionError);
  EXPECT_THROW(screen->play({"Bad", "", "", -5, lv::host::Artwork::none()}), lv::host::SessionError);
  EXPECT_THROW(screen->play(song("X", lv::host::Artwork::fromFile("/no/such/art.png"))), lv::host::SessionError);
  EXPECT_THROW(screen->drag("MRUNowPlayingTimeControlsView", 0, 1), lv::host::SessionError) << "nothing plays";
  EXPECT_EQ(screen->firstView("CSAdjunctItemView"), nil);
  screen->setPaused(true);
  EXPECT_FALSE(screen->paused()) << "nothing plays";
  screen->play(song());
  Ref<> adjunct = Ref<>::retain(screen->firstView("CSAdjunctItemView"));
  id time = screen->firstView("MRUNowPlayingTimeControlsView");
  screen->drag("MRUNowPlayingTimeControlsView", 0.2, 0.7, 5, true);
  EXPECT_NEAR(screen->now(), 5 * lv::host::LockScreen::kFrame, 1e-9) << "a frame per step, and nothing ran before";
  EXPECT_TRUE(tracking(time));
  EXPECT_EQ(elapsedText(time), "2:30");
  screen->advance(3);
  EXPECT_DOUBLE_EQ(factorOf(time), 0.7) << "the finger holds it";
  screen->release();
  EXPECT_FALSE(tracking(time));
  screen->advance(1);
  EXPECT_EQ(elapsedText(time), "2:31");
  EXPECT_DOUBLE_EQ(frameOf(member(time, "elapsedTrack")).size.width, 327 * factorOf(time)) << "bars follow";

  screen->setPaused(true);
  screen->advance(5);
  EXPECT_EQ(elapsedText(time), "2:31");
  screen->tap(screen->centreInWindow(time));
  screen->advance(5);
  EXPECT_EQ(elapsedText(time), "1:47") << "a seek while paused stays put";
  screen->setPaused(false);
  screen->advance(2);
  EXPECT_EQ(elapsedText(time), "1:49");
  screen->setPaused(true);
  screen->play(song("Next"));
  EXPECT_FALSE(screen->paused()) << "a new track plays";

  CGPoint start = screen->centreInWindow(time);
  screen->touchMove(start);
  screen->touchDown(start);
  screen->touchMove({start.x + frameOf(time).size.width * 0.25, start.y});
  EXPECT_TRUE(tracking(time));
  EXPECT_DOUBLE_EQ(factorOf(time), 0.75);
  screen->release();
  screen->advance(300);
  EXPECT_TRUE(fnd::RunLoop::main().idle()) << "no clock left running at the end";

  screen->play(song());
  screen->stop();
  EXPECT_EQ(member(adjunct.get(), "superview"), nil);
  EXPECT_FALSE(send<bool>(time, "isPlaying"_sel));
  EXPECT_TRUE(fnd::RunLoop::main().idle());
}

TEST(HostOnItsOwn, CompactTurnsThePhoneToLandscape) {
  auto screen = bootHost();
  screen->play(song());
  screen->setSizeClass(lv::host::SizeClass::Compact);
  id controls = screen->firstView("MRUNowPlayingControlsView");
  EXPECT_EQ(frameOf(screen->firstView("CSAdjunctItemView")), CGRectMake(202, 0, 440, 206));
  id list = member(member(screen->coverSheet(), "listViewController"), "view");
  screen->drag({100, 340}, {100, 40});
  EXPECT_EQ(send<CGPoint>(list, "contentOffset"_sel).y, 12) << "as far as the 206-point platter goes";
  screen->setSizeClass(lv::host::SizeClass::Regular);
  EXPECT_EQ(frameOf(controls).size.width, 359);
  EXPECT_EQ(send<CGPoint>(list, "contentOffset"_sel).y, 0) << "the platter fits the list again";
}

class HostNowPlayingTree : public testing::TestWithParam<bool> {};

TEST_P(HostNowPlayingTree, StopAndPlayKeepTheOneTreeUnlessAFreshOneIsAsked) {
  bool fresh = GetParam();
  auto screen = bootHost({.freshNowPlayingTreePerPlay = fresh});
  screen->play(song("One"));
  Ref<> adjunct = Ref<>::retain(screen->firstView("CSAdjunctItemView"));
  Ref<> tree = Ref<>::retain(screen->firstView("MRUNowPlayingView"));
  screen->stop();
  EXPECT_EQ(screen->firstView("MRUNowPlayingView"), nil);
  screen->play(song("Two"));
  EXPECT_NE(screen->firstView("CSAdjunctItemView"), adjunct.get()) << "a new platter";
  EXPECT_EQ(screen->firstView("MRUNowPlayingView") == tree.get(), !fresh);
  EXPECT_EQ(textOf(member(screen->firstView("MRUNowPlayingLabelView"), "titleMarqueeView")), "Two");
}

INSTANTIATE_TEST_SUITE_P(TreePerPlay, HostNowPlayingTree, testing::Bool());

}  // namespace
