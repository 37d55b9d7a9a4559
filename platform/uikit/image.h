#pragma once
// UIImage: a size in points, a scale, and the pixels behind them: an RGBA buffer, made in
// memory or decoded from a PNG file when the image is made.
#include <cstdint>
#include <memory>
#include <vector>

#include "quartz/geometry.h"
#include "runtime/runtime.h"

struct UIImage : objc_object {
  CGSize size{};
  CGFloat scale = 1;
  long pixelWidth = 0;
  long pixelHeight = 0;
  // Rows of pixelWidth × 4 bytes, R G B A with straight alpha; shared, never changed.
  std::shared_ptr<const std::vector<uint8_t>> rgba;
};

namespace uikit {

// An autoreleased image of `width` × `height` pixels at `scale`; `rgba` must hold exactly
// width × height × 4 bytes.
id imageWithRGBA(long width, long height, CGFloat scale, std::vector<uint8_t> rgba);

}  // namespace uikit
