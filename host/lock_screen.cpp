#include "host/lock_screen.h"

#include <cmath>
#include <string>

#include "foundation/run_loop.h"
#include "host/appearance.h"
#include "host/class_helpers.h"
#include "host/cover_sheet_classes.h"
#include "host/generated_artwork.h"
#include "host/globals_snapshot.h"
#include "host/lock_screen_furniture.h"
#include "host/now_playing_info.h"
#include "host/springboard_classes.h"
#include "host/unlock_prompt.h"
#include "host/view_query.h"
#include "host/view_snapshot.h"
#include "mediaremote/now_playing.h"
#include "uikit/feedback_generator.h"
#include "uikit/touch_injector.h"
#include "uikit/view.h"

namespace lv::host {

namespace {

NSInteger verticalSizeClass(SizeClass sizeClass) {
  return sizeClass == SizeClass::Compact ? UIUserInterfaceSizeClassCompact : UIUserInterfaceSizeClassRegular;
}

// nil when the host lacks the class.
SBLockScreenManager* lockScreenManager() {
  Class cls = objc_getClass("SBLockScreenManager");
  return cls ? static_cast<SBLockScreenManager*>(send<id>(cls, "sharedInstance"_sel)) : nullptr;
}

id mediaController() { return send<id>(objc_getClass("SBMediaController"), "sharedInstance"_sel); }

id artworkImage(const Artwork& artwork, const std::string& title) {
  switch (artwork.kind) {
    case Artwork::Kind::Generated: return generatedArtwork(title);
    case Artwork::Kind::None: return nil;
    case Artwork::Kind::File: break;
  }
  id image = send<id>(objc_getClass("UIImage"), "imageWithContentsOfFile:"_sel, fnd::string(artwork.file.string()));
  if (!image) throw SessionError("cannot read the artwork image " + artwork.file.string() + " (missing or not a PNG)");
  return image;
}

// A view made with the traits of the window it is made for, as the device makes the cover
// sheet for the current orientation: its initialisers already see them. It inherits them
// once it is in that window.
Ref<> makeViewWithTraits(const char* name, CGRect frame, NSInteger sizeClass) {
  id view = send<id>(objc_getClass(name), "alloc"_sel);
  uikit::setVerticalSizeClass(view, sizeClass);
  id result = send<id>(view, "initWithFrame:"_sel, frame);
  if (result != view) rt::release(view);
  return Ref<>::adopt(result);
}

}  // namespace

}  // namespace lv::host

std::unique_ptr<lv::host::LockScreen> lv::host::LockScreen::boot(const BootOptions& options, SizeClass sizeClass) {
  std::unique_ptr<LockScreen> screen(new LockScreen(Device::boot(options), sizeClass));
  screen->build(options.freshNowPlayingTreePerPlay);
  return screen;
}

lv::host::LockScreen::LockScreen(std::unique_ptr<Device> device, SizeClass sizeClass)
    : device_(std::move(device)), sizeClass_(sizeClass) {}

lv::host::LockScreen::~LockScreen() {
  if (SBLockScreenManager* manager = lockScreenManager()) manager->answer = nullptr;
}

CGSize lv::host::LockScreen::windowSize(SizeClass sizeClass) const {
  const DeviceProfile& p = device_->profile();
  CGSize portrait{p.nativeSize.width / p.scale, p.nativeSize.height / p.scale};
  return sizeClass == SizeClass::Compact ? CGSize{portrait.height, portrait.width} : portrait;
}

