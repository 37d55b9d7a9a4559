#include "host/unlock_prompt.h"

#include <string>

#include "foundation/block.h"
#include "foundation/run_loop.h"
#include "foundation/values.h"
#include "host/appearance.h"
#include "host/class_helpers.h"
#include "host/host_geometry.h"
#include "uikit/application.h"
#include "uikit/label.h"
#include "uikit/view_animation.h"

namespace lv::host {

struct UnlockPrompt::State {
  id window;  // not retained: the lock screen holds it
  Ref<> banner, bannerSubtitle, passcode;
  size_t launchesSeen = 0;
  unsigned long generation = 0;
  fnd::RunLoop::TimerId dismissal = 0;
};

namespace {

using namespace geometry;
using State = UnlockPrompt::State;

Ref<> makeOverlay(const char* name, CGRect frame, appearance::Color fill, CGFloat radius) {
  Ref<> view = makeView(objc_getClass(name) ? name : "UIView", frame);
  send<void>(view, "setUserInteractionEnabled:"_sel, BOOL(false));
  appearance::fillRounded(view.get(), fill, radius);
  return view;
}

Ref<> addText(id parent, const char* text, CGFloat size, CGFloat weight, CGRect frame, NSInteger alignment) {
  Ref<> label = appearance::addLabel(parent, size, weight, appearance::color(appearance::kLightText));
  send<void>(label, "setText:"_sel, fnd::string(text));
  send<void>(label, "setTextAlignment:"_sel, alignment);
  setFrame(label.get(), frame);
  return label;
}

Ref<> makeBanner(CGSize window, Ref<>& subtitle) {
  CGRect frame = bannerFrame(window, false);
  Ref<> banner = makeOverlay("SBBannerView", frame, appearance::kOverlayMaterial, kBannerCornerRadius);
  Ref<> icon = makeView("UIView", kBannerIconFrame);
  appearance::fillRounded(icon.get(), appearance::kAppIcon, kBannerIconSize / 4);
  addSubview(banner.get(), icon.get());
  CGFloat w = frame.size.width;
  addText(banner.get(), "Opening", 15, UIFontWeightSemibold, bannerTitleFrame(w), NSTextAlignmentLeft);
  subtitle = addText(banner.get(), "", 13, UIFontWeightRegular, bannerSubtitleFrame(w), NSTextAlignmentLeft);
  return banner;
}

Ref<> makePasscode(CGSize window) {
  CGRect frame = passcodeFrame(window, false);
  Ref<> prompt = makeOverlay("SBUIPasscodeLockView", frame, appearance::kOverlayMaterial, kPasscodeCornerRadius);
  CGFloat w = frame.size.width;
  addText(prompt.get(), "Enter Passcode", 17, UIFontWeightSemibold, passcodeTitleFrame(w), NSTextAlignmentCenter);
  for (int i = 0; i < 6; ++i) {
    Ref<> dot = makeView("UIView", passcodeDotFrame(w, i));
    appearance::fillRounded(dot.get(), appearance::kUnplayedTrack, kPasscodeDotSize / 2);
    addSubview(prompt.get(), dot.get());
  }
  for (int digit = 0; digit <= 9; ++digit) {
    std::string text = std::to_string(digit);
    Ref<> key = addText(prompt.get(), text.c_str(), 28, UIFontWeightRegular, passcodeKeyFrame(w, digit), NSTextAlignmentCenter);
    appearance::fillRounded(key.get(), appearance::kControlFill, kPasscodeKeySize / 2);
  }
  return prompt;
}

// Moves the views to where they rest shown or hidden; `done` runs when they arrive.
void slide(const State& s, bool shown, std::function<void(bool)> done = {}) {
  CGSize window = boundsOf(s.window).size;
  id banner = s.banner.get(), passcode = s.passcode.get();
  send<void>(objc_getClass("UIView"), "animateWithDuration:delay:options:animations:completion:"_sel,
             UnlockPrompt::kSlideSeconds, 0.0, UIViewAnimationOptionCurveEaseOut,
             fnd::block<void()>([=] {
               if (banner) setFrame(banner, bannerFrame(window, shown));
               setFrame(passcode, passcodeFrame(window, shown));
             }),
             fnd::block<void(bool)>(std::move(done)));
}

// Slides the views away and takes them out of the window, unless a later request keeps them.
void dismiss(const std::shared_ptr<State>& s) {
  unsigned long generation = s->generation;
  std::weak_ptr<State> weak = s;
  slide(*s, false, [weak, generation](bool) {
    std::shared_ptr<State> s = weak.lock();
    if (!s || s->generation != generation) return;
    for (Ref<>* view : {&s->banner, &s->passcode})
      if (*view) send<void>(view->get(), "removeFromSuperview"_sel);
    s->banner = nil;
    s->bannerSubtitle = nil;
    s->passcode = nil;
  });
}

}  // namespace

}  // namespace lv::host

lv::host::UnlockPrompt::UnlockPrompt(id window) : state_(std::make_shared<State>()) {
  state_->window = window;
  state_->launchesSeen = uikit::applicationLaunches().size();
}

lv::host::UnlockPrompt::~UnlockPrompt() { fnd::RunLoop::main().cancel(state_->dismissal); }

void lv::host::UnlockPrompt::answerUnlockRequest() {
  rt::AutoreleasePool pool;
  State& s = *state_;
  CGSize window = boundsOf(s.window).size;
  const auto& launches = uikit::applicationLaunches();
  bool opening = launches.size() > s.launchesSeen;
  s.launchesSeen = launches.size();
  if (!s.passcode) {
    s.passcode = makePasscode(window);
    addSubview(s.window, s.passcode.get());
  }
  if (opening && !s.banner) {  // over the prompt, where a turned phone's prompt reaches the top
    s.banner = makeBanner(window, s.bannerSubtitle);
    addSubview(s.window, s.banner.get());
  }
  if (opening) send<void>(s.bannerSubtitle, "setText:"_sel, fnd::string(launches.back().identifier));
  ++s.generation;
  slide(s, true);
  fnd::RunLoop::main().cancel(s.dismissal);
  std::weak_ptr<State> weak = state_;
  s.dismissal = fnd::RunLoop::main().schedule(kSeconds, [weak] {
    if (std::shared_ptr<State> s = weak.lock()) dismiss(s);
  });
}

void lv::host::registerSBBannerView() { rt::defineClass<UIView>("SBBannerView", "UIView"); }

void lv::host::registerSBUIPasscodeLockView() { rt::defineClass<UIView>("SBUIPasscodeLockView", "UIView"); }
