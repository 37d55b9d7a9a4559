#pragma once
// The lock screen's own furniture: the status bar, the torch and camera buttons and the
// home indicator. They lie over the cover sheet and take no touches; the screen draws
// their glyphs (tools/lvsim/core/host_looks.h).
#include "host/profiles.h"
#include "uikit/view.h"

// A quick-action button's `action`: what its glyph shows.
inline constexpr NSInteger CSQuickActionTorch = 0;
inline constexpr NSInteger CSQuickActionCamera = 1;

struct CSQuickActionButton : UIView {
  NSInteger action = CSQuickActionTorch;
};

namespace lv::host {

// Adds the furniture to the front of `window`, placed for its size and following it when
// it turns. A device with a home button shows only the status bar; only a device with a
// torch shows the torch button.
void addLockScreenFurniture(id window, const DeviceProfile& profile);

void registerSBStatusBarView();
void registerSBStatusBarIndicatorsView();
void registerCSQuickActionButton();
void registerCSHomeAffordanceView();

}  // namespace lv::host
