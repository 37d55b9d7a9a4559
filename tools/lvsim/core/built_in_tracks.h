#pragma once
// The tracks `lvsim live` plays, in turn: different titles, lengths and generated
// artworks, one without artwork.
#include <vector>

#include "host/track.h"

namespace lv::sim {

const std::vector<lv::host::Track>& builtInTracks();

}  // namespace lv::sim
