#include "startup/initialisers.h"

#include "foundation/values.h"
#include "startup/globals.h"
#include "startup/hook_table.h"
#include "startup/load_order.h"

namespace lv {

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

}  // namespace

}  // namespace lv

// Runs before the settings are read, so it installs whatever they say.
__attribute__((constructor(kLoadFirstInitialiser))) void lv::firstInitialiser() {
  rt::AutoreleasePool pool;
  install(firstGroup());
}

__attribute__((constructor(kLoadSecondInitialiser))) void lv::secondInitialiser() {
  rt::AutoreleasePool pool;
  Ref<> preferences = rt::create(objc_getClass("HBPreferences"), "initWithIdentifier:"_sel,
                                 fnd::string(kPreferencesIdentifier));
  registerSettings(preferences);
  if (!enabled) return;
  install(secondGroup());
}
