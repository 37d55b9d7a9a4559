#pragma once
// The process-wide state through which the library's parts meet. Everything here is
// touched only on the main thread (or the loading thread during the initialisers) and is
// never reset. Object globals hold strong references: store them with lv::storeStrong.
#include "bridge/send.h"
#include "startup/export.h"

extern "C" {

// Settings, written when the second initialiser registers them.
LV_EXPORT extern bool enabled;
LV_EXPORT extern bool ShowBackground;
LV_EXPORT extern bool ShowTime;
LV_EXPORT extern bool CenterLabel;
LV_EXPORT extern bool HapticFeedback;

LV_EXPORT extern bool Expanded;

LV_EXPORT extern id headerView;       // MRUNowPlayingHeaderView
LV_EXPORT extern id coverSheetView;   // CSCoverSheetView
LV_EXPORT extern id adjunctItemView;  // CSAdjunctItemView
LV_EXPORT extern id mruLabel;         // MRUNowPlayingLabelView

// The artwork view's frame.
LV_EXPORT extern double dFrameHeight;
LV_EXPORT extern double dFrameWidth;
LV_EXPORT extern double dOriginX;
LV_EXPORT extern double dOriginY;

// One-shot set-up flags.
LV_EXPORT extern bool HfirstTimeLoaded;
LV_EXPORT extern bool LfirstTimeLoaded;
LV_EXPORT extern bool TfirstTimeLoaded;
LV_EXPORT extern bool firstTimeLoaded;
LV_EXPORT extern bool NfirstTimeLoaded;
}

namespace lv {

// The width of the now-playing controls view last framed in context 2; private.
extern double controlsWidth;

// Retains the new object before releasing the old one, so that storing the object the
// global already holds is safe.
inline void storeStrong(id& global, id value) {
  objc_retain(value);
  id old = global;
  global = value;
  objc_release(old);
}

}  // namespace lv
