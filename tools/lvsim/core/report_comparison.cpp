#include "tools/lvsim/core/report_comparison.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <set>
#include <span>
#include <string_view>

#include "tools/lvsim/core/echo.h"
#include "tools/lvsim/core/view_alignment.h"

namespace lv::sim {

namespace {

using Json = nlohmann::json;

constexpr size_t kNameLimit = 48;
constexpr size_t kValueLimit = 80;

// The element names of the report's arrays of named elements, by the key that holds them;
// nullptr for any other key.
const std::vector<std::string>* elementNames(std::string_view key) {
  static const std::vector<std::string> rect = {"x", "y", "width", "height"}, point = {"x", "y"},
                                        size = {"width", "height"}, color = {"red", "green", "blue", "alpha"},
                                        transform = {"a", "b", "c", "d", "tx", "ty"};
  static const std::map<std::string, const std::vector<std::string>*, std::less<>> named = {
      {"frame", &rect},          {"windowFrame", &rect},    {"contentOffset", &point}, {"contentSize", &size},
      {"transform", &transform}, {"backgroundColor", &color}, {"textColor", &color}};
  auto found = named.find(key);
  return found == named.end() ? nullptr : found->second;
}

std::string elementName(const std::string& key, size_t index, size_t size) {
  const std::vector<std::string>* names = elementNames(key);
  return names && names->size() == size ? (*names)[index] : std::to_string(index);
}

// The keys of a report's header, its snapshots and its views: the fields --ignore names.
bool reportKey(std::string_view key) {
  static const std::set<std::string, std::less<>> keys = {
      "format", "version", "scenario", "profile", "system", "settings", "without", "library", "hooks",
      "name", "time", "globals", "events", "picture", "caption",
      "class", "frame", "windowFrame", "hidden", "alpha", "transform", "cornerRadius", "maskedCorners",
      "clipsToBounds", "backgroundColor", "text", "textColor", "font", "textAlignment", "contentOffset",
      "contentSize", "mask", "presentation", "properties"};
  return keys.contains(key);
}

bool within(std::string_view field, std::string_view ignored) {
  return field.starts_with(ignored) && (field.size() == ignored.size() || field[ignored.size()] == '.');
}

std::string joined(const std::string& path, const std::string& name) { return path.empty() ? name : path + "." + name; }

size_t descendantsOf(const Json& view) {
  size_t count = 0;
  for (const Json& sub : subviewsOf(view)) count += sub.is_object() ? 1 + descendantsOf(sub) : 0;
  return count;
}

// Calls `visit` with each step of the alignment of two views' subviews: the view on each
// side (nullptr on the side that lacks it) and its id.
template <typename Visit>
void eachAligned(const Json& e, const Json& a, const std::string& idE, const std::string& idA, Visit visit) {
  const Json &subE = subviewsOf(e), &subA = subviewsOf(a);
  for (const AlignedViews& step : alignViews(subE, subA)) {
    const Json* inE = step.expected ? &subE[*step.expected] : nullptr;
    const Json* inA = step.actual ? &subA[*step.actual] : nullptr;
    visit(inE, inA, inE ? viewId(*inE, idE + "/" + std::to_string(*step.expected)) : "",
          inA ? viewId(*inA, idA + "/" + std::to_string(*step.actual)) : "");
  }
}

using Counterparts = std::map<std::string, std::string, std::less<>>;

// The actual id of each paired view whose id differs, by its expected id.
void pairIds(const Json& e, const Json& a, const std::string& idE, const std::string& idA, Counterparts& ids) {
  if (idE != idA) ids.emplace(idE, idA);
  eachAligned(e, a, idE, idA, [&](const Json* inE, const Json* inA, const std::string& subE, const std::string& subA) {
    if (inE && inA) pairIds(*inE, *inA, subE, subA, ids);
  });
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
  std::span<const std::string> ignored;
  std::string snapshot = {}, view = {}, actualView = {};
  std::optional<size_t> position = {};
  Counterparts counterparts = {};  // of the snapshot's views

  void differ(const std::string& field, std::optional<Json> e, std::optional<Json> a) {
    if (std::ranges::any_of(ignored, [&](const std::string& i) { return within(field, i); })) return;
    differences.push_back({snapshot, position, view, actualView, field, std::move(e), std::move(a), 0});
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
      else if (key == "id" && inE->is_string() && inA->is_string()) ids(field, *inE, *inA);
      else values(field, key, *inE, *inA);
    }
  }

