#include "tools/lvsim/core/live_session.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "host/view_query.h"
#include "render/hasher.h"
#include "render/text_layout.h"
#include "tools/lvsim/core/built_in_tracks.h"
#include "tools/lvsim/core/host_looks.h"
#include "tools/lvsim/core/live_status.h"

namespace lv::sim {

namespace {

constexpr double kMenuTextPoints = 14;
constexpr double kMenuWidth = 280;
constexpr double kPointsPerNotch = 40;

// How many menu lines the number keys reach.
constexpr size_t kNumberedSettings = 9;

}  // namespace

}  // namespace lv::sim

lv::sim::LiveSession::LiveSession(const lv::host::BootOptions& boot) : screen_(lv::host::LockScreen::boot(boot)) {
  lv::sim::addHostLooks(renderer_.rules());
  playTrack(0);
  addRegisteredSettings();
}

// Keys met since the menu last looked; those it holds keep their toggles.
void lv::sim::LiveSession::addRegisteredSettings() {
  for (const prefs::RegisteredKey& r : prefs::registeredKeys()) {
    auto same = [&](const prefs::RegisteredKey& m) { return m.identifier == r.identifier && m.key == r.key; };
    if (std::none_of(menuSettings_.begin(), menuSettings_.end(), same)) menuSettings_.push_back(r);
  }
}

void lv::sim::LiveSession::playTrack(size_t index) {
  track_ = index % builtInTracks().size();
  screen_->play(builtInTracks()[track_]);
}

void lv::sim::LiveSession::runUntil(double seconds) {
  double step = seconds - screen_->now();
  if (step > 0) screen_->advance(step);
}

bool lv::sim::LiveSession::pointerDown(CGPoint point) {
  if (!screen_->inWindow(point)) return false;
  if (!menuOpen_) screen_->touchDown(point);
  return true;
}

void lv::sim::LiveSession::pointerMove(CGPoint point) { screen_->touchMove(point); }

void lv::sim::LiveSession::pointerUp() { screen_->release(); }

void lv::sim::LiveSession::pointerOver(CGPoint point) { pointer_ = point; }

void lv::sim::LiveSession::wheel(CGPoint point, double notches) {
  if (!menuOpen_) screen_->wheel(point, -notches * kPointsPerNotch);
}

lv::sim::LiveAction lv::sim::LiveSession::key(std::string_view name) {
  if (name == "q") return LiveAction::Quit;
  if (name == "s") return LiveAction::Save;
  if (name == "i") {
    inspecting_ = !inspecting_;
    return LiveAction::None;
  }
  if (name == "v") return LiveAction::Record;
  if (name == "l") return LiveAction::Restart;
  if (name == "m" || (menuOpen_ && name == "escape")) {
    menuOpen_ = !menuOpen_;
    if (menuOpen_) addRegisteredSettings();
    return LiveAction::None;
  }
  if (menuOpen_) {
    if (name == "return") return LiveAction::Restart;
    if (name.size() == 1 && name[0] >= '1' && name[0] <= '9') toggleSetting(size_t(name[0] - '1'));
    return LiveAction::None;
  }
  if (name == "space") screen_->setPaused(!screen_->paused());
  if (name == "n") playTrack(track_ + 1);
  if (name == "r")
    screen_->setSizeClass(screen_->sizeClass() == lv::host::SizeClass::Regular ? lv::host::SizeClass::Compact
                                                                          : lv::host::SizeClass::Regular);
  return LiveAction::None;
}

void lv::sim::LiveSession::toggleSetting(size_t index) {
  if (index >= menuSettings_.size() || !menuSettings_[index].boolean) return;
  menuSettings_[index].on = !menuSettings_[index].on;
}

CGPoint lv::sim::LiveSession::locate(const LiveTarget& target) const {
  if (target.point) return *target.point;
  id view = screen_->firstVisibleView(target.className);
  if (!view) throw lv::host::SessionError("no visible " + target.className + " on the lock screen");
  return lv::host::pointInWindow(view, target.fraction.x, target.fraction.y);
}

CGSize lv::sim::LiveSession::frameSize() const {
  CGRect window = send<CGRect>(screen_->window(), "frame"_sel);
  return {window.size.width, window.size.height + kStatusHeight};
}

