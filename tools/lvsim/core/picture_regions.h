#pragma once
// Where `--mask X,Y,W,H` and `--crop VIEW-ID` fall on a picture of `lvsim run`. Both are in
// the window's points: the picture's snapshot is the first that names it in the reports
// beside the expected picture, and the picture's width over that window's gives its
// pixels per point; a crop is the view's windowFrame in that snapshot. A rectangle's
// pixels are those it touches.
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "foundation/result.h"
#include "tools/lvsim/core/picture_comparison.h"

namespace lv::sim {

struct RegionOptions {
  std::vector<std::array<double, 4>> masks;  // x, y, width, height in points
  std::string crop;                          // a view's id; empty: the whole picture
  bool any() const { return !masks.empty() || !crop.empty(); }
};

// The regions in pixels of the expected picture `picture`, `width` pixels wide; why they
// cannot be placed, when they cannot.
fnd::Result<PictureRegions, std::string> pictureRegions(const RegionOptions& options,
                                                        const std::filesystem::path& picture, long width);

}  // namespace lv::sim
