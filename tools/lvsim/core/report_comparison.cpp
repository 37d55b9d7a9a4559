#include "tools/lvsim/core/report_comparison.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <set>
#include <string_view>
#include <tuple>

#include "tools/lvsim/core/echo.h"

namespace lv::sim {

namespace {

using Json = nlohmann::json;

constexpr size_t kNameLimit = 48;
constexpr size_t kValueLimit = 80;

// The element names of the report's geometry arrays, by the key that holds them.
std::string elementName(const std::string& key, size_t index, size_t size) {
  static const std::map<std::string, std::vector<std::string>, std::less<>> named = {
      {"frame", {"x", "y", "width", "height"}},
      {"windowFrame", {"x", "y", "width", "height"}},
      {"contentOffset", {"x", "y"}},
      {"contentSize", {"width", "height"}},
      {"transform", {"a", "b", "c", "d", "tx", "ty"}}};
  auto found = named.find(key);
  if (found != named.end() && found->second.size() == size) return found->second[index];
  return std::to_string(index);
}

std::string joined(const std::string& path, const std::string& name) { return path.empty() ? name : path + "." + name; }

// Ids in tree order: a view before its subviews, siblings by their number.
struct TreeOrder {
  static auto component(std::string_view part) {
    bool numeric = !part.empty() && part.find_first_not_of("0123456789") == std::string_view::npos;
    return std::tuple(!numeric, numeric ? part.size() : 0, part);
  }
  bool operator()(std::string_view a, std::string_view b) const {
    while (!a.empty() && !b.empty()) {
      std::string_view partA = a.substr(0, a.find('/')), partB = b.substr(0, b.find('/'));
      if (component(partA) != component(partB)) return component(partA) < component(partB);
      a.remove_prefix(std::min(a.size(), partA.size() + 1));
      b.remove_prefix(std::min(b.size(), partB.size() + 1));
    }
    return a.empty() && !b.empty();
  }
};

using Views = std::map<std::string, const Json*, TreeOrder>;

// The views of a tree by id: the one a view carries, or else its index path.
void collectViews(const Json& view, const std::string& path, Views& views) {
  auto id = view.find("id");
  views.emplace(id != view.end() && id->is_string() ? id->get<std::string>() : path, &view);
  auto subviews = view.find("subviews");
  if (subviews == view.end() || !subviews->is_array()) return;
  for (size_t i = 0; i < subviews->size(); ++i)
    if ((*subviews)[i].is_object()) collectViews((*subviews)[i], path + "/" + std::to_string(i), views);
}

std::string snapshotName(const Json& snapshot, size_t index) {
  auto name = snapshot.find("name");
  return name != snapshot.end() && name->is_string() ? name->get<std::string>() : "#" + std::to_string(index + 1);
}

Json viewClass(const Json& view) {
  auto cls = view.find("class");
  return cls != view.end() && cls->is_string() ? *cls : Json("view");
}

std::optional<Json> valueAt(const Json& object, Json::const_iterator at) {
  return at == object.end() ? std::nullopt : std::optional<Json>(*at);
}

std::string shown(const Json& value) {
  if (!value.is_number_float()) return printable(value.dump(-1, ' ', false, Json::error_handler_t::replace), kValueLimit);
  char text[32];
  return std::string(text, std::to_chars(text, text + sizeof text, value.get<double>()).ptr);
}

// Compares two values in one place (a snapshot, a view), adding what differs.
struct Walker {
  std::vector<ReportDifference>& differences;
  double tolerance;
  std::string snapshot = {}, view = {};
  std::optional<size_t> position = {};

  void differ(const std::string& field, std::optional<Json> e, std::optional<Json> a) {
    differences.push_back({snapshot, position, view, field, std::move(e), std::move(a), 0});
  }

  void values(const std::string& path, const std::string& key, const Json& e, const Json& a) {
    if (e.is_object() && a.is_object()) return objects(path, e, a, {});
    if (e.is_array() && a.is_array()) return arrays(path, key, e, a);
    if (e.is_number() && a.is_number()) {
      if (std::abs(e.get<double>() - a.get<double>()) > tolerance) differ(path, e, a);
      return;
    }
    if (e != a) differ(path, e, a);
  }

  void arrays(const std::string& path, const std::string& key, const Json& e, const Json& a) {
    size_t size = e.size() == a.size() ? e.size() : 0;
    for (size_t i = 0; i < std::max(e.size(), a.size()); ++i) {
      std::string field = joined(path, elementName(key, i, size));
      if (i >= e.size()) differ(field, std::nullopt, a[i]);
      else if (i >= a.size()) differ(field, e[i], std::nullopt);
      else values(field, "", e[i], a[i]);
    }
  }

