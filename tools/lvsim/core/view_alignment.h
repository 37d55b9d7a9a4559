#pragma once
// The subviews of two views paired as a sequence alignment, so that a view inserted or
// removed among its siblings leaves the others paired with their counterparts. Only views of
// one class are paired; among those, the pairing with the greatest total likeness wins:
// the same text counts most, then the same size, the same position and the same number of
// subviews. Ties go to pairing the earlier views, then to the expected side's view being
// missing before the actual side's is added, so the outcome depends on the reports alone.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace lv::sim {

// A step of the alignment: a pair, or a view on one side only (nullopt on the other).
struct AlignedViews {
  std::optional<size_t> expected, actual;  // indices among the subviews
};

std::vector<AlignedViews> alignViews(const nlohmann::json& expected, const nlohmann::json& actual);

// A report view's subviews; an empty array when it has none.
const nlohmann::json& subviewsOf(const nlohmann::json& view);

// The id a report view carries, or else its index path `path`.
std::string viewId(const nlohmann::json& view, const std::string& path);

}  // namespace lv::sim
