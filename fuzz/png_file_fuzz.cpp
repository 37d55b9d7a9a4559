// Feeds arbitrary bytes to the PNG decoder that reads artwork. A decoded image has a size
// within the bounds and exactly its pixels; a refused one says why and has none.
#include <cstdint>
#include <cstdlib>

#include "fuzz/scratch_file.h"
#include "uikit/png_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static fuzz::ScratchFile scratch("artwork.png");
  auto read = uikit::readPngFile(scratch.holding(data, size).string());
  if (!read) {
    if (read.error().reason.empty()) std::abort();
    return 0;
  }
  const uikit::PngPixels& png = read.value();
  bool bounded = png.width > 0 && png.height > 0 && png.width <= uikit::kMaxImageSide &&
                 png.height <= uikit::kMaxImageSide;
  if (!bounded || png.rgba.size() != size_t(png.width * png.height * 4)) std::abort();
  return 0;
}
