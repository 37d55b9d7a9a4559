#pragma once
// Two pictures compared pixel by pixel. A pixel differs when one of its components (red,
// green, blue, alpha) differs by more than the channel tolerance, or, with a perceptual
// tolerance, when its alpha does or its colour lies further off than that CIEDE2000
// difference; two fully transparent pixels are alike whatever colour they carry. Pictures
// of different sizes differ as a whole; pictures of one size are alike when the pixels that
// differ are no larger a share of those compared than the tolerance allows. Only the pixels
// within the crop, if any, and outside every mask are compared.
#include <optional>
#include <vector>

#include "uikit/png_file.h"

namespace lv::sim {

struct PictureTolerance {
  int channel = 2;   // 0 to 255
  double share = 0;  // of the pixels compared, 0 to 1
  double deltaE = 0;  // CIEDE2000 in place of the channel tolerance for colour; 0: none
};

// In pixels; what lies outside the picture is left out.
struct PixelRect {
  long x = 0, y = 0, width = 0, height = 0;
  bool contains(long px, long py) const { return px >= x && py >= y && px < x + width && py < y + height; }
};

struct PictureRegions {
  std::vector<PixelRect> masks;
  std::optional<PixelRect> crop;
};

struct PictureComparison {
  long expectedWidth = 0, expectedHeight = 0;
  long actualWidth = 0, actualHeight = 0;
  long differing = 0;  // pixels beyond the tolerance, when the sizes match
  bool alike = true;
  // When pictures of one size are not alike: the expected picture dimmed to grey, with
  // every differing pixel in magenta.
  // The pixels left out (masked, or outside the crop) are dimmed further.
  std::optional<uikit::PngPixels> marked;
  long compared = 0;  // pixels within the crop and outside the masks, when the sizes match

  bool sameSize() const { return expectedWidth == actualWidth && expectedHeight == actualHeight; }
};

PictureComparison comparePictures(const uikit::PngPixels& expected, const uikit::PngPixels& actual,
                                  const PictureTolerance& tolerance, const PictureRegions& regions = {});

}  // namespace lv::sim
