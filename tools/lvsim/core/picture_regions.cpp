#include "tools/lvsim/core/picture_regions.h"

#include <algorithm>
#include <cmath>
#include <system_error>

#include "tools/lvsim/core/echo.h"
#include "tools/lvsim/core/output_comparison.h"
#include "tools/lvsim/core/report_reading.h"
#include "tools/lvsim/core/view_alignment.h"

namespace lv::sim {

namespace {

namespace fs = std::filesystem;

// The view of `tree` whose id (carried, or else its index path) is `id`.
const json::Json* viewWithId(const json::Json& view, const std::string& path, const std::string& id) {
  if (viewId(view, path) == id) return &view;
  const json::Json& subviews = subviewsOf(view);
  for (size_t i = 0; i < subviews.size(); ++i)
    if (const json::Json* found = viewWithId(subviews[i], path + "/" + std::to_string(i), id)) return found;
  return nullptr;
}

PixelRect inPixels(const std::array<double, 4>& points, double scale) {
  long left = long(std::floor(points[0] * scale)), top = long(std::floor(points[1] * scale));
  return {left, top, long(std::ceil((points[0] + points[2]) * scale)) - left,
          long(std::ceil((points[1] + points[3]) * scale)) - top};
}

}  // namespace

}  // namespace lv::sim

fnd::Result<lv::sim::PictureRegions, std::string> lv::sim::pictureRegions(const RegionOptions& options,
                                                                          const fs::path& picture, long width) {
  std::error_code error;
  const fs::path folder = picture.parent_path().empty() ? fs::path(".") : picture.parent_path();
  for (const std::string& name : comparedFiles(folder, error)) {
    if (fs::path(name).extension() != ".json") continue;
    Report report;
    try {
      report = readReport(folder / name);
    } catch (const InputError&) {
      continue;
    }
    for (const ReportSnapshot& snapshot : report.snapshots) {
      if (snapshot.picture != picture.filename().string() || snapshot.windowWidth <= 0) continue;
      const double scale = double(width) / snapshot.windowWidth;
      PictureRegions regions;
      for (const auto& mask : options.masks) regions.masks.push_back(inPixels(mask, scale));
      if (options.crop.empty()) return regions;
      const json::Json* view = viewWithId(snapshot.json["tree"], "0", options.crop);
      auto frame = view ? view->find("windowFrame") : snapshot.json.end();
      bool placed = view && frame != view->end() && frame->is_array() && frame->size() == 4 &&
                    std::ranges::all_of(*frame, [](const json::Json& n) { return n.is_number(); });
      if (!placed)
        return "--crop: no view " + inQuotes(options.crop) + " in the snapshot " + inQuotes(snapshot.name);
      regions.crop = inPixels({(*frame)[0].get<double>(), (*frame)[1].get<double>(), (*frame)[2].get<double>(),
                               (*frame)[3].get<double>()},
                              scale);
      return regions;
    }
  }
  return std::string("no report beside it names this picture, so --mask and --crop cannot be placed on it");
}
