// The live window's session without a window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/lvsim/core/live_session.h"

namespace {

// Another library's own settings are in the menu, as it registered and read them: its
// HBPreferences boolean, then each key of its NSUserDefaults suite it read at load, in the
// order met.
TEST(LiveSession, TheMenuListsWhatTheLoadedLibraryRegistered) {
  lv::sim::LiveSession session({.library = C_LIBRARY_PATH});
  session.key("m");
  std::vector<std::string> listed;
  for (const prefs::RegisteredKey& r : session.menuSettings())
    listed.push_back(r.identifier + ":" + r.key + (r.boolean ? (r.on ? "=YES" : "=NO") : ""));
  std::vector<std::string> expected = {"com.example.clib:Rounded=YES"};
  for (int k = 0; k < 13; ++k) expected.push_back("com.example.clib:k" + std::to_string(k));
  EXPECT_EQ(listed, expected);
}

}  // namespace