  // The ids of the views an object refers to, alike when the views are paired.
  void ids(const std::string& field, const Json& e, const Json& a) {
    auto counterpart = counterparts.find(e.get<std::string>());
    if ((counterpart == counterparts.end() ? e.get<std::string>() : counterpart->second) != a.get<std::string>())
      differ(field, e, a);
  }

  // A view on one side only: one difference, counting the views within it.
  void lone(const Json& v, const std::string& id, bool expected) {
    view = id;
    actualView.clear();
    std::optional<Json> cls = viewClass(v);
    differ("", expected ? cls : std::nullopt, expected ? std::nullopt : cls);
    differences.back().descendants = descendantsOf(v);
  }

  // Two paired views, then their subviews as they align.
  void pair(const Json& e, const Json& a, const std::string& idE, const std::string& idA) {
    view = idE;
    actualView = idA == idE ? "" : idA;
    objects("", e, a, {"id", "subviews"});
    eachAligned(e, a, idE, idA, [&](const Json* inE, const Json* inA, const std::string& subE, const std::string& subA) {
      if (!inA) lone(*inE, subE, true);
      else if (!inE) lone(*inA, subA, false);
      else pair(*inE, *inA, subE, subA);
    });
  }

  void trees(const Json& e, const Json& a) {
    pair(e, a, viewId(e, "0"), viewId(a, "0"));
    view.clear();
    actualView.clear();
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
        fieldsAndTree(*inE, *inA);
      }
      snapshot.clear();
      position.reset();
    }
  }

  // A snapshot's own fields, where a view's id is alike to its counterpart's, then its tree.
  void fieldsAndTree(const Json& e, const Json& a) {
    auto inE = e.find("tree"), inA = a.find("tree");
    bool trees = inE != e.end() && inA != a.end() && inE->is_object() && inA->is_object();
    counterparts.clear();
    if (trees) pairIds(*inE, *inA, viewId(*inE, "0"), viewId(*inA, "0"), counterparts);
    objects("", e, a, {"tree"});
    if (trees) return this->trees(*inE, *inA);
    if (inE != e.end() || inA != a.end()) differ("tree", valueAt(e, inE), valueAt(a, inA));
  }
};

}  // namespace

}  // namespace lv::sim

std::vector<lv::sim::ReportDifference> lv::sim::compareReports(const nlohmann::json& expected,
                                                               const nlohmann::json& actual, double tolerance,
                                                               std::span<const std::string> ignored) {
  std::vector<ReportDifference> differences;
  Walker walk{differences, tolerance, ignored};
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

bool lv::sim::knownField(std::string_view field) {
  std::string_view key = field.substr(0, field.find('.'));
  if (!reportKey(key) || field.ends_with('.')) return false;
  if (key.size() == field.size()) return true;
  const std::vector<std::string>* names = elementNames(key);
  return !names || std::ranges::find(*names, field.substr(key.size() + 1)) != names->end();
}

std::string lv::sim::describe(const ReportDifference& d) {
  std::string line = d.snapshot.empty() ? "" : printable(d.snapshot, kNameLimit) + ": ";
  if (!d.view.empty()) line += printable(d.view, kNameLimit) + " ";
  if (!d.actualView.empty()) line += "(now " + printable(d.actualView, kNameLimit) + ") ";
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