  // Every key of either side but those `skipped`, in order.
  void objects(const std::string& path, const Json& e, const Json& a, std::initializer_list<std::string_view> skipped) {
    std::set<std::string> keys;
    for (const Json* side : {&e, &a})
      for (const auto& [key, value] : side->items()) keys.insert(key);
    for (const std::string& key : keys) {
      if (std::find(skipped.begin(), skipped.end(), key) != skipped.end()) continue;
      auto inE = e.find(key), inA = a.find(key);
      std::string field = joined(path, key);
      if (inE == e.end()) differ(field, std::nullopt, *inA);
      else if (inA == a.end()) differ(field, *inE, std::nullopt);
      else values(field, key, *inE, *inA);
    }
  }

  void trees(const Json& e, const Json& a) {
    Views views[2];
    collectViews(e, "0", views[0]);
    collectViews(a, "0", views[1]);
    std::map<std::string, std::pair<const Json*, const Json*>, TreeOrder> both;
    for (const auto& [id, v] : views[0]) both[id].first = v;
    for (const auto& [id, v] : views[1]) both[id].second = v;
    // The view on one side only that the views since lie within, also on that side only.
    std::string lone;
    for (const auto& [id, sides] : both) {
      view = id;
      const auto& [inE, inA] = sides;
      if (inE && inA) {
        lone.clear();
        Json classE = viewClass(*inE), classA = viewClass(*inA);
        if (classE != classA) differ("class", classE, classA);
        else objects("", *inE, *inA, {"id", "subviews"});
      } else if (!lone.empty() && id.starts_with(lone + "/") && bool(differences.back().expected) == bool(inE)) {
        ++differences.back().descendants;
      } else {
        lone = id;
        differ("", inE ? std::optional(viewClass(*inE)) : std::nullopt, inA ? std::optional(viewClass(*inA)) : std::nullopt);
      }
    }
    view.clear();
  }

  void snapshots(const Json& e, const Json& a) {
    for (size_t i = 0; i < std::max(e.size(), a.size()); ++i) {
      const Json* inE = i < e.size() ? &e[i] : nullptr;
      const Json* inA = i < a.size() ? &a[i] : nullptr;
      if (inE && inA && !(inE->is_object() && inA->is_object())) {
        values("snapshots." + std::to_string(i), "", *inE, *inA);
        continue;
      }
      snapshot = snapshotName(inE ? *inE : *inA, i);
      position = i;
      if (!inE || !inA) {
        differ("", inE ? std::optional<Json>(snapshot) : std::nullopt, inA ? std::optional<Json>(snapshot) : std::nullopt);
      } else {
        objects("", *inE, *inA, {"tree"});
        tree(*inE, *inA);
      }
      snapshot.clear();
      position.reset();
    }
  }

  void tree(const Json& e, const Json& a) {
    auto inE = e.find("tree"), inA = a.find("tree");
    if (inE == e.end() && inA == a.end()) return;
    if (inE != e.end() && inA != a.end() && inE->is_object() && inA->is_object()) return trees(*inE, *inA);
    differ("tree", valueAt(e, inE), valueAt(a, inA));
  }
};

}  // namespace

}  // namespace lv::sim

std::vector<lv::sim::ReportDifference> lv::sim::compareReports(const nlohmann::json& expected,
                                                               const nlohmann::json& actual, double tolerance) {
  std::vector<ReportDifference> differences;
  Walker walk{differences, tolerance};
  auto inE = expected.find("snapshots"), inA = actual.find("snapshots");
  bool listed = expected.is_object() && actual.is_object() && inE != expected.end() && inA != actual.end() &&
                inE->is_array() && inA->is_array();
  if (!listed) {
    walk.values("", "", expected, actual);
    return differences;
  }
  walk.objects("", expected, actual, {"snapshots"});
  walk.snapshots(*inE, *inA);
  return differences;
}

std::string lv::sim::describe(const ReportDifference& d) {
  std::string line = d.snapshot.empty() ? "" : printable(d.snapshot, kNameLimit) + ": ";
  if (!d.view.empty()) line += printable(d.view, kNameLimit) + " ";
  const char* side = d.expected ? "missing" : "added";
  if (d.field.empty() && d.view.empty()) return "snapshot " + line + side;
  if (d.field.empty()) {
    line += printable((d.expected ? *d.expected : *d.actual).get<std::string>(), kNameLimit) + ": " + side;
    if (!d.descendants) return line;
    return line + " with " + std::to_string(d.descendants) + (d.descendants == 1 ? " view within" : " views within");
  }
  return line + printable(d.field, kNameLimit * 2) + ": " + (d.expected ? shown(*d.expected) : "absent") + " -> " +
         (d.actual ? shown(*d.actual) : "absent");
}
