#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "foundation/block.h"
#include "foundation/notification_center.h"
#include "foundation/run_loop.h"
#include "foundation/values.h"
#include "marquee/auto_scroll_label.h"
#include "uikit/application_notifications.h"
#include "uikit/text_measurer.h"
#include "uikit/view_animation.h"

namespace {

// Every character of a 20-point font is exactly 10 points wide.
constexpr double kFontSize = 20;

class Marquee : public ::testing::Test {
 protected:
  void SetUp() override {
    lv::marquee::registerAutoScrollLabelClass();
    uikit::setTextMeasurer(std::make_unique<uikit::FixedAdvanceMeasurer>(0.5, 1.25, 1.0));
    makeLabel(window_.get());
  }
  void makeLabel(id window = nil) {
    label_ = rt::create(objc_getClass("CBAutoScrollLabel"));
    send<void>(window, "addSubview:"_sel, label_.get());
    send<void>(label_, "setFont:"_sel, font());
    send<void>(label_, "setFrame:"_sel, CGRectMake(0, 0, 200, 30));
  }
  // What a test lets go of is gone before the next one counts objects.
  void TearDown() override {
    window_ = nullptr;
    label_ = nullptr;
    run(0);
    uikit::setTextMeasurer(nullptr);
  }

  static id font() { return send<id>(objc_getClass("UIFont"), "systemFontOfSize:"_sel, kFontSize); }
  static std::string chars(int count) { return std::string(size_t(count), 'x'); }
  void setText(int count) { send<void>(label_, "setText:"_sel, fnd::string(chars(count))); }

  id scrollView() { return send<id>(label_, "scrollView"_sel); }
  double offset() { return uikit::presentationContentOffset(scrollView()).x; }
  double modelOffset() { return send<CGPoint>(scrollView(), "contentOffset"_sel).x; }
  std::vector<Ref<>> copies() { return fnd::arrayItems(send<id>(label_, "labels"_sel)); }
  id mainCopy() { return send<id>(label_, "mainLabel"_sel); }
  id mask() { return send<id>(send<id>(label_, "layer"_sel), "mask"_sel); }
  bool scrolling() { return send<bool>(label_, "scrolling"_sel); }

  std::vector<double> maskLocations() {
    std::vector<double> out;
    if (!mask()) return out;
    for (const Ref<>& n : fnd::arrayItems(send<id>(mask(), "locations"_sel))) out.push_back(send<double>(n, "doubleValue"_sel));
    return out;
  }

  void run(double seconds) { fnd::RunLoop::main().runFor(seconds); }
  static void post(id name) {
    id center = send<id>(objc_getClass("NSNotificationCenter"), "defaultCenter"_sel);
    send<void>(center, "postNotificationName:object:"_sel, name, nil);
  }

  rt::AutoreleasePool pool_;
  Ref<> window_ = rt::create(objc_getClass("UIWindow"), "initWithFrame:"_sel, CGRectMake(0, 0, 400, 100));
  Ref<> label_;
};

void expectLocations(const std::vector<double>& got, std::vector<double> want) {
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) EXPECT_NEAR(got[i], want[i], 1e-9) << "location " << i;
}

TEST_F(Marquee, TextThatFitsStandsStillAlignedWithoutMask) {
  send<void>(label_, "setTextAlignment:"_sel, NSInteger(1));
  for (int count : {12, 20}) {  // narrower than, and exactly as wide as, the view
    setText(count);
    EXPECT_EQ(send<CGRect>(mainCopy(), "frame"_sel), CGRectMake(0, 0, 200, 30));
    EXPECT_EQ(send<NSInteger>(mainCopy(), "textAlignment"_sel), 1);
    for (const Ref<>& copy : copies()) EXPECT_EQ(send<bool>(copy, "isHidden"_sel), copy != mainCopy());
    EXPECT_EQ(mask(), nil);
    run(20);
    EXPECT_EQ(offset(), 0);
    EXPECT_FALSE(scrolling());
  }
}

TEST_F(Marquee, WorkedExampleRestsThenMovesOneCopyAndTheGap) {
  setText(30);  // 300 points in a 200-point view
  std::vector<double> xs;
  for (const Ref<>& copy : copies()) xs.push_back(send<CGRect>(copy, "frame"_sel).origin.x);
  EXPECT_EQ(send<CGRect>(mainCopy(), "frame"_sel).origin.x, 0);
  EXPECT_TRUE((xs == std::vector<double>{0, 320}) || (xs == std::vector<double>{320, 0}));
  EXPECT_EQ(send<CGSize>(scrollView(), "contentSize"_sel), CGSizeMake(520, 30));
  EXPECT_EQ(modelOffset(), 320);  // the model holds the end of the move at once
  // No width of its own; the copies' height.
  EXPECT_EQ(send<CGSize>(label_, "intrinsicContentSize"_sel), CGSizeMake(0, 25));

  expectLocations(maskLocations(), {0, 0, 0.965, 1});  // resting: only the right edge fades
  run(1.4);
  EXPECT_EQ(offset(), 0);
  EXPECT_FALSE(scrolling());
  run(0.1);
  EXPECT_TRUE(scrolling());
  expectLocations(maskLocations(), {0, 0.035, 0.965, 1});
  run(5);
  EXPECT_NEAR(offset(), 160, 1e-6);  // linear: half-way after half of 10 s
  run(5);
  // The move has ended: the next run has snapped back and rests again.
  EXPECT_FALSE(scrolling());
  EXPECT_EQ(offset(), 0);
  expectLocations(maskLocations(), {0, 0, 0.965, 1});
  run(1.5 + 2.5);
  EXPECT_NEAR(offset(), 80, 1e-6);
}

