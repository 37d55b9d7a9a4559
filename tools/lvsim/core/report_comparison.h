#pragma once
// Two reports of `lvsim run` compared field by field. The header is compared first, then the
// snapshots by position: each one's own fields (name, time, globals, events, picture), then
// its views in tree order, matched by id (the "id" a view carries, or else its index path
// from the window, "0/3/1"). Every scalar is a field named by its dotted path ("frame.x",
// "mask.locations.1", "globals.kEnabled"); the elements of frames, points, sizes and
// transforms go by their names (x, y, width, height; a, b, c, d, tx, ty). Numbers within the
// tolerance are alike. A value, a view or a snapshot that one side lacks is one difference,
// and so is a view whose class changed: the views within one that is on one side only are
// counted in its difference.
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace lv::sim {

struct ReportDifference {
  std::string snapshot;  // the snapshot's name; empty in the report's header
  std::optional<size_t> position;  // the snapshot's index in the list; nullopt in the header
  std::string view;      // the view's id; empty outside the tree
  // The dotted path; empty when the snapshot or the view itself is on one side only, and
  // the sides then hold the snapshot's name or the view's class.
  std::string field;
  std::optional<nlohmann::json> expected, actual;  // nullopt: that side lacks it
  size_t descendants = 0;  // of a view on one side only, the views within it
};

std::vector<ReportDifference> compareReports(const nlohmann::json& expected, const nlohmann::json& actual,
                                             double tolerance);

// "playing: 0/3/1 frame.x: 22 -> 34.5", "playing: 0/3/4 UIStackView: missing with 2 views within".
std::string describe(const ReportDifference& difference);

}  // namespace lv::sim
