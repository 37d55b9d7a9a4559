#pragma once
// What the artwork code asks of the host's MRUArtworkView.
#include "bridge/send.h"
#include "startup/host_values.h"

namespace lv::artwork {

// The platter's own artwork is style 1; most of the artwork code acts on it alone.
inline bool isPlatterStyle(id artworkView) { return send<NSInteger>(artworkView, "style"_sel) == kPlatterArtworkStyle; }

inline constexpr double kCornerRadius = 6;

inline void roundCorners(id artworkView) {
  send<void>(artworkView, "_setCornerRadius:"_sel, kCornerRadius);
  send<void>(artworkView, "_setContinuousCornerRadius:"_sel, kCornerRadius);
}

}  // namespace lv::artwork
