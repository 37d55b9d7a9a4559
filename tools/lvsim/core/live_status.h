#pragma once
// The status line beneath the live window's lock screen: what the host recorded, in parts
// that stay whole. It goes on one line where the window is wide enough and onto two where
// it is not, and is set smaller only when even two lines would not hold it, so that it
// fits the window at every size.
#include <cairo.h>

#include <string>
#include <vector>

#include "render/text_layout.h"

namespace lv::sim {

struct LiveStatus {
  bool paused = false;
  size_t track = 1;       // from 1
  std::string launched;   // the last app launched; empty: none
  long unlocks = 0;
  long haptics = 0;
  double seconds = 0;     // since the lock screen started
  std::string recording;  // the video being recorded; empty: none
};

// The status line's height, in points: room for two lines.
inline constexpr double kStatusHeight = 40;

std::vector<std::string> statusParts(const LiveStatus& status);
// The parts on one line, as the terminal shows them.
std::string statusText(const std::vector<std::string>& parts);

// The parts laid out within `width` pixels and the status line's height, at `scale`
// pixels per point.
lv::render::LayoutPtr statusLayout(cairo_t* cr, const std::vector<std::string>& parts, double scale, double width);

// The status line across `width` pixels, its top `top` pixels down.
void drawStatus(cairo_t* cr, const std::vector<std::string>& parts, double scale, double top, double width);

}  // namespace lv::sim
