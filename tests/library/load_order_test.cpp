// The library's load-time steps, watched from outside: this executable exports its own
// definitions of the runtime functions the steps call, so that the library's calls bind
// to them; each call made from the library's code is noted, then handed on to the
// platform's definition.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include <substrate.h>

#include "support/lock_screen_helpers.h"

namespace {

std::vector<std::string> g_steps;

template <class F>
F next(const char* name) {
  return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

// Whether `caller` lies in the library's code; the host learns where the library lies only
// once it has loaded, so the loader's own record is asked.
bool inLibrary(const void* caller) {
  Dl_info info;
  return dladdr(caller, &info) && info.dli_fname && std::string_view(info.dli_fname) == LV_LIBRARY_PATH;
}

void note(const void* caller, std::string step) {
  if (inLibrary(caller)) g_steps.push_back(std::move(step));
}

}  // namespace

extern "C" {

[[gnu::visibility("default")]] void objc_registerClassPair(Class cls) {
  static auto platform = next<void (*)(Class)>("objc_registerClassPair");
  note(__builtin_return_address(0), std::string("register ") + class_getName(cls));
  platform(cls);
}

[[gnu::visibility("default")]] Class objc_getClass(const char* name) {
  static auto platform = next<Class (*)(const char*)>("objc_getClass");
  if (name && std::string_view(name) == "HBPreferences") note(__builtin_return_address(0), "settings");
  return platform(name);
}

[[gnu::visibility("default")]] void MSHookMessageEx(Class cls, SEL sel, IMP hook, IMP* old) {
  static auto platform = next<void (*)(Class, SEL, IMP, IMP*)>("MSHookMessageEx");
  note(__builtin_return_address(0), std::string("hook ") + class_getName(cls) + " " + sel_getName(sel));
  platform(cls, sel, hook, old);
}

}  // extern "C"

namespace {

size_t indexOf(const std::string& step) {
  return size_t(std::ranges::find(g_steps, step) - g_steps.begin());
}

// The library's classes first, then the first initialiser's replacements, then the
// settings, then the second initialiser's replacements.
TEST(LoadOrder, ClassesThenFirstInitialiserThenSettingsThenSecond) {
  auto device = testing_support::bootDevice({.settings = {{"kEnabled", true}}});
  size_t classes = indexOf("register CBAutoScrollLabel");
  size_t firstHook = indexOf("hook CSCombinedListViewController _listViewDefaultContentInsets");
  size_t lastFirstHook = indexOf("hook SpringBoard applicationDidFinishLaunching:");
  size_t settings = indexOf("settings");
  size_t firstSecondHook = indexOf("hook _UILegibilitySettings style");
  ASSERT_LT(firstSecondHook, g_steps.size()) << "the second group was not installed";
  EXPECT_LT(classes, firstHook);
  EXPECT_LT(lastFirstHook, settings);
  EXPECT_LT(settings, firstSecondHook);
}

}  // namespace
