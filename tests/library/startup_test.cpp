#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "lock_screen_helpers.h"

namespace {

using testing_support::bootDevice;

// Rows as the installation report describes them, "kind class name", from a class each:
// "Class k:name ..." where k is p(roperty), m(ethod) or r(eplacement).
std::vector<std::string> expand(std::initializer_list<const char*> byClass) {
  std::vector<std::string> rows;
  for (const char* line : byClass) {
    std::istringstream words(line);
    std::string cls, item;
    words >> cls;
    while (words >> item)
      rows.push_back((item[0] == 'p' ? "property " : item[0] == 'm' ? "method " : "replacement ") + cls + " " +
                     item.substr(2));
  }
  return rows;
}

// The installation order.
const std::vector<std::string> kFirstGroup = expand({
    "CSCoverSheetView p:lumivaneArtworkBackgroundImageView m:lumivaneArtworkBackgroundImageView "
    "m:setLumivaneArtworkBackgroundImageView: p:lumivaneArtworkBackgroundView m:lumivaneArtworkBackgroundView "
    "m:setLumivaneArtworkBackgroundView:",
    "CSCombinedListViewController r:_listViewDefaultContentInsets", "CSFocusActivityView r:initWithFrame:",
    "CSCoverSheetView r:initWithFrame:", "CSAdjunctItemView r:removeFromSuperview",
    "SBMediaController r:setNowPlayingInfo:", "SpringBoard r:applicationDidFinishLaunching:",
});

const std::vector<std::string> kSecondGroup = expand({
    "_UILegibilitySettings r:style",
    "CSMediaControlsViewController r:_suggestedFrameForMediaControls r:_preferredMediaRemoteHeight",
    "MRUNowPlayingControlsView r:setNeedsLayout r:setFrame:",
    "MRUNowPlayingHeaderView p:labelStackView p:titleLabel p:artistLabel r:layoutSubviews r:setFrame: m:addLVLabels "
    "m:centreFrame m:centreFrameWithoutAnimation m:addGestures m:openNowPlayingApplication",
    "MRUNowPlayingTransportControlsView r:setFrame:",
    "MRUNowPlayingTimeControlsView p:leftTime p:rightTime r:setFrame: r:setNeedsLayout r:initWithFrame:primaryAction: "
    "r:layoutSubviews r:beginTrackingWithTouch:withEvent: r:continueTrackingWithTouch:withEvent: "
    "r:endTrackingWithTouch:withEvent: r:cancelTrackingWithEvent: r:pointInside:withEvent: r:setElapsedTimeFactor: "
    "r:updateElapsedTime m:addLVTimes m:adjustSizeOfTrack m:setMaskedCornersForSlider m:animateTrackToLarge "
    "m:animateTrackToSmall",
    "MRUNowPlayingLabelView r:didMoveToWindow m:addGestures m:openNowPlayingApplication r:setFrame:",
    "MRUArtworkView r:didMoveToWindow r:layoutSubviews r:updateVisibility r:setFrame: m:addGestures m:handleTap "
    "m:handleAnimation",
    "CSAdjunctItemView r:initWithFrame:", "MRUNowPlayingRoutingButton r:setFrame:",
    "PLPlatterView r:_configureBackgroundView:", "MTMaterialView r:setFrame:",
    "MRUNowPlayingView r:didMoveToWindow m:addGestures m:play", "MRUMediaSuggestionsView r:setFrame:",
});

// The rows installed or not, checking each group's rows are numbered from 1.
std::vector<std::string> rows(const host::Device& device, bool installed) {
  std::vector<std::string> out;
  int group = 1, row = 0;
  for (const host::InstallationRow& r : device.installationReport()) {
    row = r.group == group ? row + 1 : 1;
    group = r.group;
    std::string described = std::string(installKindName(r.kind)) + " " + r.className + " " + r.name;
    EXPECT_EQ(r.row, row) << described;
    EXPECT_EQ(r.group, std::ranges::count(kFirstGroup, described) ? 1 : 2) << described;
    if (r.installed == installed) out.push_back(described);
  }
  return out;
}

std::vector<std::string> allRows() {
  std::vector<std::string> all = kFirstGroup;
  all.insert(all.end(), kSecondGroup.begin(), kSecondGroup.end());
  return all;
}

TEST(Startup, NothingStoredInstallsExactlyTheFirstGroup) {
  auto device = bootDevice({});
  EXPECT_EQ(rows(*device, true), kFirstGroup);
  EXPECT_EQ(rows(*device, false), kSecondGroup);
  EXPECT_FALSE(device->library().global<bool>("enabled"));
  EXPECT_EQ(send<NSInteger>(rt::create("_UILegibilitySettings"), "style"_sel), 2) << "the host's own style";
}

TEST(Startup, EnabledInstallsBothGroupsInOrder) {
  auto device = bootDevice();
  EXPECT_TRUE(device->library().global<bool>("enabled"));
  EXPECT_EQ(rows(*device, true), allRows());
  EXPECT_TRUE(rows(*device, false).empty());
}

TEST(Startup, OtherSettingsAreReadWhateverEnabledSays) {
  auto device = bootDevice({.settings = {{"ShowBackground", false}, {"ShowTime", true}, {"HapticFeedback", false}}});
  for (auto [name, value] : {std::pair{"enabled", false}, {"ShowBackground", false}, {"ShowTime", true},
                             {"CenterLabel", true}, {"HapticFeedback", false}})
    EXPECT_EQ(device->library().global<bool>(name), value) << name;
}

// Boots a host lacking the classes named: every row about one of them, and only those, is
// left out.
void expectLoadsWithout(const std::set<std::string, std::less<>>& without, size_t rowsLeftOut) {
  auto device = bootDevice({.settings = {{"kEnabled", true}}, .without = without});
  std::vector<std::string> expected, missing;
  for (const std::string& row : allRows()) {
    bool gone = std::ranges::any_of(without, [&](const std::string& c) { return row.find(" " + c + " ") != row.npos; });
    (gone ? missing : expected).push_back(row);
  }
  ASSERT_EQ(missing.size(), rowsLeftOut);
  EXPECT_EQ(rows(*device, true), expected);
  EXPECT_EQ(rows(*device, false), missing);
}

TEST(Startup, HostWithoutFocusActivityViewLoadsTheRest) { expectLoadsWithout({"CSFocusActivityView"}, 1); }
TEST(Startup, HostWithoutArtworkViewLoadsTheRest) { expectLoadsWithout({"MRUArtworkView", "SpringBoard"}, 8); }

}  // namespace
