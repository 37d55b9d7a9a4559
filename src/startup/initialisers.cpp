// The two load-time initialisers, run by the loader one after the other when the host
// loads the library.
#include "foundation/values.h"
#include "startup/globals.h"
#include "startup/install_table.h"
#include "startup/load_order.h"

namespace {

constexpr const char* kPreferencesIdentifier = "com.lumivane.preferences";

void registerSettings(id preferences) {
  const SEL registerBool = "registerBool:default:forKey:"_sel;
  send<void>(preferences, registerBool, &enabled, NO, fnd::string("kEnabled"));
  send<void>(preferences, registerBool, &ShowBackground, YES, fnd::string("ShowBackground"));
  send<void>(preferences, registerBool, &ShowTime, NO, fnd::string("ShowTime"));
  send<void>(preferences, registerBool, &CenterLabel, YES, fnd::string("CenterLabel"));
  send<void>(preferences, registerBool, &HapticFeedback, YES, fnd::string("HapticFeedback"));
}

// Runs before the settings are read, so it installs whatever they say.
__attribute__((constructor(kLoadFirstInitialiser))) void firstInitialiser() {
  rt::AutoreleasePool pool;
  lv::install(lv::firstGroup());
}

__attribute__((constructor(kLoadSecondInitialiser))) void secondInitialiser() {
  rt::AutoreleasePool pool;
  Ref<> preferences = rt::create(objc_getClass("HBPreferences"), "initWithIdentifier:"_sel,
                                 fnd::string(kPreferencesIdentifier));
  registerSettings(preferences);
  if (!enabled) return;
  lv::install(lv::secondGroup());
}

}  // namespace
