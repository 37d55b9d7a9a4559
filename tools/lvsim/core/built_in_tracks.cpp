#include "tools/lvsim/core/built_in_tracks.h"

const std::vector<lv::host::Track>& lv::sim::builtInTracks() {
  static const std::vector<lv::host::Track> tracks = {
      {"Lanterns Over The Night Drive (Extended Version)", "The Lanterns", "com.example.player", 215,
       lv::host::Artwork::generated()},
      {"Harbour Lights", "Mira Vale", "com.example.radio", 184, lv::host::Artwork::generated()},
      {"Field Recording No. 4", "Unknown Artist", "com.example.player", 96, lv::host::Artwork::none()},
      {"Slow Tide Across The Northern Coastline", "Coastal Arc and the Evening Choir", "com.example.stream", 301,
       lv::host::Artwork::generated()},
  };
  return tracks;
}
