#include "tools/lvsim/built_in_tracks.h"

const std::vector<host::Track>& lvsim::builtInTracks() {
  static const std::vector<host::Track> tracks = {
      {"Lanterns Over The Night Drive (Extended Version)", "The Lanterns", "com.example.player", 215,
       host::Artwork::generated()},
      {"Harbour Lights", "Mira Vale", "com.example.radio", 184, host::Artwork::generated()},
      {"Field Recording No. 4", "Unknown Artist", "com.example.player", 96, host::Artwork::none()},
      {"Slow Tide Across The Northern Coastline", "Coastal Arc and the Evening Choir", "com.example.stream", 301,
       host::Artwork::generated()},
  };
  return tracks;
}
