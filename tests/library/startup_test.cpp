#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "boot_helpers.h"

namespace {

using testing_support::bootEnabled;
using testing_support::bootWith;

// The installation order, each group's rows numbered from 1: "kind class name".
const std::vector<std::string> kFirstGroup = {
    "property CSCoverSheetView lumivaneArtworkBackgroundImageView",
    "method CSCoverSheetView lumivaneArtworkBackgroundImageView",
    "method CSCoverSheetView setLumivaneArtworkBackgroundImageView:",
    "property CSCoverSheetView lumivaneArtworkBackgroundView",
    "method CSCoverSheetView lumivaneArtworkBackgroundView",
    "method CSCoverSheetView setLumivaneArtworkBackgroundView:",
    "replacement CSCombinedListViewController _listViewDefaultContentInsets",
    "replacement CSFocusActivityView initWithFrame:", "replacement CSCoverSheetView initWithFrame:",
    "replacement CSAdjunctItemView removeFromSuperview", "replacement SBMediaController setNowPlayingInfo:",
    "replacement SpringBoard applicationDidFinishLaunching:",
};

const std::vector<std::string> kSecondGroup = {
    "replacement _UILegibilitySettings style",
    "replacement CSMediaControlsViewController _suggestedFrameForMediaControls",
    "replacement CSMediaControlsViewController _preferredMediaRemoteHeight",
    "replacement MRUNowPlayingControlsView setNeedsLayout", "replacement MRUNowPlayingControlsView setFrame:",
    "property MRUNowPlayingHeaderView labelStackView", "property MRUNowPlayingHeaderView titleLabel",
    "property MRUNowPlayingHeaderView artistLabel", "replacement MRUNowPlayingHeaderView layoutSubviews",
    "replacement MRUNowPlayingHeaderView setFrame:", "method MRUNowPlayingHeaderView addLVLabels",
    "method MRUNowPlayingHeaderView centreFrame", "method MRUNowPlayingHeaderView centreFrameWithoutAnimation",
    "method MRUNowPlayingHeaderView addGestures", "method MRUNowPlayingHeaderView openNowPlayingApplication",
    "replacement MRUNowPlayingTransportControlsView setFrame:", "property MRUNowPlayingTimeControlsView leftTime",
    "property MRUNowPlayingTimeControlsView rightTime", "replacement MRUNowPlayingTimeControlsView setFrame:",
    "replacement MRUNowPlayingTimeControlsView setNeedsLayout",
    "replacement MRUNowPlayingTimeControlsView initWithFrame:primaryAction:",
    "replacement MRUNowPlayingTimeControlsView layoutSubviews",
    "replacement MRUNowPlayingTimeControlsView beginTrackingWithTouch:withEvent:",
    "replacement MRUNowPlayingTimeControlsView continueTrackingWithTouch:withEvent:",
    "replacement MRUNowPlayingTimeControlsView endTrackingWithTouch:withEvent:",
    "replacement MRUNowPlayingTimeControlsView cancelTrackingWithEvent:",
    "replacement MRUNowPlayingTimeControlsView pointInside:withEvent:",
    "replacement MRUNowPlayingTimeControlsView setElapsedTimeFactor:",
    "replacement MRUNowPlayingTimeControlsView updateElapsedTime", "method MRUNowPlayingTimeControlsView addLVTimes",
    "method MRUNowPlayingTimeControlsView adjustSizeOfTrack",
    "method MRUNowPlayingTimeControlsView setMaskedCornersForSlider",
    "method MRUNowPlayingTimeControlsView animateTrackToLarge",
    "method MRUNowPlayingTimeControlsView animateTrackToSmall", "replacement MRUNowPlayingLabelView didMoveToWindow",
    "method MRUNowPlayingLabelView addGestures", "method MRUNowPlayingLabelView openNowPlayingApplication",
    "replacement MRUNowPlayingLabelView setFrame:", "replacement MRUArtworkView didMoveToWindow",
    "replacement MRUArtworkView layoutSubviews", "replacement MRUArtworkView updateVisibility",
    "replacement MRUArtworkView setFrame:", "method MRUArtworkView addGestures", "method MRUArtworkView handleTap",
    "method MRUArtworkView handleAnimation", "replacement CSAdjunctItemView initWithFrame:",
    "replacement MRUNowPlayingRoutingButton setFrame:", "replacement PLPlatterView _configureBackgroundView:",
    "replacement MTMaterialView setFrame:", "replacement MRUNowPlayingView didMoveToWindow",
    "method MRUNowPlayingView addGestures", "method MRUNowPlayingView play",
    "replacement MRUMediaSuggestionsView setFrame:",
};

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
  auto device = bootWith({});
  EXPECT_EQ(rows(*device, true), kFirstGroup);
  EXPECT_EQ(rows(*device, false), kSecondGroup);
  EXPECT_FALSE(device->library().global<bool>("enabled"));

  Ref<> settings = rt::create("_UILegibilitySettings");
  EXPECT_EQ(send<NSInteger>(settings, "style"_sel), 2) << "the host's own style";
}

TEST(Startup, EnabledInstallsBothGroupsInOrder) {
  auto device = bootEnabled();
  EXPECT_TRUE(device->library().global<bool>("enabled"));
  EXPECT_EQ(rows(*device, true), allRows());
  EXPECT_TRUE(rows(*device, false).empty());
}

TEST(Startup, OtherSettingsAreReadWhateverEnabledSays) {
  auto device = bootWith({{"ShowBackground", false}, {"ShowTime", true}, {"HapticFeedback", false}});
  for (auto [name, value] : {std::pair{"enabled", false}, {"ShowBackground", false}, {"ShowTime", true},
                             {"CenterLabel", true}, {"HapticFeedback", false}})
    EXPECT_EQ(device->library().global<bool>(name), value) << name;
}

// Boots a host lacking the classes named: every row about one of them, and only those, is
// left out.
void expectLoadsWithout(const std::vector<std::string>& without, size_t rowsLeftOut) {
  auto device = bootWith({{"kEnabled", true}}, {without.begin(), without.end()});
  std::vector<std::string> expected, missing;
  for (const std::string& row : allRows()) {
    bool gone = std::ranges::any_of(without, [&](const std::string& c) { return row.find(" " + c + " ") != std::string::npos; });
    (gone ? missing : expected).push_back(row);
  }
  ASSERT_EQ(missing.size(), rowsLeftOut);
  EXPECT_EQ(rows(*device, true), expected);
  EXPECT_EQ(rows(*device, false), missing);
}

TEST(Startup, HostWithoutFocusActivityViewLoadsTheRest) { expectLoadsWithout({"CSFocusActivityView"}, 1); }
TEST(Startup, HostWithoutArtworkViewLoadsTheRest) { expectLoadsWithout({"MRUArtworkView", "SpringBoard"}, 8); }

}  // namespace
