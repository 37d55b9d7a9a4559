#pragma once
// Artwork made in code: a colourful square whose colours come from the title, so that
// different tracks look different and the same track always looks the same.
#include <string_view>

#include "runtime/runtime.h"

namespace lv::host {

inline constexpr long kGeneratedArtworkPixels = 512;
inline constexpr double kGeneratedArtworkScale = 2;

// An autoreleased RGBA UIImage of kGeneratedArtworkPixels square at kGeneratedArtworkScale.
id generatedArtwork(std::string_view title);

}  // namespace lv::host
