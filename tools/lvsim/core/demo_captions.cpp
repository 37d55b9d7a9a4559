#include "tools/lvsim/core/demo_captions.h"

#include <cmath>
#include <string_view>

namespace lv::sim::captions {

namespace {

// The first shown view of a class, depth first.
const Json* shown(const Json& view, std::string_view cls) {
  if (view["hidden"] == true) return nullptr;
  if (view["class"] == cls) return &view;
  for (const Json& sub : view["subviews"])
    if (const Json* found = shown(sub, cls)) return found;
  return nullptr;
}

const Json* shownIn(const Json& snapshot, std::string_view cls) { return shown(snapshot["tree"], cls); }

bool isTrue(const Json& snapshot, const char* global) {
  const Json& globals = snapshot["globals"];
  return globals.contains(global) && globals[global] == true;
}

bool expanded(const Json& snapshot) { return isTrue(snapshot, "Expanded"); }

// The elapsed time the time controls show, or nothing.
std::string elapsedText(const Json& snapshot) {
  const Json* controls = shownIn(snapshot, "MRUNowPlayingTimeControlsView");
  if (!controls) return {};
  for (const Json& sub : (*controls)["subviews"])
    if (sub.contains("text") && sub["hidden"] == false) return sub["text"].get<std::string>();
  return {};
}

}  // namespace

std::string playing(const Json& snapshot) {
  if (!shownIn(snapshot, "CSAdjunctItemView")) return "A track with a long title plays, but no platter shows.";
  return "A track with a long title plays.";
}

std::string marquee(const Json& snapshot) {
  const Json* label = shownIn(snapshot, "CBAutoScrollLabel");
  if (!label) return "No marquee: the title keeps still.";
  for (const Json& sub : (*label)["subviews"]) {
    const Json& on = sub.contains("presentation") ? sub["presentation"] : sub;
    if (on.contains("contentOffset") && std::abs(on["contentOffset"][0].get<double>()) > 0.5)
      return "The title scrolls: its marquee has moved.";
  }
  return "The title keeps still: its marquee has not moved.";
}

std::string enlarging(const Json& snapshot) {
  return expanded(snapshot) ? "The artwork is tapped and grows..." : "The artwork is tapped: it keeps its size.";
}

std::string enlarged(const Json& snapshot) {
  if (!expanded(snapshot)) return "The artwork stays small.";
  return isTrue(snapshot, "ShowBackground") ? "...over the blurred artwork background." : "...with no background behind it.";
}

std::string scrubbing(const Json& snapshot) {
  const Json* controls = shownIn(snapshot, "MRUNowPlayingTimeControlsView");
  if (!controls) return "No scrubber shows to be dragged.";
  bool stretched = (*controls)["transform"][3].get<double>() > 1;
  return std::string("The scrubber is dragged and held: ") + (stretched ? "it stretches." : "it keeps its size.");
}

std::string released(const Json& snapshot) {
  std::string time = elapsedText(snapshot);
  return time.empty() ? "Released." : "Released: the scrubber settles at " + time + ".";
}

std::string collapsed(const Json& snapshot) {
  return expanded(snapshot) ? "The artwork is tapped again, and stays enlarged." : "The artwork is tapped again: it is small.";
}

std::string launched(const Json& snapshot) {
  const Json& events = snapshot["events"];
  if (events["launches"].empty()) return "The title is tapped: no app is launched.";
  std::string caption = "The title is tapped: " + events["launches"].back().get<std::string>() + " is launched";
  return caption + (events["unlockRequests"].get<long>() > 0 ? " and the unlock is requested." : ".");
}

std::optional<lv::render::PixelRect> platterArea(const Json& snapshot, double scale) {
  const Json* card = shownIn(snapshot, "MTMaterialView");
  if (!card) return std::nullopt;
  const Json& f = (*card)["windowFrame"];
  auto pixels = [&](size_t i) { return int(std::lround(f[i].get<double>() * scale)); };
  return lv::render::PixelRect{pixels(0), pixels(1), pixels(2), pixels(3)};
}

}  // namespace lv::sim::captions
