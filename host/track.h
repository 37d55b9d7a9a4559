#pragma once
// A track the LockScreen session plays.
#include <filesystem>
#include <string>

namespace lv::host {

struct Artwork {
  enum class Kind { Generated, None, File };
  Kind kind = Kind::Generated;
  std::filesystem::path file;  // a PNG, for Kind::File

  static Artwork generated() { return {}; }
  static Artwork none() { return {Kind::None, {}}; }
  static Artwork fromFile(std::filesystem::path png) { return {Kind::File, std::move(png)}; }
};

struct Track {
  std::string title;
  std::string artist;
  std::string app;      // bundle identifier of the playing app; empty: none
  double duration = 0;  // seconds
  Artwork artwork;
};

}  // namespace lv::host
