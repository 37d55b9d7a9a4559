#pragma once
// PNG files decoded whole when they are read, so that a damaged file (cut short, a bad
// checksum) or one too large to show is refused there, with the reason, and never reaches
// the screen.
#include <cstdint>
#include <string>
#include <vector>

#include "foundation/file_contents.h"

namespace uikit {

// Images wider or taller than this many pixels are refused.
inline constexpr long kMaxImageSide = 8192;

struct PngPixels {
  long width = 0, height = 0;
  std::vector<uint8_t> rgba;  // rows of width × 4 bytes, straight alpha
};

// The error says why the file was refused, as "not a PNG image".
fnd::Result<PngPixels, fnd::ReadError> readPngFile(const std::string& path);

}  // namespace uikit
