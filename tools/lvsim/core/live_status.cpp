#include "tools/lvsim/core/live_status.h"

#include <algorithm>
#include <cstdio>

namespace lv::sim {

namespace {

constexpr double kStatusTextPoints = 12;
constexpr double kMarginPoints = 8;
constexpr double kSmallestShare = 0.5;  // of the text's size, below which it would not be read
constexpr const char* kSeparator = "  ·  ";

std::string clockText(double seconds) {
  char text[32];
  long s = long(seconds);
  std::snprintf(text, sizeof text, "%ld:%02ld", s / 60, s % 60);
  return text;
}

std::string joined(std::vector<std::string>::const_iterator begin, std::vector<std::string>::const_iterator end) {
  std::string text;
  for (auto part = begin; part != end; ++part) text += (part == begin ? "" : kSeparator) + *part;
  return text;
}

// The parts at `pixels`: on one line if they fit `width`, otherwise broken after as many
// parts as fit on the first line.
lv::render::LayoutPtr laidOut(cairo_t* cr, const std::vector<std::string>& parts, double pixels, double width) {
  lv::render::LayoutPtr layout = lv::render::makeTextLayout(cr, statusText(parts), {.pixels = pixels});
  if (lv::render::layoutWidth(layout.get()) <= width) return layout;
  size_t first = 1;
  while (first + 1 < parts.size()) {
    lv::render::LayoutPtr line = lv::render::makeTextLayout(cr, joined(parts.begin(), parts.begin() + long(first + 1)),
                                                            {.pixels = pixels});
    if (lv::render::layoutWidth(line.get()) > width) break;
    ++first;
  }
  std::string text = joined(parts.begin(), parts.begin() + long(first)) + "\n" +
                     joined(parts.begin() + long(first), parts.end());
  return lv::render::makeTextLayout(cr, text, {.pixels = pixels});
}

}  // namespace

}  // namespace lv::sim

std::vector<std::string> lv::sim::statusParts(const LiveStatus& status) {
  std::vector<std::string> parts = {
      std::string(status.paused ? "paused" : "playing") + " track " + std::to_string(status.track),
      "launched " + (status.launched.empty() ? std::string("nothing") : status.launched),
      "unlocks " + std::to_string(status.unlocks), "haptics " + std::to_string(status.haptics),
      clockText(status.seconds)};
  if (!status.recording.empty()) parts.push_back("recording " + status.recording);
  return parts;
}

std::string lv::sim::statusText(const std::vector<std::string>& parts) { return joined(parts.begin(), parts.end()); }

lv::render::LayoutPtr lv::sim::statusLayout(cairo_t* cr, const std::vector<std::string>& parts, double scale,
                                            double width) {
  double room = width - 2 * kMarginPoints * scale, height = (kStatusHeight - 4) * scale;
  double pixels = kStatusTextPoints * scale;
  lv::render::LayoutPtr layout = laidOut(cr, parts, pixels, room);
  // Smaller by what is too wide or too tall, until it fits.
  while (pixels > kSmallestShare * kStatusTextPoints * scale) {
    double over = std::max(lv::render::layoutWidth(layout.get()) / room, lv::render::layoutHeight(layout.get()) / height);
    if (over <= 1) return layout;
    pixels = std::max(kSmallestShare * kStatusTextPoints * scale, pixels / std::max(over, 1.05));
    layout = laidOut(cr, parts, pixels, room);
  }
  pango_layout_set_width(layout.get(), int(room * PANGO_SCALE));
  pango_layout_set_ellipsize(layout.get(), PANGO_ELLIPSIZE_END);
  return layout;
}

void lv::sim::drawStatus(cairo_t* cr, const std::vector<std::string>& parts, double scale, double top, double width) {
  cairo_set_source_rgb(cr, 0.08, 0.08, 0.09);
  cairo_rectangle(cr, 0, top, width, kStatusHeight * scale);
  cairo_fill(cr);
  lv::render::LayoutPtr text = statusLayout(cr, parts, scale, width);
  cairo_set_source_rgb(cr, 0.9, 0.9, 0.92);
  cairo_move_to(cr, kMarginPoints * scale, top + (kStatusHeight * scale - lv::render::layoutHeight(text.get())) / 2);
  pango_cairo_show_layout(cr, text.get());
}
