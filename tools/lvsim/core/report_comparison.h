#pragma once
// Two reports of `lvsim run` compared field by field. The header is compared first, then the
// snapshots by position: each one's own fields (name, time, globals, events, picture), then
// its window's views, a view before its subviews, the subviews of two paired views paired
// as they align (view_alignment.h): a view inserted among its siblings is one difference
// and leaves the others paired with their counterparts. A view goes by its id (the "id" it
// carries, or else its index path from the window, "0/3/1"). Every scalar is a field named
// by its dotted path ("frame.x", "mask.locations.1", "globals.kEnabled"); the elements of
// frames, points, sizes, transforms and colours go by their names (x, y, width, height; a,
// b, c, d, tx, ty; red, green, blue, alpha). Numbers within the tolerance are alike. A
// value, a view or a snapshot that one side lacks is one difference: the views within a
// view on one side only are counted in its difference.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

namespace lv::sim {

struct ReportDifference {
  std::string snapshot;  // the snapshot's name; empty in the report's header
  std::optional<size_t> position;  // the snapshot's index in the list; nullopt in the header
  std::string view;      // the view's id (the expected side's of a pair); empty outside the tree
  std::string actualView;  // of a pair whose ids differ, the actual side's id; else empty
  // The dotted path; empty when the snapshot or the view itself is on one side only, and
  // the sides then hold the snapshot's name or the view's class.
  std::string field;
  std::optional<nlohmann::json> expected, actual;  // nullopt: that side lacks it
  size_t descendants = 0;  // of a view on one side only, the views within it
};

// Leaves out the fields `ignored` names and those within them ("frame" leaves out
// "frame.x", "presentation.frame.x" stays).
std::vector<ReportDifference> compareReports(const nlohmann::json& expected, const nlohmann::json& actual,
                                             double tolerance, std::span<const std::string> ignored = {});

// Whether `field` names a field of reports: a key of the header, a snapshot or a view,
// and, in an array of named elements, one of those ("frame.x", "textColor.alpha").
bool knownField(std::string_view field);

// "playing: 0/3/1 frame.x: 22 -> 34.5", "playing: 0/3/4 UIStackView: missing with 2 views within",
// "playing: 0/3/1 (now 0/3/2) text: \"9:41\" -> \"9:42\"".
std::string describe(const ReportDifference& difference);

}  // namespace lv::sim
