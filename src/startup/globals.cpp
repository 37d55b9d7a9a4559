#include "startup/globals.h"

#include "artwork/artwork_frames.h"

// Constant-initialised: the initialisers run before the library's dynamic initialisers.
extern "C" {
constinit bool enabled = NO;
constinit bool ShowBackground = YES;
constinit bool ShowTime = NO;
constinit bool CenterLabel = YES;
constinit bool HapticFeedback = YES;

constinit bool Expanded = NO;

constinit id headerView = nil;
constinit id coverSheetView = nil;
constinit id adjunctItemView = nil;
constinit id mruLabel = nil;

constinit double dFrameHeight = lv::artwork::kCollapsedSide;
constinit double dFrameWidth = lv::artwork::kCollapsedSide;
constinit double dOriginX = 0;
constinit double dOriginY = lv::artwork::kCollapsedY;

constinit bool HfirstTimeLoaded = NO;
constinit bool LfirstTimeLoaded = NO;
constinit bool TfirstTimeLoaded = NO;
constinit bool firstTimeLoaded = NO;
constinit bool NfirstTimeLoaded = NO;
}

constinit double lv::controlsWidth = 0;
