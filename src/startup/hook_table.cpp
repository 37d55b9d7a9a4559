#include "startup/hook_table.h"

#include "artwork/artwork_hooks.h"
#include "header/header_hooks.h"
#include "header/header_labels.h"
#include "header/label_placement.h"
#include "header/label_view_hooks.h"
#include "header/now_playing_app.h"
#include "layout/background_hooks.h"
#include "layout/platter_hooks.h"
#include "time/scrubber_hooks.h"
#include "time/time_labels_hooks.h"

namespace lv {

namespace {

using namespace layout;
using namespace header;
using namespace timecontrols;
using namespace artwork;

constexpr objc_property_attribute_t kBackgroundImageViewAttributes[] = {
    {"T", "@\"UIImageView\""}, {"N", ""}, {"V", "_lumivaneArtworkBackgroundImageView"}};
constexpr objc_property_attribute_t kBackgroundViewAttributes[] = {
    {"T", "@\"UIView\""}, {"N", ""}, {"V", "_lumivaneArtworkBackgroundView"}};
constexpr objc_property_attribute_t kStackViewAttributes[] = {
    {"T", "@\"UIStackView\""}, {"&", ""}, {"N", ""}};
constexpr objc_property_attribute_t kMarqueeLabelAttributes[] = {
    {"T", "@\"CBAutoScrollLabel\""}, {"&", ""}, {"N", ""}};

constexpr const char* kCoverSheet = "CSCoverSheetView";
constexpr const char* kHeader = "MRUNowPlayingHeaderView";
constexpr const char* kTimeControls = "MRUNowPlayingTimeControlsView";
constexpr const char* kLabelView = "MRUNowPlayingLabelView";
constexpr const char* kArtwork = "MRUArtworkView";

constinit const InstallEntry kFirstGroup[] = {
    declaredProperty<"lumivaneArtworkBackgroundImageView">(kCoverSheet, kBackgroundImageViewAttributes),
    propertyGetterMethod<"lumivaneArtworkBackgroundImageView">(kCoverSheet),
    propertySetterMethod<"lumivaneArtworkBackgroundImageView">(kCoverSheet, "setLumivaneArtworkBackgroundImageView:"),
    declaredProperty<"lumivaneArtworkBackgroundView">(kCoverSheet, kBackgroundViewAttributes),
    propertyGetterMethod<"lumivaneArtworkBackgroundView">(kCoverSheet),
    propertySetterMethod<"lumivaneArtworkBackgroundView">(kCoverSheet, "setLumivaneArtworkBackgroundView:"),
    replacement<CSCombinedListViewController_listViewDefaultContentInsets>("CSCombinedListViewController", "_listViewDefaultContentInsets"),
    replacement<CSFocusActivityView_initWithFrame>("CSFocusActivityView", "initWithFrame:"),
    replacement<CSCoverSheetView_initWithFrame>(kCoverSheet, "initWithFrame:"),
    replacement<CSAdjunctItemView_removeFromSuperview>("CSAdjunctItemView", "removeFromSuperview"),
    replacement<SBMediaController_setNowPlayingInfo>("SBMediaController", "setNowPlayingInfo:"),
    replacement<SpringBoard_applicationDidFinishLaunching>("SpringBoard", "applicationDidFinishLaunching:"),
};

constinit const InstallEntry kSecondGroup[] = {
    replacement<UILegibilitySettings_style>("_UILegibilitySettings", "style"),
    replacement<CSMediaControlsViewController_suggestedFrameForMediaControls>("CSMediaControlsViewController", "_suggestedFrameForMediaControls"),
    replacement<CSMediaControlsViewController_preferredMediaRemoteHeight>("CSMediaControlsViewController", "_preferredMediaRemoteHeight"),
    replacement<MRUNowPlayingControlsView_setNeedsLayout>("MRUNowPlayingControlsView", "setNeedsLayout"),
    replacement<MRUNowPlayingControlsView_setFrame>("MRUNowPlayingControlsView", "setFrame:"),
    property<"labelStackView">(kHeader, kStackViewAttributes),
    property<"titleLabel">(kHeader, kMarqueeLabelAttributes),
    property<"artistLabel">(kHeader, kMarqueeLabelAttributes),
    replacement<MRUNowPlayingHeaderView_layoutSubviews>(kHeader, "layoutSubviews"),
    replacement<MRUNowPlayingHeaderView_setFrame>(kHeader, "setFrame:"),
    method<MRUNowPlayingHeaderView_addLVLabels>(kHeader, "addLVLabels", "v@:"),
    method<MRUNowPlayingHeaderView_centreFrame>(kHeader, "centreFrame", "v@:"),
    method<MRUNowPlayingHeaderView_centreFrameWithoutAnimation>(kHeader, "centreFrameWithoutAnimation", "v@:"),
    method<MRUNowPlayingHeaderView_addGestures>(kHeader, "addGestures", "v@:"),
    method<MRUNowPlayingHeaderView_openNowPlayingApplication>(kHeader, "openNowPlayingApplication", "v@:"),
    replacement<MRUNowPlayingTransportControlsView_setFrame>("MRUNowPlayingTransportControlsView", "setFrame:"),
    property<"leftTime">(kTimeControls, kMarqueeLabelAttributes),
    property<"rightTime">(kTimeControls, kMarqueeLabelAttributes),
    replacement<MRUNowPlayingTimeControlsView_setFrame>(kTimeControls, "setFrame:"),
    replacement<MRUNowPlayingTimeControlsView_setNeedsLayout>(kTimeControls, "setNeedsLayout"),
    replacement<MRUNowPlayingTimeControlsView_initWithFramePrimaryAction>(kTimeControls, "initWithFrame:primaryAction:"),
    replacement<MRUNowPlayingTimeControlsView_layoutSubviews>(kTimeControls, "layoutSubviews"),
    replacement<MRUNowPlayingTimeControlsView_beginTracking>(kTimeControls, "beginTrackingWithTouch:withEvent:"),
    replacement<MRUNowPlayingTimeControlsView_continueTracking>(kTimeControls, "continueTrackingWithTouch:withEvent:"),
    replacement<MRUNowPlayingTimeControlsView_endTracking>(kTimeControls, "endTrackingWithTouch:withEvent:"),
    replacement<MRUNowPlayingTimeControlsView_cancelTracking>(kTimeControls, "cancelTrackingWithEvent:"),
    replacement<MRUNowPlayingTimeControlsView_pointInside>(kTimeControls, "pointInside:withEvent:"),
    replacement<MRUNowPlayingTimeControlsView_setElapsedTimeFactor>(kTimeControls, "setElapsedTimeFactor:"),
    replacement<MRUNowPlayingTimeControlsView_updateElapsedTime>(kTimeControls, "updateElapsedTime"),
    method<MRUNowPlayingTimeControlsView_addLVTimes>(kTimeControls, "addLVTimes", "v@:"),
    method<MRUNowPlayingTimeControlsView_adjustSizeOfTrack>(kTimeControls, "adjustSizeOfTrack", "v@:"),
    method<MRUNowPlayingTimeControlsView_setMaskedCornersForSlider>(kTimeControls, "setMaskedCornersForSlider", "v@:"),
    method<MRUNowPlayingTimeControlsView_animateTrackToLarge>(kTimeControls, "animateTrackToLarge", "v@:"),
    method<MRUNowPlayingTimeControlsView_animateTrackToSmall>(kTimeControls, "animateTrackToSmall", "v@:"),
    replacement<MRUNowPlayingLabelView_didMoveToWindow>(kLabelView, "didMoveToWindow"),
    method<MRUNowPlayingLabelView_addGestures>(kLabelView, "addGestures", "v@:"),
    method<MRUNowPlayingLabelView_openNowPlayingApplication>(kLabelView, "openNowPlayingApplication", "v@:"),
    replacement<MRUNowPlayingLabelView_setFrame>(kLabelView, "setFrame:"),
    replacement<MRUArtworkView_didMoveToWindow>(kArtwork, "didMoveToWindow"),
    replacement<MRUArtworkView_layoutSubviews>(kArtwork, "layoutSubviews"),
    replacement<MRUArtworkView_updateVisibility>(kArtwork, "updateVisibility"),
    replacement<MRUArtworkView_setFrame>(kArtwork, "setFrame:"),
    method<MRUArtworkView_addGestures>(kArtwork, "addGestures", "v@:"),
    method<MRUArtworkView_handleTap>(kArtwork, "handleTap", "v@:"),
    method<MRUArtworkView_handleAnimation>(kArtwork, "handleAnimation", "v@:"),
    replacement<CSAdjunctItemView_initWithFrame>("CSAdjunctItemView", "initWithFrame:"),
    replacement<MRUNowPlayingRoutingButton_setFrame>("MRUNowPlayingRoutingButton", "setFrame:"),
    replacement<PLPlatterView_configureBackgroundView>("PLPlatterView", "_configureBackgroundView:"),
    replacement<MTMaterialView_setFrame>("MTMaterialView", "setFrame:"),
    replacement<MRUNowPlayingView_didMoveToWindow>("MRUNowPlayingView", "didMoveToWindow"),
    method<MRUNowPlayingView_addGestures>("MRUNowPlayingView", "addGestures", "v@:"),
    method<MRUNowPlayingView_play>("MRUNowPlayingView", "play", "v@:"),
    replacement<MRUMediaSuggestionsView_setFrame>("MRUMediaSuggestionsView", "setFrame:"),
};

}  // namespace

}  // namespace lv

std::span<const lv::InstallEntry> lv::firstGroup() { return kFirstGroup; }
std::span<const lv::InstallEntry> lv::secondGroup() { return kSecondGroup; }