TEST_F(Marquee, UnchangedValuesRestartNothing) {
  setText(30);
  run(1.5 + 2);
  double before = offset();
  EXPECT_GT(before, 0);
  setText(30);  // same characters
  send<void>(label_, "setAttributedText:"_sel, fnd::attributedString(fnd::string(chars(30)), nil));
  send<void>(label_, "setFont:"_sel, send<id>(label_, "font"_sel));
  run(1);
  EXPECT_NEAR(offset(), before + 32, 1e-6);
}

// An equal font in another object is applied, as is a new speed: the move is cut short and
// the run starts over after a full pause (320 points at 30 or 60 points a second).
TEST_F(Marquee, AnotherFontObjectOrANewSpeedRestartsTheRunAfterAFullPause) {
  for (float speed : {30.0f, 60.0f}) {
    makeLabel(window_.get());
    setText(30);
    run(1.5 + 4);
    EXPECT_GT(offset(), 0);
    if (speed == 30) send<void>(label_, "setFont:"_sel, font());
    else send<void>(label_, "setScrollSpeed:"_sel, speed);
    EXPECT_EQ(offset(), 0);
    run(1.4);
    EXPECT_EQ(offset(), 0);
    run(0.1 + 150 / speed);
    EXPECT_NEAR(offset(), 160, 1e-6) << speed;
  }
}

// The second text is set inside another animation, as when the header places a label in
// an animated frame change: the run keeps its own rest, duration and curve all the same.
TEST_F(Marquee, RightwardRestsAtTheSecondCopyAndMovesBackEvenInsideAnotherAnimation) {
  struct Case { NSInteger direction; int count; std::vector<double> resting; };  // fades at rest
  for (const Case& c : {Case{0, 30, {0, 0, 1, 1}}, Case{2, 31, {0, 0.035, 0.965, 1}}}) {
    send<void>(label_, "setScrollDirection:"_sel, c.direction);
    auto setTheText = [&] { setText(c.count); };
    if (c.direction == 0) setTheText();
    else send<void>(objc_getClass("UIView"), "animateWithDuration:animations:"_sel, 0.3, fnd::block<void()>(setTheText));
    double travel = c.count * 10 + 20;
    EXPECT_EQ(modelOffset(), 0);
    EXPECT_EQ(offset(), travel);
    expectLocations(maskLocations(), c.resting);
    run(1.5 + c.count * 10 / 30.0 / 4);  // a quarter of the move of duration W / speed, linearly
    EXPECT_NEAR(offset(), travel * 3 / 4, 1e-6);
  }
}

TEST_F(Marquee, EmptyOrNilTextNeverMoves) {
  setText(30);
  for (id text : {id(nil), fnd::string("")}) {
    send<void>(label_, "setText:"_sel, text);
    send<void>(label_, "setFrame:"_sel, CGRectMake(0, 0, 150, 30));
    send<void>(label_, "scrollLabelIfNeeded"_sel);
    run(30);
    EXPECT_EQ(offset(), 0);
    EXPECT_EQ(mask(), nil);
  }
}

TEST_F(Marquee, ZeroOrInvalidSpeedRestsWhileThePauseTimerRuns) {
  for (float speed : {0.0f, -30.0f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
    makeLabel();
    send<void>(label_, "setPauseInterval:"_sel, 300.0);
    send<void>(label_, "setScrollSpeed:"_sel, speed);
    setText(30);
    EXPECT_EQ(modelOffset(), 0);
    run(299);
    EXPECT_FALSE(scrolling());
    run(1);
    EXPECT_TRUE(scrolling());  // enableShadow still fires after the pause
    expectLocations(maskLocations(), {0, 0.035, 0.965, 1});
    run(600);
    EXPECT_EQ(offset(), 0);
  }
}

TEST_F(Marquee, FadeLengthChangesTheMaskAtOnceAndTwoFadesNeverCross) {
  // Where the mask's stops stand at rest and moving; none: no mask.
  const struct { double length; std::vector<double> resting, moving; } cases[] = {{0, {}, {}},
                        {-5, {}, {}},
                        {std::numeric_limits<double>::quiet_NaN(), {}, {}},
                        {150, {0, 0, 0.25, 1}, {0, 0.5, 0.5, 1}},
                        {300, {0, 0, 0, 1}, {0, 0.5, 0.5, 1}}};
  setText(30);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.length);
    send<void>(label_, "setFadeLength:"_sel, c.length);
    EXPECT_GE(send<double>(label_, "fadeLength"_sel), 0);
    expectLocations(maskLocations(), c.resting);
    send<void>(label_, "enableShadow"_sel);
    expectLocations(maskLocations(), c.moving);
  }
}

