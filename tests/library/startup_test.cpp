#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/lock_screen_helpers.h"

namespace {

using testing_support::bootDevice;

// The first group in installation order, "kind class name"; the second group's rows follow.
const std::vector<std::string> kFirstGroup = {
    "property CSCoverSheetView lumivaneArtworkBackgroundImageView",
    "method CSCoverSheetView lumivaneArtworkBackgroundImageView",
    "method CSCoverSheetView setLumivaneArtworkBackgroundImageView:",
    "property CSCoverSheetView lumivaneArtworkBackgroundView", "method CSCoverSheetView lumivaneArtworkBackgroundView",
    "method CSCoverSheetView setLumivaneArtworkBackgroundView:",
    "replacement CSCombinedListViewController _listViewDefaultContentInsets",
    "replacement CSFocusActivityView initWithFrame:", "replacement CSCoverSheetView initWithFrame:",
    "replacement CSAdjunctItemView removeFromSuperview", "replacement SBMediaController setNowPlayingInfo:",
    "replacement SpringBoard applicationDidFinishLaunching:",
};
constexpr size_t kSecondGroupRows = 53;

// The rows installed (or not), checking that each group's rows are numbered from 1.
std::vector<std::string> rows(const lv::host::Device& device, bool installed) {
  std::vector<std::string> out;
  int group = 1, row = 0;
  for (const lv::host::InstallationRow& r : device.installationReport()) {
    row = r.group == group ? row + 1 : 1;
    group = r.group;
    std::string described = r.kind + " " + r.className + " " + r.name;
    EXPECT_EQ(r.row, row) << described;
    EXPECT_EQ(r.group, std::ranges::count(kFirstGroup, described) ? 1 : 2) << described;
    if (r.installed == installed) out.push_back(described);
  }
  return out;
}

// Without kEnabled stored, the other settings are read all the same.
TEST(Startup, WithoutEnabledOnlyTheFirstGroupInstallsAndTheOtherSettingsAreRead) {
  auto device = bootDevice({.settings = {{"ShowBackground", false}, {"ShowTime", true}, {"HapticFeedback", false}}});
  EXPECT_EQ(rows(*device, true), kFirstGroup);
  EXPECT_EQ(rows(*device, false).size(), kSecondGroupRows);
  for (auto [name, value] : {std::pair{"enabled", false}, {"ShowBackground", false}, {"ShowTime", true},
                             {"CenterLabel", true}, {"HapticFeedback", false}})
    EXPECT_EQ(device->library().global<bool>(name), value) << name;
  EXPECT_EQ(send<NSInteger>(rt::create("_UILegibilitySettings"), "style"_sel), 2) << "the host's own style";
}

TEST(Startup, EnabledInstallsBothGroupsInOrder) {
  auto device = bootDevice();
  EXPECT_TRUE(device->library().global<bool>("enabled"));
  std::vector<std::string> installed = rows(*device, true);
  ASSERT_EQ(installed.size(), kFirstGroup.size() + kSecondGroupRows);
  EXPECT_TRUE(std::equal(kFirstGroup.begin(), kFirstGroup.end(), installed.begin()));
  EXPECT_EQ(installed.back(), "replacement MRUMediaSuggestionsView setFrame:");
  Ref<> legibility = rt::create("_UILegibilitySettings");
  send<void>(legibility, "setStyle:"_sel, NSInteger(0));
  EXPECT_EQ(send<NSInteger>(legibility, "style"_sel), 1) << "whatever is set";
}

// Boots a host lacking the classes named: every row about one of them, and only those, is
// left out.
void expectLoadsWithout(const std::set<std::string, std::less<>>& without, size_t rowsLeftOut) {
  auto device = bootDevice({.settings = {{"kEnabled", true}}, .without = without});
  std::vector<std::string> installed = rows(*device, true), missing = rows(*device, false);
  EXPECT_EQ(installed.size() + missing.size(), kFirstGroup.size() + kSecondGroupRows);
  EXPECT_EQ(missing.size(), rowsLeftOut);
  auto about = [&](const std::string& row) {
    size_t from = row.find(' ') + 1;
    return without.contains(row.substr(from, row.rfind(' ') - from));
  };
  EXPECT_TRUE(std::ranges::all_of(missing, about));
  EXPECT_TRUE(std::ranges::none_of(installed, about));
}

TEST(Startup, HostWithoutFocusActivityViewLoadsTheRest) { expectLoadsWithout({"CSFocusActivityView"}, 1); }
TEST(Startup, HostWithoutArtworkViewLoadsTheRest) { expectLoadsWithout({"MRUArtworkView", "SpringBoard"}, 8); }

}  // namespace
