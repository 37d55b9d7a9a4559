#include "tools/lvsim/core/report_json.h"

#include <cmath>

namespace {

using Json = nlohmann::ordered_json;

// `value` rounded to a millionth, with -0 as 0.
double reportNumber(double value) {
  double rounded = std::round(value * 1e6) / 1e6;
  return rounded == 0 ? 0 : rounded;
}

Json rectJson(CGRect r) {
  return {reportNumber(r.origin.x), reportNumber(r.origin.y), reportNumber(r.size.width),
          reportNumber(r.size.height)};
}

Json pointJson(CGPoint p) { return {reportNumber(p.x), reportNumber(p.y)}; }

Json sizeJson(CGSize s) { return {reportNumber(s.width), reportNumber(s.height)}; }

Json transformJson(CGAffineTransform t) {
  return {reportNumber(t.a), reportNumber(t.b), reportNumber(t.c),
          reportNumber(t.d), reportNumber(t.tx), reportNumber(t.ty)};
}

Json orNull(const std::optional<std::string>& text) { return text ? Json(*text) : Json(nullptr); }

// {"id", "class"} for a view of the tree, {"class"} for any other object, null for nil.
Json objectJson(const std::optional<lv::host::ObjectSnapshot>& object) {
  if (!object) return nullptr;
  Json json = Json::object();
  if (object->viewId) json["id"] = *object->viewId;
  json["class"] = object->className;
  return json;
}

Json maskJson(const std::optional<lv::host::MaskSnapshot>& mask) {
  if (!mask) return nullptr;
  Json locations = Json::array();
  for (double l : mask->locations) locations.push_back(reportNumber(l));
  return {{"class", mask->className}, {"locations", locations}};
}

Json presentationJson(const lv::host::PresentationSnapshot& p) {
  Json presentation = {{"frame", rectJson(p.frame)},
                       {"alpha", reportNumber(p.alpha)},
                       {"transform", transformJson(p.transform)}};
  if (p.contentOffset) presentation["contentOffset"] = pointJson(*p.contentOffset);
  return presentation;
}

struct GlobalJson {
  Json operator()(bool b) const { return b; }
  Json operator()(double d) const { return d; }
  Json operator()(const std::optional<lv::host::ObjectSnapshot>& object) const { return objectJson(object); }
};

Json viewTreeJson(const lv::host::ViewSnapshot& view) {
  Json json = {{"id", view.id},
               {"class", view.className},
               {"frame", rectJson(view.frame)},
               {"windowFrame", rectJson(view.windowFrame)},
               {"hidden", view.hidden},
               {"alpha", reportNumber(view.alpha)},
               {"transform", transformJson(view.transform)},
               {"cornerRadius", reportNumber(view.cornerRadius)},
               {"maskedCorners", view.maskedCorners},
               {"clipsToBounds", view.clipsToBounds}};
  if (view.hasText) json["text"] = orNull(view.text);
  if (view.scroll) {
    json["contentOffset"] = pointJson(view.scroll->contentOffset);
    json["contentSize"] = sizeJson(view.scroll->contentSize);
  }
  json["mask"] = maskJson(view.mask);
  if (view.presentation) json["presentation"] = presentationJson(*view.presentation);
  Json properties = Json::object();
  for (const auto& [name, object] : view.properties) properties[name] = objectJson(object);
  json["properties"] = std::move(properties);
  Json subviews = Json::array();
  for (const lv::host::ViewSnapshot& sub : view.subviews) subviews.push_back(viewTreeJson(sub));
  json["subviews"] = std::move(subviews);
  return json;
}

}  // namespace

Json lv::sim::headerJson(const ReportHeader& header) {
  return {{"format", std::string(kReportFormat)},
          {"version", header.version},
          {"scenario", header.scenario},
          {"profile", header.profile},
          {"system", header.system},
          {"settings", header.settings},
          {"without", header.without},
          {"library", header.library}};
}

Json lv::sim::globalsJson(const std::vector<lv::host::GlobalSnapshot>& globals) {
  Json json = Json::object();
  for (const lv::host::GlobalSnapshot& g : globals) json[g.name] = std::visit(GlobalJson{}, g.value);
  return json;
}

Json lv::sim::snapshotJson(const lv::host::LockScreenSnapshot& snapshot) {
  Json launches = Json::array();
  for (const std::string& identifier : snapshot.events.launches) launches.push_back(identifier);
  return {{"name", snapshot.name},
          {"time", reportNumber(snapshot.time)},
          {"globals", globalsJson(snapshot.globals)},
          {"events",
           {{"launches", launches},
            {"unlockRequests", snapshot.events.unlockRequests},
            {"haptics", snapshot.events.haptics},
            {"nowPlayingRequests", snapshot.events.nowPlayingRequests}}},
          {"tree", viewTreeJson(snapshot.tree)}};
}
