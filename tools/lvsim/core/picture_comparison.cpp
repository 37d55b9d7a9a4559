#include "tools/lvsim/core/picture_comparison.h"

#include <cstdint>
#include <cstdlib>

namespace lv::sim {

namespace {

constexpr uint8_t kMark[4] = {255, 0, 255, 255};

bool differs(const uint8_t* e, const uint8_t* a, int tolerance) {
  if (e[3] == 0 && a[3] == 0) return false;
  for (int c = 0; c < 4; ++c)
    if (std::abs(int(e[c]) - int(a[c])) > tolerance) return true;
  return false;
}

// A third of the pixel's grey over black, opaque: what is unchanged recedes.
void dim(const uint8_t* from, uint8_t* to) {
  int grey = (int(from[0]) * 3 + int(from[1]) * 6 + int(from[2])) * from[3] / (10 * 255 * 3);
  to[0] = to[1] = to[2] = uint8_t(grey);
  to[3] = 255;
}

}  // namespace

}  // namespace lv::sim

lv::sim::PictureComparison lv::sim::comparePictures(const uikit::PngPixels& expected, const uikit::PngPixels& actual,
                                                    const PictureTolerance& tolerance) {
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
    if (!differs(e, &actual.rgba[i], tolerance.channel)) {
      dim(e, &marked.rgba[i]);
      continue;
    }
    ++result.differing;
    std::copy(kMark, kMark + 4, &marked.rgba[i]);
  }
  result.alike = double(result.differing) <= tolerance.share * double(result.pixels());
  if (!result.alike) result.marked = std::move(marked);
  return result;
}
