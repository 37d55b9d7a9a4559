#include "host/host_classes.h"

#include "host/artwork_view.h"
#include "host/cover_sheet_classes.h"
#include "host/label_view.h"
#include "host/lock_screen_furniture.h"
#include "host/now_playing_views.h"
#include "host/platter_classes.h"
#include "host/springboard_classes.h"
#include "host/time_controls.h"
#include "host/unlock_prompt.h"

namespace lv::host {

namespace {

constexpr HostClass kHostClasses[] = {
    {"SpringBoard", registerSpringBoard},
    {"SBApplication", registerSBApplication},
    {"SBMediaController", registerSBMediaController},
    {"SBLockScreenManager", registerSBLockScreenManager},
    {"SBFStaticWallpaperView", registerSBFStaticWallpaperView},
    {"CSCoverSheetView", registerCSCoverSheetView},
    {"CSCombinedListViewController", registerCSCombinedListViewController},
    {"CSFocusActivityView", registerCSFocusActivityView},
    {"CSAdjunctItemView", registerCSAdjunctItemView},
    {"CSMediaControlsViewController", registerCSMediaControlsViewController},
    {"PLPlatterView", registerPLPlatterView},
    {"MTMaterialView", registerMTMaterialView},
    {"_UILegibilitySettings", registerUILegibilitySettings},
    {"_UIBackdropView", registerUIBackdropView},
    {"_UIBackdropViewSettingsATVSemiDark", registerUIBackdropViewSettingsATVSemiDark},
    {"MRUNowPlayingView", registerMRUNowPlayingView},
    {"MRUNowPlayingControlsView", registerMRUNowPlayingControlsView},
    {"MRUNowPlayingHeaderView", registerMRUNowPlayingHeaderView},
    {"MRUNowPlayingTransportControlsView", registerMRUNowPlayingTransportControlsView},
    {"MRUNowPlayingTimeControlsView", registerMRUNowPlayingTimeControlsView},
    {"MRUNowPlayingLabelView", registerMRUNowPlayingLabelView},
    {"MRUArtworkView", registerMRUArtworkView},
    {"MRUNowPlayingRoutingButton", registerMRUNowPlayingRoutingButton},
    {"MRUMediaSuggestionsView", registerMRUMediaSuggestionsView},
    {"SBStatusBarView", registerSBStatusBarView},
    {"SBStatusBarIndicatorsView", registerSBStatusBarIndicatorsView},
    {"CSQuickActionButton", registerCSQuickActionButton},
    {"CSHomeAffordanceView", registerCSHomeAffordanceView},
    {"SBBannerView", registerSBBannerView},
    {"SBUIPasscodeLockView", registerSBUIPasscodeLockView},
};

}  // namespace

}  // namespace lv::host

std::span<const lv::host::HostClass> lv::host::hostClasses() { return kHostClasses; }

bool lv::host::isHostClass(std::string_view name) {
  for (const HostClass& c : kHostClasses)
    if (c.name == name) return true;
  return false;
}

void lv::host::registerHostClasses(const std::set<std::string, std::less<>>& without) {
  for (const HostClass& c : kHostClasses)
    if (!without.contains(c.name)) c.registerClass();
}