// A label let go while it moves is freed once nothing else holds it: its move's blocks
// and timers let it go when a fitting text ends the move, when it leaves its window, or,
// in no window, when the move ends. (40 characters move for 400 / 30 s after the pause.)
TEST_F(Marquee, ReleasedLabelLeavesNoTimerOrObserverBehind) {
  send<id>(objc_getClass("NSNotificationCenter"), "defaultCenter"_sel);  // made once, before the count
  enum LetGo { kTextFits, kLeavesTheWindow, kInNoWindow };
  for (LetGo how : {kTextFits, kLeavesTheWindow, kInNoWindow}) {
    SCOPED_TRACE(how);
    long before = rt::liveObjectCount();
    {
      rt::AutoreleasePool inner;
      Ref<> other = rt::create(objc_getClass("CBAutoScrollLabel"));
      if (how == kLeavesTheWindow) send<void>(window_, "addSubview:"_sel, other.get());
      send<void>(other, "setFrame:"_sel, CGRectMake(0, 0, 50, 20));
      send<void>(other, "setText:"_sel, fnd::string(chars(40)));
      send<void>(other, "observeApplicationNotifications"_sel);
      send<void>(other, "onUIApplicationDidChangeStatusBarOrientationNotification:"_sel, nil);
      run(2);
      if (how == kTextFits) send<void>(other, "setText:"_sel, fnd::string("x"));
      if (how == kLeavesTheWindow) send<void>(other, "removeFromSuperview"_sel);
    }
    run(how == kInNoWindow ? 14 : 0);
    EXPECT_EQ(rt::liveObjectCount(), before);
  }
  post(UIApplicationDidBecomeActiveNotification);
  post(UIApplicationWillEnterForegroundNotification);
  run(60);
}

TEST_F(Marquee, ObservingTwiceReplacesTheRegistrations) {
  id center = send<id>(objc_getClass("NSNotificationCenter"), "defaultCenter"_sel);
  size_t before = fnd::observationCount(center);
  send<void>(label_, "observeApplicationNotifications"_sel);
  size_t once = fnd::observationCount(center);
  EXPECT_GT(once, before);
  send<void>(label_, "observeApplicationNotifications"_sel);
  EXPECT_EQ(fnd::observationCount(center), once);
}

}  // namespace

// Each property reads back what was set, whether the label keeps it or its copies do; a label
// from a coder is set up as one from a frame.
TEST_F(Marquee, PropertiesReadBackWhatWasSet) {
  id white = send<id>(objc_getClass("UIColor"), "whiteColor"_sel);
  for (const char* color : {"TextColor", "ShadowColor"}) {
    send<void>(label_, sel_registerName((std::string("set") + color + ":").c_str()), white);
    std::string getter = color;
    getter[0] = char(std::tolower(getter[0]));
    EXPECT_EQ(send<id>(label_, sel_registerName(getter.c_str())), white) << color;
  }
  send<void>(label_, "setTextAlignment:"_sel, NSInteger(1));
  send<void>(label_, "setScrollSpeed:"_sel, 45.0f);
  send<void>(label_, "setScrollDirection:"_sel, NSInteger(1));
  send<void>(label_, "setPauseInterval:"_sel, 2.5);
  send<void>(label_, "setLabelSpacing:"_sel, NSInteger(12));
  send<void>(label_, "setAnimationOptions:"_sel, NSUInteger(3) << 16);
  EXPECT_EQ(send<NSInteger>(label_, "textAlignment"_sel), 1);
  EXPECT_EQ(send<float>(label_, "scrollSpeed"_sel), 45.0f);
  EXPECT_EQ(send<NSInteger>(label_, "scrollDirection"_sel), 1);
  EXPECT_EQ(send<double>(label_, "pauseInterval"_sel), 2.5);
  EXPECT_EQ(send<NSInteger>(label_, "labelSpacing"_sel), 12);
  EXPECT_EQ(send<NSUInteger>(label_, "animationOptions"_sel), NSUInteger(3) << 16);
  Ref<> coded = rt::create(objc_getClass("CBAutoScrollLabel"), "initWithCoder:"_sel, nil);
  EXPECT_NE(send<id>(coded, "scrollView"_sel), nil);
}
