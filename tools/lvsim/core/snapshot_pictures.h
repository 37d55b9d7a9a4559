#pragma once
// The pictures of a story's snapshots: each one renders the window as it is at that moment,
// at the device's scale, into FOLDER/NN-name.png. One renderer serves every picture, so
// images and backdrop blurs are kept from one snapshot to the next.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "render/picture.h"
#include "render/renderer.h"
#include "runtime/runtime.h"

namespace lv::sim {

struct PictureError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class SnapshotPictures {
 public:
  SnapshotPictures(std::filesystem::path folder, double scale);

  // Renders and writes the picture of snapshot `name`; returns it with its file name
  // (the snapshot's number and name, made safe for a file name). Throws PictureError.
  struct Taken {
    lv::render::Picture picture;
    std::string file;
  };
  Taken take(id window, std::string_view name);

 private:
  std::filesystem::path folder_;
  double scale_;
  int count_ = 0;
  lv::render::Renderer renderer_;
};

// `name` cut to 64 bytes, with every byte other than ASCII letters, digits, '-', '_' and '.'
// made '-'.
std::string fileSafe(std::string_view name);

// The file of the `number`th snapshot (from 1): "NN-name.png".
std::string pictureFile(int number, std::string_view name);

}  // namespace lv::sim
