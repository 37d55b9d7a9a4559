#pragma once
// Two pictures compared pixel by pixel. A pixel differs when one of its components (red,
// green, blue, alpha) differs by more than the channel tolerance; two fully transparent
// pixels are alike whatever colour they carry. Pictures of different sizes differ as a
// whole; pictures of one size are alike when the pixels that differ are no larger a share
// of all than the tolerance allows.
#include <optional>

#include "uikit/png_file.h"

namespace lv::sim {

struct PictureTolerance {
  int channel = 2;   // 0 to 255
  double share = 0;  // of all pixels, 0 to 1
};

struct PictureComparison {
  long expectedWidth = 0, expectedHeight = 0;
  long actualWidth = 0, actualHeight = 0;
  long differing = 0;  // pixels beyond the channel tolerance, when the sizes match
  bool alike = true;
  // When pictures of one size are not alike: the expected picture dimmed to grey, with
  // every differing pixel in magenta.
  std::optional<uikit::PngPixels> marked;

  bool sameSize() const { return expectedWidth == actualWidth && expectedHeight == actualHeight; }
  long pixels() const { return expectedWidth * expectedHeight; }
};

PictureComparison comparePictures(const uikit::PngPixels& expected, const uikit::PngPixels& actual,
                                  const PictureTolerance& tolerance);

}  // namespace lv::sim
