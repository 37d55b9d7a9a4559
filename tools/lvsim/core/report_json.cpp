#include "tools/lvsim/core/report_json.h"

#include <cmath>
#include <iterator>

namespace {

using OrderedJson = nlohmann::ordered_json;

// `value` rounded to a millionth, with -0 as 0.
double reportNumber(double value) {
  double rounded = std::round(value * 1e6) / 1e6;
  return rounded == 0 ? 0 : rounded;
}

OrderedJson rectJson(CGRect r) {
  return {reportNumber(r.origin.x), reportNumber(r.origin.y), reportNumber(r.size.width),
          reportNumber(r.size.height)};
}

OrderedJson pointJson(CGPoint p) { return {reportNumber(p.x), reportNumber(p.y)}; }

OrderedJson sizeJson(CGSize s) { return {reportNumber(s.width), reportNumber(s.height)}; }

OrderedJson transformJson(CGAffineTransform t) {
  return {reportNumber(t.a), reportNumber(t.b), reportNumber(t.c),
          reportNumber(t.d), reportNumber(t.tx), reportNumber(t.ty)};
}

OrderedJson colorJson(const uikit::RGBA& c) {
  return {reportNumber(c.r), reportNumber(c.g), reportNumber(c.b), reportNumber(c.a)};
}

const char* alignmentName(NSInteger alignment) {
  static const char* const names[] = {"left", "center", "right", "justified", "natural"};
  return alignment >= 0 && alignment < NSInteger(std::size(names)) ? names[alignment] : "natural";
}

OrderedJson orNull(const std::optional<std::string>& text) { return text ? OrderedJson(*text) : OrderedJson(nullptr); }

// {"id", "class"} for a view of the tree, {"class"} for any other object, null for nil.
OrderedJson objectJson(const std::optional<lv::host::ObjectSnapshot>& object) {
  if (!object) return nullptr;
  OrderedJson json = OrderedJson::object();
  if (object->viewId) json["id"] = *object->viewId;
  json["class"] = object->className;
  return json;
}

OrderedJson maskJson(const std::optional<lv::host::MaskSnapshot>& mask) {
  if (!mask) return nullptr;
  OrderedJson locations = OrderedJson::array();
  for (double l : mask->locations) locations.push_back(reportNumber(l));
  return {{"class", mask->className}, {"locations", locations}};
}

OrderedJson presentationJson(const lv::host::PresentationSnapshot& p) {
  OrderedJson presentation = {{"frame", rectJson(p.frame)},
                       {"alpha", reportNumber(p.alpha)},
                       {"transform", transformJson(p.transform)}};
  if (p.contentOffset) presentation["contentOffset"] = pointJson(*p.contentOffset);
  return presentation;
}

struct GlobalJson {
  OrderedJson operator()(bool b) const { return b; }
  OrderedJson operator()(double d) const { return d; }
  OrderedJson operator()(const std::optional<lv::host::ObjectSnapshot>& object) const { return objectJson(object); }
};

OrderedJson viewTreeJson(const lv::host::ViewSnapshot& view) {
  OrderedJson json = {{"id", view.id},
               {"class", view.className},
               {"frame", rectJson(view.frame)},
               {"windowFrame", rectJson(view.windowFrame)},
               {"hidden", view.hidden},
               {"alpha", reportNumber(view.alpha)},
               {"transform", transformJson(view.transform)},
               {"cornerRadius", reportNumber(view.cornerRadius)},
               {"maskedCorners", view.maskedCorners},
               {"clipsToBounds", view.clipsToBounds}};
  json["backgroundColor"] = view.backgroundColor ? colorJson(*view.backgroundColor) : OrderedJson(nullptr);
  if (view.hasText) json["text"] = orNull(view.text);
  if (const auto& looks = view.textLooks) {
    json["textColor"] = colorJson(looks->color);
    json["font"] = {{"name", looks->fontName}, {"size", reportNumber(looks->fontSize)}, {"weight", looks->fontWeight}};
    json["textAlignment"] = alignmentName(looks->alignment);
  }
  if (view.scroll) {
    json["contentOffset"] = pointJson(view.scroll->contentOffset);
    json["contentSize"] = sizeJson(view.scroll->contentSize);
  }
  json["mask"] = maskJson(view.mask);
  if (view.presentation) json["presentation"] = presentationJson(*view.presentation);
  OrderedJson properties = OrderedJson::object();
  for (const auto& [name, object] : view.properties) properties[name] = objectJson(object);
  json["properties"] = std::move(properties);
  OrderedJson subviews = OrderedJson::array();
  for (const lv::host::ViewSnapshot& sub : view.subviews) subviews.push_back(viewTreeJson(sub));
  json["subviews"] = std::move(subviews);
  return json;
}

}  // namespace

OrderedJson lv::sim::headerJson(const ReportHeader& header) {
  return {{"format", std::string(kReportFormat)},
          {"version", header.version},
          {"scenario", header.scenario},
          {"profile", header.profile},
          {"system", header.system},
          {"settings", header.settings},
          {"without", header.without},
          {"library", header.library}};
}

OrderedJson lv::sim::globalsJson(const std::vector<lv::host::GlobalSnapshot>& globals) {
  OrderedJson json = OrderedJson::object();
  for (const lv::host::GlobalSnapshot& g : globals) json[g.name] = std::visit(GlobalJson{}, g.value);
  return json;
}

OrderedJson lv::sim::hookCallsJson(const std::vector<lv::host::HookCall>& calls) {
  OrderedJson json = OrderedJson::array();
  for (const lv::host::HookCall& c : calls)
    json.push_back({{"function", c.function}, {"method", c.method}, {"outcome", c.outcome}, {"installed", c.installed}});
  return json;
}

OrderedJson lv::sim::snapshotJson(const lv::host::LockScreenSnapshot& snapshot) {
  OrderedJson launches = OrderedJson::array();
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