// SpringBoard comes first: it is the shared application. Each driver drains what it
// autoreleases on its way, as a turn of the run loop does.
void lv::host::LockScreen::build(bool freshNowPlayingTreePerPlay) {
  rt::AutoreleasePool pool;
  application_ = rt::create(objc_getClass("SpringBoard"));
  CGRect bounds{{0, 0}, windowSize(sizeClass_)};
  window_ = makeView("UIWindow", bounds);
  uikit::setVerticalSizeClass(window_.get(), verticalSizeClass(sizeClass_));
  fingers_ = std::make_unique<uikit::TouchInjector>(window_.get());

  wallpaper_ = makeView(objc_getClass("SBFStaticWallpaperView") ? "SBFStaticWallpaperView" : "UIView", bounds);
  send<void>(wallpaper_, "setBackgroundColor:"_sel, appearance::color(appearance::kWallpaper));
  send<void>(wallpaper_, "setAutoresizingMask:"_sel, UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight);
  addSubview(window_.get(), wallpaper_.get());

  coverSheet_ = makeViewWithTraits("CSCoverSheetView", bounds, verticalSizeClass(sizeClass_));
  send<void>(coverSheet_, "setAutoresizingMask:"_sel, UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight);
  addSubview(window_.get(), coverSheet_.get());
  uikit::setVerticalSizeClass(coverSheet_.get(), std::nullopt);
  if (auto* list = static_cast<CSCombinedListViewController*>(send<id>(coverSheet_, "listViewController"_sel)))
    list->freshMediaControlsPerPlay = freshNowPlayingTreePerPlay;
  addLockScreenFurniture(window_.get(), device_->profile());
  unlockPrompt_ = std::make_unique<UnlockPrompt>(window_.get());
  if (SBLockScreenManager* manager = lockScreenManager()) manager->answer = [p = unlockPrompt_.get()] { p->answerUnlockRequest(); };

  if (application_ && class_respondsToSelector(object_getClass(application_.get()), "applicationDidFinishLaunching:"_sel))
    send<void>(application_, "applicationDidFinishLaunching:"_sel, application_.get());
  settle();
}

void lv::host::LockScreen::settle() { fnd::RunLoop::main().runFor(0); }

double lv::host::LockScreen::now() const { return fnd::RunLoop::main().now(); }

void lv::host::LockScreen::play(const Track& track) {
  if (!std::isfinite(track.duration) || track.duration < 0)
    throw SessionError("the duration of \"" + track.title + "\" must be a number of seconds, at least 0");
  {
    rt::AutoreleasePool pool;
    id info = makeNowPlayingInfo(track, artworkImage(track.artwork, track.title));
    send<void>(mediaController(), "setNowPlayingInfo:"_sel, info);
  }
  settle();
}

void lv::host::LockScreen::stop() {
  rt::AutoreleasePool pool;
  send<void>(mediaController(), "setNowPlayingInfo:"_sel, nil);
  settle();
}

void lv::host::LockScreen::advance(double seconds) {
  if (!std::isfinite(seconds) || seconds < 0)
    throw SessionError("cannot advance by " + std::to_string(seconds) + " seconds");
  runClock(seconds);
}

void lv::host::LockScreen::setFrameClock(double interval, std::function<void()> onFrame) {
  frames_ = {now(), interval, 1, std::move(onFrame)};
}

void lv::host::LockScreen::runClock(double seconds) {
  fnd::RunLoop& loop = fnd::RunLoop::main();
  // Moments within rounding of the end are taken, so that a frame lands on every advance
  // that is a whole number of frames.
  constexpr double kRounding = 1e-9;
  const double end = loop.now() + seconds;
  bool atEnd = false;  // a frame's turn ran at the end time: the last turn is taken
  while (frames_.onFrame && frames_.start + frames_.next * frames_.interval <= end + kRounding) {
    loop.runFor(std::max(frames_.start + frames_.next++ * frames_.interval - loop.now(), 0.0));
    frames_.onFrame();
    atEnd = loop.now() >= end;
  }
  if (!atEnd) loop.runFor(std::max(end - loop.now(), 0.0));
}

bool lv::host::LockScreen::inWindow(CGPoint point) const { return CGRectContainsPoint(boundsOf(window_.get()), point); }

void lv::host::LockScreen::requireInWindow(CGPoint point) const {
  if (inWindow(point)) return;
  CGSize size = boundsOf(window_.get()).size;
  char text[160];
  std::snprintf(text, sizeof text, "(%g, %g) lies outside the window (%g x %g points)", point.x, point.y,
                size.width, size.height);
  throw SessionError(text);
}

void lv::host::LockScreen::tap(CGPoint point) {
  requireInWindow(point);
  rt::AutoreleasePool pool;
  fingers_->tap(point);
  settle();
}

void lv::host::LockScreen::tap(std::string_view className) { tap(centreInWindow(requireVisibleView(className))); }

void lv::host::LockScreen::drag(CGPoint from, CGPoint to, int steps, bool hold) {
  requireInWindow(from);
  rt::AutoreleasePool pool;
  steps = std::max(steps, 1);
  fingers_->begin(from);
  settle();
  for (int i = 1; i <= steps; ++i) {
    runClock(kFrame);
    double f = double(i) / steps;
    fingers_->move({from.x + (to.x - from.x) * f, from.y + (to.y - from.y) * f});
    settle();
  }
  if (!hold) release();
}