std::vector<std::string> lv::sim::LiveSession::statusParts() const {
  const auto& launches = screen_->launches();
  return lv::sim::statusParts({.paused = screen_->paused(),
                               .track = track_ + 1,
                               .launched = launches.empty() ? "" : launches.back().identifier,
                               .unlocks = screen_->unlockRequests(),
                               .haptics = screen_->haptics(),
                               .seconds = screen_->now(),
                               .recording = recording_ ? recording_->file().filename().string() : ""});
}

std::string lv::sim::LiveSession::statusLine() const { return statusText(statusParts()); }

std::string lv::sim::LiveSession::viewNameAt(CGPoint point) const {
  return viewName(lv::host::viewAtPoint(screen_->window(), point));
}

std::optional<lv::sim::InspectedView> lv::sim::LiveSession::inspected() const {
  if (!inspecting_) return std::nullopt;
  return inspectAt(screen_->window(), pointer_);
}

void lv::sim::LiveSession::startRecording(const std::filesystem::path& file, const VideoOptions& options) {
  recording_ = std::make_unique<VideoRecorder>(*screen_, file, options, 0);
}

std::string lv::sim::LiveSession::stopRecording() {
  std::unique_ptr<VideoRecorder> recording = std::move(recording_);
  return recording ? recording->finish() : std::string();
}

uint64_t lv::sim::LiveSession::signature() const {
  lv::render::Hasher h;
  h.add(renderer_.sceneSignature(screen_->window())).add(statusLine()).add(uint64_t(menuOpen_));
  if (auto view = inspected()) h.add(inspectedText(*view));
  for (const prefs::RegisteredKey& m : menuSettings_) h.add(m.identifier).add(m.key).add(uint64_t(m.on));
  return h.value();
}

lv::render::Picture lv::sim::LiveSession::compose(double scale) {
  lv::render::Picture shown = render(scale);
  int statusPixels = int(kStatusHeight * scale + 0.5);
  lv::render::Picture frame(shown.width(), shown.height() + statusPixels, scale);
  cairo_t* cr = cairo_create(frame.surface());
  cairo_set_source_surface(cr, shown.surface(), 0, 0);
  cairo_paint(cr);
  drawStatus(cr, statusParts(), scale, shown.height(), shown.width());
  if (menuOpen_) drawMenu(cr, scale, shown.width());
  if (auto view = inspected()) drawInspector(cr, *view, scale, shown.width(), shown.height());
  cairo_destroy(cr);
  cairo_surface_flush(frame.surface());
  return frame;
}

lv::render::Picture lv::sim::LiveSession::picture() { return render(screen_->device().profile().scale); }

lv::render::Picture lv::sim::LiveSession::render(double scale) {
  auto screen = renderer_.renderWindow(screen_->window(), scale);
  if (!screen) throw std::runtime_error("cannot draw the lock screen: " + screen.error().reason);
  return std::move(screen.value());
}

// A panel in the middle of the lock screen: one line per setting, the first nine with their
// number key, each under its identifier.
void lv::sim::LiveSession::drawMenu(cairo_t* cr, double scale, double width) const {
  std::string lines = "Settings, applied at a restart\n";
  size_t titleLength = lines.size() - 1;
  if (menuSettings_.empty()) lines += "The library registered no settings\n";
  std::string identifier;
  for (size_t i = 0; i < menuSettings_.size(); ++i) {
    const prefs::RegisteredKey& m = menuSettings_[i];
    if (m.identifier != std::exchange(identifier, m.identifier)) lines += m.identifier + "\n";
    std::string number = i < kNumberedSettings ? std::to_string(i + 1) : " ";
    std::string value = m.boolean ? (m.on ? "on    " : "off   ") : "";
    lines += "  " + number + "   " + value + m.key + (m.boolean ? "" : " = " + m.text) + "\n";
  }
  lines += "1-9 toggle, Return restarts, Esc closes";
  double panelWidth = std::min(kMenuWidth * scale, width - 20 * scale);
  double pad = 14 * scale;
  lv::render::LayoutPtr text = lv::render::makeTextLayout(
      cr, lines, {.pixels = kMenuTextPoints * scale, .wrapWidth = int(panelWidth - 2 * pad), .boldPrefix = titleLength});
  double height = lv::render::layoutHeight(text.get()) + 2 * pad;
  double x = (width - panelWidth) / 2, y = 120 * scale;
  cairo_set_source_rgba(cr, 0.05, 0.05, 0.07, 0.88);
  cairo_rectangle(cr, x, y, panelWidth, height);
  cairo_fill(cr);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_move_to(cr, x + pad, y + pad);
  pango_cairo_show_layout(cr, text.get());
}
