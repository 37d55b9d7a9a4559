#pragma once
// The tracks `lvsim live` plays, in turn: different titles, lengths and generated
// artworks, one without artwork.
#include <vector>

#include "host/track.h"

namespace lvsim {

const std::vector<host::Track>& builtInTracks();

}  // namespace lvsim