void lv::host::LockScreen::drag(std::string_view className, double from, double to, int steps, bool hold) {
  id view = requireVisibleView(className);
  drag(pointInWindow(view, from, 0.5), pointInWindow(view, to, 0.5), steps, hold);
}

void lv::host::LockScreen::release() {
  if (!fingers_->touching()) return;
  rt::AutoreleasePool pool;
  fingers_->end();
  settle();
}

void lv::host::LockScreen::touchDown(CGPoint point) {
  requireInWindow(point);
  rt::AutoreleasePool pool;
  fingers_->begin(point);
  settle();
}

void lv::host::LockScreen::touchMove(CGPoint point) {
  if (!fingers_->touching()) return;
  rt::AutoreleasePool pool;
  fingers_->move(point);
  settle();
}

void lv::host::LockScreen::wheel(CGPoint point, double dy) {
  rt::AutoreleasePool pool;
  fingers_->scroll(point, {0, dy});
  settle();
}

// The time controls hold the clock; the transport controls' glyph follows them.
void lv::host::LockScreen::setPaused(bool paused) {
  id timeControls = viewIfAny("MRUNowPlayingTimeControlsView");
  if (!timeControls) return;
  rt::AutoreleasePool pool;
  send<void>(timeControls, "setPaused:"_sel, BOOL(paused));
  send<void>(viewIfAny("MRUNowPlayingTransportControlsView"), "setPaused:"_sel, BOOL(this->paused()));
  settle();
}

bool lv::host::LockScreen::paused() const {
  id timeControls = viewIfAny("MRUNowPlayingTimeControlsView");
  return timeControls && send<bool>(timeControls, "isPaused"_sel);
}

void lv::host::LockScreen::setSizeClass(SizeClass sizeClass) {
  if (sizeClass == sizeClass_) return;
  sizeClass_ = sizeClass;
  rt::AutoreleasePool pool;
  uikit::setVerticalSizeClass(window_.get(), verticalSizeClass(sizeClass));
  setFrame(window_.get(), {{0, 0}, windowSize(sizeClass)});
  settle();
}

Class lv::host::LockScreen::requireClass(std::string_view className) const {
  Class cls = objc_getClass(std::string(className).c_str());
  if (!cls) throw SessionError("no class named " + std::string(className));
  return cls;
}

id lv::host::LockScreen::firstView(std::string_view className) const {
  return firstViewOfClass(window_.get(), requireClass(className), false);
}

id lv::host::LockScreen::viewIfAny(const char* className) const {
  return firstViewOfClass(window_.get(), objc_getClass(className), false);
}

id lv::host::LockScreen::firstVisibleView(std::string_view className) const {
  return firstViewOfClass(window_.get(), requireClass(className), true);
}

id lv::host::LockScreen::requireVisibleView(std::string_view className) const {
  id view = firstVisibleView(className);
  if (!view) throw SessionError("no visible " + std::string(className) + " on the lock screen");
  return view;
}

CGPoint lv::host::LockScreen::centreInWindow(id view) const { return pointInWindow(view, 0.5, 0.5); }

const std::vector<uikit::ApplicationLaunch>& lv::host::LockScreen::launches() const { return uikit::applicationLaunches(); }

long lv::host::LockScreen::unlockRequests() const {
  return send<long>(send<id>(objc_getClass("SBLockScreenManager"), "sharedInstance"_sel), "unlockRequests"_sel);
}

long lv::host::LockScreen::haptics() const { return long(uikit::hapticRecord().impacts.size()); }

long lv::host::LockScreen::nowPlayingRequests() const { return mediaremote::nowPlayingRequests(); }

lv::host::LockScreenSnapshot lv::host::LockScreen::snapshot(std::string_view name) const {
  rt::AutoreleasePool pool;
  EventsSnapshot events{{}, unlockRequests(), haptics(), nowPlayingRequests()};
  for (const uikit::ApplicationLaunch& l : launches()) events.launches.push_back(l.identifier);
  ViewIds ids(window_.get());
  std::vector<GlobalSnapshot> globals;
  if (device_->hasLibrary()) globals = snapshotGlobals(library(), ids);
  return {std::string(name), now(), std::move(globals), std::move(events), snapshotView(window_.get(), ids)};
}
