#pragma once
// Helpers for tests that boot the device or drive its lock screen.
#include <memory>
#include <string>

#include "foundation/run_loop.h"
#include "foundation/values.h"
#include "host/lock_screen.h"

namespace testing_support {

// The boot options with every field defaulted, so that a test names only those it sets.
struct Setup {
  std::string profile = "phone";
  std::string systemVersion = {};
  prefs::BoolSettings settings = {};
  std::set<std::string, std::less<>> without = {};
  bool freshNowPlayingTreePerPlay = false;
  lv::host::SizeClass sizeClass = lv::host::SizeClass::Regular;
  bool loadLibrary = true;

  lv::host::BootOptions options() const {
    return {.profile = profile, .systemVersion = systemVersion, .settings = settings, .without = without,
            .loadLibrary = loadLibrary, .freshNowPlayingTreePerPlay = freshNowPlayingTreePerPlay};
  }
};

inline std::unique_ptr<lv::host::Device> bootDevice(const Setup& setup = {.settings = {{"kEnabled", true}}}) {
  return lv::host::Device::boot(setup.options());
}
inline std::unique_ptr<lv::host::LockScreen> bootLockScreen(const Setup& setup = {}) {
  return lv::host::LockScreen::boot(setup.options(), setup.sizeClass);
}
// The lock screen with the library enabled, whatever else `setup` stores.
inline std::unique_ptr<lv::host::LockScreen> bootEnabled(Setup setup = {}) {
  setup.settings.emplace("kEnabled", true);
  return bootLockScreen(setup);
}

inline lv::host::Track song(std::string title = "Song", lv::host::Artwork artwork = lv::host::Artwork::generated()) {
  return {std::move(title), "Artist", "com.example.player", 215, std::move(artwork)};
}

inline std::string textOf(id label) { return fnd::utf8(send<id>(label, "text"_sel)); }
inline CGRect frameOf(id view) { return send<CGRect>(view, "frame"_sel); }
inline bool hiddenOf(id view) { return send<bool>(view, "isHidden"_sel); }
inline id member(id object, const char* getter) { return send<id>(object, sel_registerName(getter)); }
inline void setFrame(id view, CGRect frame) { send<void>(view, "setFrame:"_sel, frame); }
inline Ref<> makeView(const char* cls, CGRect frame = {}) {
  return rt::create(objc_getClass(cls), "initWithFrame:"_sel, frame);
}

}  // namespace testing_support
