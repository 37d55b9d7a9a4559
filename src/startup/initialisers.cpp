#include "startup/initialisers.h"

#include "bridge/autorelease_pool.h"
#include "bridge/values.h"
#include "startup/globals.h"
#include "startup/hook_table.h"

namespace lv {

namespace {

constexpr const char* kPreferencesIdentifier = "com.lumivane.preferences";

void registerSettings(id preferences) {
  const SEL registerBool = "registerBool:default:forKey:"_sel;
  send<void>(preferences, registerBool, &enabled, NO, string("kEnabled"));
  send<void>(preferences, registerBool, &ShowBackground, YES, string("ShowBackground"));
  send<void>(preferences, registerBool, &ShowTime, NO, string("ShowTime"));
  send<void>(preferences, registerBool, &CenterLabel, YES, string("CenterLabel"));
  send<void>(preferences, registerBool, &HapticFeedback, YES, string("HapticFeedback"));
}

}  // namespace

}  // namespace lv

// Runs before the settings are read, so it installs whatever they say.
void lv::firstInitialiser() {
  AutoreleasePool pool;
  install(firstGroup());
}

void lv::secondInitialiser() {
  AutoreleasePool pool;
  Strong preferences =
      create(objc_getClass("HBPreferences"), "initWithIdentifier:"_sel, string(kPreferencesIdentifier));
  registerSettings(preferences.get());
  if (!enabled) return;
  install(secondGroup());
}
