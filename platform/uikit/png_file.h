#pragma once
// PNG files decoded whole when they are read, so that a damaged file (cut short, a bad
// checksum) or one too large to show is refused there, with the reason, and never reaches
// the screen; and written whole or not at all.
#include <cstdint>
#include <string>
#include <vector>

#include "foundation/atomic_file.h"
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

// Encodes `pixels` and writes the file atomically (foundation/atomic_file.h).
fnd::Result<void, fnd::WriteError> writePngFile(const std::string& path, const PngPixels& pixels);

}  // namespace uikit
