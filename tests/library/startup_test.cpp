#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "boot_helpers.h"

namespace {

using testing_support::bootEnabled;
using testing_support::bootWith;

// The installation order: "group.row kind class name".
const std::vector<std::string> kFirstGroup = {
    "1.1 property CSCoverSheetView lumivaneArtworkBackgroundImageView",
    "1.2 method CSCoverSheetView lumivaneArtworkBackgroundImageView",
    "1.3 method CSCoverSheetView setLumivaneArtworkBackgroundImageView:",
    "1.4 property CSCoverSheetView lumivaneArtworkBackgroundView",
    "1.5 method CSCoverSheetView lumivaneArtworkBackgroundView",
    "1.6 method CSCoverSheetView setLumivaneArtworkBackgroundView:",
    "1.7 replacement CSCombinedListViewController _listViewDefaultContentInsets",
    "1.8 replacement CSFocusActivityView initWithFrame:",
    "1.9 replacement CSCoverSheetView initWithFrame:",
    "1.10 replacement CSAdjunctItemView removeFromSuperview",
    "1.11 replacement SBMediaController setNowPlayingInfo:",
    "1.12 replacement SpringBoard applicationDidFinishLaunching:",
};

const std::vector<std::string> kSecondGroup = {
    "2.1 replacement _UILegibilitySettings style",
    "2.2 replacement CSMediaControlsViewController _suggestedFrameForMediaControls",
    "2.3 replacement CSMediaControlsViewController _preferredMediaRemoteHeight",
    "2.4 replacement MRUNowPlayingControlsView setNeedsLayout",
    "2.5 replacement MRUNowPlayingControlsView setFrame:",
    "2.6 property MRUNowPlayingHeaderView labelStackView",
    "2.7 property MRUNowPlayingHeaderView titleLabel",
    "2.8 property MRUNowPlayingHeaderView artistLabel",
    "2.9 replacement MRUNowPlayingHeaderView layoutSubviews",
    "2.10 replacement MRUNowPlayingHeaderView setFrame:",
    "2.11 method MRUNowPlayingHeaderView addLVLabels",
    "2.12 method MRUNowPlayingHeaderView centreFrame",
    "2.13 method MRUNowPlayingHeaderView centreFrameWithoutAnimation",
    "2.14 method MRUNowPlayingHeaderView addGestures",
    "2.15 method MRUNowPlayingHeaderView openNowPlayingApplication",
    "2.16 replacement MRUNowPlayingTransportControlsView setFrame:",
    "2.17 property MRUNowPlayingTimeControlsView leftTime",
    "2.18 property MRUNowPlayingTimeControlsView rightTime",
    "2.19 replacement MRUNowPlayingTimeControlsView setFrame:",
    "2.20 replacement MRUNowPlayingTimeControlsView setNeedsLayout",
    "2.21 replacement MRUNowPlayingTimeControlsView initWithFrame:primaryAction:",
    "2.22 replacement MRUNowPlayingTimeControlsView layoutSubviews",
    "2.23 replacement MRUNowPlayingTimeControlsView beginTrackingWithTouch:withEvent:",
    "2.24 replacement MRUNowPlayingTimeControlsView continueTrackingWithTouch:withEvent:",
    "2.25 replacement MRUNowPlayingTimeControlsView endTrackingWithTouch:withEvent:",
    "2.26 replacement MRUNowPlayingTimeControlsView cancelTrackingWithEvent:",
    "2.27 replacement MRUNowPlayingTimeControlsView pointInside:withEvent:",
    "2.28 replacement MRUNowPlayingTimeControlsView setElapsedTimeFactor:",
    "2.29 replacement MRUNowPlayingTimeControlsView updateElapsedTime",
    "2.30 method MRUNowPlayingTimeControlsView addLVTimes",
    "2.31 method MRUNowPlayingTimeControlsView adjustSizeOfTrack",
    "2.32 method MRUNowPlayingTimeControlsView setMaskedCornersForSlider",
    "2.33 method MRUNowPlayingTimeControlsView animateTrackToLarge",
    "2.34 method MRUNowPlayingTimeControlsView animateTrackToSmall",
    "2.35 replacement MRUNowPlayingLabelView didMoveToWindow",
    "2.36 method MRUNowPlayingLabelView addGestures",
    "2.37 method MRUNowPlayingLabelView openNowPlayingApplication",
    "2.38 replacement MRUNowPlayingLabelView setFrame:",
    "2.39 replacement MRUArtworkView didMoveToWindow",
    "2.40 replacement MRUArtworkView layoutSubviews",
    "2.41 replacement MRUArtworkView updateVisibility",
    "2.42 replacement MRUArtworkView setFrame:",
    "2.43 method MRUArtworkView addGestures",
    "2.44 method MRUArtworkView handleTap",
    "2.45 method MRUArtworkView handleAnimation",
    "2.46 replacement CSAdjunctItemView initWithFrame:",
    "2.47 replacement MRUNowPlayingRoutingButton setFrame:",
    "2.48 replacement PLPlatterView _configureBackgroundView:",
    "2.49 replacement MTMaterialView setFrame:",
    "2.50 replacement MRUNowPlayingView didMoveToWindow",
    "2.51 method MRUNowPlayingView addGestures",
    "2.52 method MRUNowPlayingView play",
    "2.53 replacement MRUMediaSuggestionsView setFrame:",
};

std::string describe(const host::InstallationRow& r) {
  return std::to_string(r.group) + "." + std::to_string(r.row) + " " + installKindName(r.kind) +
         " " + r.className + " " + r.name;
}

std::vector<std::string> rows(const host::Device& device, bool installed) {
  std::vector<std::string> out;
  for (const host::InstallationRow& r : device.installationReport())
    if (r.installed == installed) out.push_back(describe(r));
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
  const host::Library& lib = device->library();
  EXPECT_FALSE(lib.global<bool>("enabled"));
  EXPECT_FALSE(lib.global<bool>("ShowBackground"));
  EXPECT_TRUE(lib.global<bool>("ShowTime"));
  EXPECT_TRUE(lib.global<bool>("CenterLabel"));
  EXPECT_FALSE(lib.global<bool>("HapticFeedback"));
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
