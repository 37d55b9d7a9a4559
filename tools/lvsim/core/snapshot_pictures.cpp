#include "tools/lvsim/core/snapshot_pictures.h"

#include <cctype>
#include <cstdio>

#include "tools/lvsim/core/host_looks.h"

namespace lv::sim {

namespace {

// Well within a file name's 255 bytes, with the number and ".png" around it.
constexpr size_t kSafeNameLimit = 64;

}  // namespace

}  // namespace lv::sim

lv::sim::SnapshotPictures::SnapshotPictures(std::filesystem::path folder, double scale)
    : folder_(std::move(folder)), scale_(scale) {
  lv::sim::addHostLooks(renderer_.rules());
}

std::string lv::sim::fileSafe(std::string_view name) {
  std::string safe(name.substr(0, kSafeNameLimit));
  for (char& c : safe)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_' && c != '.') c = '-';
  return safe;
}

std::string lv::sim::pictureFile(int number, std::string_view name) {
  char prefix[16];
  std::snprintf(prefix, sizeof prefix, "%02d-", number);
  return prefix + fileSafe(name) + ".png";
}

lv::sim::SnapshotPictures::Taken lv::sim::SnapshotPictures::take(id window, std::string_view name) {
  auto rendered = renderer_.renderWindow(window, scale_);
  if (!rendered) throw PictureError("cannot render snapshot \"" + std::string(name) + "\": " + rendered.error().reason);
  std::string file = pictureFile(++count_, name);
  auto written = rendered.value().writePng((folder_ / file).string());
  if (!written) throw PictureError(written.error().message());
  return {std::move(rendered.value()), file};
}
