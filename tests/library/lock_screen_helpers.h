#pragma once
// Helpers for tests that drive the lock screen.
#include <memory>
#include <string>

#include "foundation/run_loop.h"
#include "foundation/values.h"
#include "host/lock_screen.h"

namespace testing_support {

struct LockScreenSetup {
  prefs::BoolSettings settings = {};
  std::string profile = "phone";
  std::set<std::string, std::less<>> without = {};
  std::string systemVersion = {};
  host::SizeClass sizeClass = host::SizeClass::Regular;
  bool freshNowPlayingTreePerPlay = false;
};

inline std::unique_ptr<host::LockScreen> bootLockScreen(LockScreenSetup setup = {}) {
  host::BootOptions options;
  options.profile = setup.profile;
  options.settings = setup.settings;
  options.without = setup.without;
  options.systemVersion = setup.systemVersion;
  options.freshNowPlayingTreePerPlay = setup.freshNowPlayingTreePerPlay;
  return host::LockScreen::boot(options, setup.sizeClass);
}

inline host::Track song(std::string title = "Song", host::Artwork artwork = host::Artwork::generated()) {
  return {std::move(title), "Artist", "com.example.player", 215, std::move(artwork)};
}

inline std::string textOf(id label) { return fnd::utf8(send<id>(label, "text"_sel)); }
inline CGRect frameOf(id view) { return send<CGRect>(view, "frame"_sel); }
inline bool hiddenOf(id view) { return send<bool>(view, "isHidden"_sel); }
inline id member(id object, const char* getter) { return send<id>(object, sel_registerName(getter)); }

}  // namespace testing_support
