#include "tools/lvsim/core/view_alignment.h"

#include <algorithm>

namespace lv::sim {

namespace {

using Json = nlohmann::json;

constexpr int kUnpaired = -1;

const Json* member(const Json& view, const char* key) {
  auto found = view.find(key);
  return found == view.end() ? nullptr : &*found;
}

bool sameMember(const Json& e, const Json& a, const char* key) {
  const Json *inE = member(e, key), *inA = member(a, key);
  return inE && inA && *inE == *inA;
}

// What a frame's elements from `first` on hold alike, when both are frames.
bool sameFrameParts(const Json& e, const Json& a, size_t first) {
  const Json *inE = member(e, "frame"), *inA = member(a, "frame");
  if (!inE || !inA || !inE->is_array() || !inA->is_array() || inE->size() != 4 || inA->size() != 4) return false;
  return std::equal(inE->begin() + long(first), inE->begin() + long(first) + 2, inA->begin() + long(first));
}

// How alike two views are; kUnpaired for views that are never paired.
int likeness(const Json& e, const Json& a) {
  if (!e.is_object() || !a.is_object() || !sameMember(e, a, "class")) return kUnpaired;
  return 4 + 8 * sameMember(e, a, "text") + 2 * sameFrameParts(e, a, 2) + sameFrameParts(e, a, 0) +
         (subviewsOf(e).size() == subviewsOf(a).size());
}

}  // namespace

}  // namespace lv::sim

const nlohmann::json& lv::sim::subviewsOf(const nlohmann::json& view) {
  static const nlohmann::json none = nlohmann::json::array();
  auto subviews = view.find("subviews");
  return subviews != view.end() && subviews->is_array() ? *subviews : none;
}

std::string lv::sim::viewId(const nlohmann::json& view, const std::string& path) {
  auto id = view.find("id");
  return id != view.end() && id->is_string() ? id->get<std::string>() : path;
}

std::vector<lv::sim::AlignedViews> lv::sim::alignViews(const nlohmann::json& expected, const nlohmann::json& actual) {
  const size_t n = expected.is_array() ? expected.size() : 0, m = actual.is_array() ? actual.size() : 0;
  std::vector<int> scores(n * m);
  for (size_t i = 0; i < n; ++i)
    for (size_t j = 0; j < m; ++j) scores[i * m + j] = likeness(expected[i], actual[j]);
  // best[i][j]: the greatest likeness of the views from i and j on.
  std::vector<int> best((n + 1) * (m + 1), 0);
  auto at = [&](size_t i, size_t j) -> int& { return best[i * (m + 1) + j]; };
  for (size_t i = n; i-- > 0;)
    for (size_t j = m; j-- > 0;) {
      int score = scores[i * m + j];
      at(i, j) = std::max({at(i + 1, j), at(i, j + 1), score == kUnpaired ? 0 : score + at(i + 1, j + 1)});
    }
  std::vector<AlignedViews> steps;
  size_t i = 0, j = 0;
  while (i < n || j < m) {
    if (i == n) {
      steps.push_back({std::nullopt, j++});
    } else if (j == m) {
      steps.push_back({i++, std::nullopt});
    } else if (int score = scores[i * m + j]; score != kUnpaired && score + at(i + 1, j + 1) == at(i, j)) {
      steps.push_back({i++, j++});
    } else if (at(i + 1, j) == at(i, j)) {
      steps.push_back({i++, std::nullopt});
    } else {
      steps.push_back({std::nullopt, j++});
    }
  }
  return steps;
}
