#pragma once
// The media platter's geometry and the host views around it.
#include <CoreGraphics/CGGeometry.h>
#include <UIKit/UIGeometry.h>

#include "bridge/send.h"

namespace lv::layout {

inline constexpr double kMediaControlsHeight = 498;

// The preferred height last handed out by _preferredMediaRemoteHeight.
extern double mediaRemoteHeight;

UIEdgeInsets CSCombinedListViewController_listViewDefaultContentInsets(id self, SEL _cmd);
id CSFocusActivityView_initWithFrame(id self, SEL _cmd, CGRect frame);
NSInteger UILegibilitySettings_style(id self, SEL _cmd);
CGRect CSMediaControlsViewController_suggestedFrameForMediaControls(id self, SEL _cmd);
double CSMediaControlsViewController_preferredMediaRemoteHeight(id self, SEL _cmd);
void MRUNowPlayingControlsView_setNeedsLayout(id self, SEL _cmd);
void MRUNowPlayingControlsView_setFrame(id self, SEL _cmd, CGRect frame);
id CSAdjunctItemView_initWithFrame(id self, SEL _cmd, CGRect frame);
void MRUNowPlayingRoutingButton_setFrame(id self, SEL _cmd, CGRect frame);
void PLPlatterView_configureBackgroundView(id self, SEL _cmd, id backgroundView);
void MTMaterialView_setFrame(id self, SEL _cmd, CGRect frame);
void MRUNowPlayingView_didMoveToWindow(id self, SEL _cmd);
void MRUNowPlayingView_addGestures(id self, SEL _cmd);
void MRUNowPlayingView_play(id self, SEL _cmd);
void MRUMediaSuggestionsView_setFrame(id self, SEL _cmd, CGRect frame);

}  // namespace lv::layout
