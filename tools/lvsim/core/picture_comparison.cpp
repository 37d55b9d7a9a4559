#include "tools/lvsim/core/picture_comparison.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "tools/lvsim/core/color_difference.h"

namespace lv::sim {

namespace {

constexpr uint8_t kMark[4] = {255, 0, 255, 255};

bool differs(const uint8_t* e, const uint8_t* a, const PictureTolerance& tolerance) {
  if (e[3] == 0 && a[3] == 0) return false;
  int channels = tolerance.deltaE > 0 ? 3 : 0;
  for (int c = channels; c < 4; ++c)
    if (std::abs(int(e[c]) - int(a[c])) > tolerance.channel) return true;
  return channels && !std::equal(e, e + 3, a) && deltaE2000(e, a) > tolerance.deltaE;
}

bool leftOut(long x, long y, const PictureRegions& regions) {
  if (regions.crop && !regions.crop->contains(x, y)) return true;
  return std::ranges::any_of(regions.masks, [&](const PixelRect& mask) { return mask.contains(x, y); });
}

// A share of the pixel's grey over black, opaque: what is unchanged recedes.
void dim(const uint8_t* from, uint8_t* to, int share = 3) {
  int grey = (int(from[0]) * 3 + int(from[1]) * 6 + int(from[2])) * from[3] / (10 * 255 * share);
  to[0] = to[1] = to[2] = uint8_t(grey);
  to[3] = 255;
}

}  // namespace

}  // namespace lv::sim

lv::sim::PictureComparison lv::sim::comparePictures(const uikit::PngPixels& expected, const uikit::PngPixels& actual,
                                                    const PictureTolerance& tolerance,
                                                    const PictureRegions& regions) {
  PictureComparison result;
  result.expectedWidth = expected.width, result.expectedHeight = expected.height;
  result.actualWidth = actual.width, result.actualHeight = actual.height;
  if (!result.sameSize()) {
    result.alike = false;
    return result;
  }
  uikit::PngPixels marked{expected.width, expected.height, std::vector<uint8_t>(expected.rgba.size())};
  for (size_t i = 0; i + 4 <= expected.rgba.size(); i += 4) {
    const uint8_t* e = &expected.rgba[i];
    long pixel = long(i / 4);
    if (leftOut(pixel % expected.width, pixel / expected.width, regions)) {
      dim(e, &marked.rgba[i], 9);
      continue;
    }
    ++result.compared;
    if (!differs(e, &actual.rgba[i], tolerance)) {
      dim(e, &marked.rgba[i]);
      continue;
    }
    ++result.differing;
    std::copy(kMark, kMark + 4, &marked.rgba[i]);
  }
  result.alike = double(result.differing) <= tolerance.share * double(result.compared);
  if (!result.alike) result.marked = std::move(marked);
  return result;
}
