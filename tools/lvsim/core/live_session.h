#pragma once
// What `lvsim live` shows and does, apart from the window: the lock screen with the
// library loaded, the built-in tracks, pausing, turning the phone, the settings menu, the
// inspector, the status line of what the host recorded, and the frame put together from
// them (the lock screen, the status line beneath it, the menu and the inspector over it).
// Pointer positions are in the lock screen's points. Main thread only; one per process,
// like the lock screen.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "host/lock_screen.h"
#include "prefs/preferences.h"
#include "render/picture.h"
#include "render/renderer.h"
#include "tools/lvsim/core/live_inspector.h"
#include "tools/lvsim/core/live_script.h"
#include "tools/lvsim/core/video_recorder.h"

namespace lv::sim {

// What a key asks of the window.
enum class LiveAction { None, Save, Record, Quit, Restart };

class LiveSession {
 public:
  // Boots the device `boot` names (lv::host::BootError) and plays the first track.
  explicit LiveSession(const lv::host::BootOptions& boot);
  LiveSession(const LiveSession&) = delete;
  LiveSession& operator=(const LiveSession&) = delete;

  // Runs the lock screen's clock on to `seconds` after the start; earlier times do nothing.
  void runUntil(double seconds);
  double now() const { return screen_->now(); }

  // A finger down at `point`; false, touching nothing, when it lies outside the lock screen.
  bool pointerDown(CGPoint point);
  void pointerMove(CGPoint point);
  void pointerUp();
  // The pointer, with or without a finger down, is over `point`.
  void pointerOver(CGPoint point);
  // The wheel over `point` turned by `notches` (positive away from the user, who then sees
  // what lies further up).
  void wheel(CGPoint point, double notches);
  // A key by its name (live_keys.h); unknown names do nothing.
  LiveAction key(std::string_view name);

  // Where a target lies now, in points; lv::host::SessionError when its view is not shown.
  CGPoint locate(const LiveTarget& target) const;

  // The frame's size in points: the lock screen with the status line beneath.
  CGSize frameSize() const;
  // Changes whenever the frame would look different.
  uint64_t signature() const;
  // The frame at `scale` pixels per point; render errors throw std::runtime_error.
  lv::render::Picture compose(double scale);
  // The lock screen alone as the device shows it, at its pixels; errors as compose's.
  lv::render::Picture picture();

  // "CLASS PLACE" of the view a user sees at `point`, or "nothing".
  std::string viewNameAt(CGPoint point) const;
  // The view the inspector outlines: none while it is off or the pointer is over no view.
  std::optional<InspectedView> inspected() const;

  // A recording of the lock screen into `file` (video_recorder.h); throws
  // lv::render::VideoError. Stopping writes it and returns its line.
  void startRecording(const std::filesystem::path& file, const VideoOptions& options);
  std::string stopRecording();
  bool recording() const { return recording_ != nullptr; }

  std::string statusLine() const;
  // The settings the menu holds: those the library registered or read so far, in the order
  // first met, with the menu's toggles of booleans applied.
  const std::vector<prefs::RegisteredKey>& menuSettings() const { return menuSettings_; }

 private:
  void playTrack(size_t index);
  void toggleSetting(size_t index);
  void addRegisteredSettings();
  std::vector<std::string> statusParts() const;
  lv::render::Picture render(double scale);
  void drawMenu(cairo_t* cr, double scale, double width) const;

  std::unique_ptr<lv::host::LockScreen> screen_;
  lv::render::Renderer renderer_;
  size_t track_ = 0;
  bool menuOpen_ = false;
  bool inspecting_ = false;
  CGPoint pointer_{-1, -1};
  std::vector<prefs::RegisteredKey> menuSettings_;
  std::unique_ptr<VideoRecorder> recording_;  // after screen_, so gone first: it holds the screen's frame clock
};

}  // namespace lv::sim
