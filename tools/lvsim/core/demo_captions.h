#pragma once
// What each moment of the demo shows, read from its snapshot as the report has it (the
// library's globals, the events the host recorded, the view tree), so that no caption
// claims what did not happen: with the library off, or settings that turn parts of it off.
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "render/geometry.h"

namespace lv::sim::captions {

using Json = nlohmann::ordered_json;

std::string playing(const Json& snapshot);
std::string marquee(const Json& snapshot);
std::string enlarging(const Json& snapshot);
std::string enlarged(const Json& snapshot);
std::string scrubbing(const Json& snapshot);
std::string released(const Json& snapshot);
std::string collapsed(const Json& snapshot);
std::string launched(const Json& snapshot);

// The platter's card in the snapshot's picture, `scale` pixels to the point; none when no
// platter shows.
std::optional<lv::render::PixelRect> platterArea(const Json& snapshot, double scale);

}  // namespace lv::sim::captions
