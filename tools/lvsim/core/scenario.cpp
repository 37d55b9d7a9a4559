#include "tools/lvsim/core/scenario.h"

#include <cmath>
#include <initializer_list>
#include <string_view>

#include <nlohmann/json.hpp>

#include "host/host_classes.h"
#include "host/settings.h"
#include "tools/lvsim/core/device_options.h"
#include "tools/lvsim/core/json_reading.h"
#include "tools/lvsim/core/settings_option.h"
#include "uikit/png_file.h"

namespace lv::sim {

namespace {

using namespace json;

lv::host::Artwork artwork(const Json& value, const Place& at, const std::filesystem::path& folder) {
  std::string name = text(value, at);
  if (name == "generated") return lv::host::Artwork::generated();
  if (name == "none") return lv::host::Artwork::none();
  std::filesystem::path file = folder / name;  // an absolute name stays as it is
  if (auto png = uikit::readPngFile(file); !png) at.fail("cannot read the image " + inQuotes(name) + ": " + png.error().reason);
  return lv::host::Artwork::fromFile(file);
}

PlayStep play(const Json& value, const Place& at, const std::filesystem::path& folder) {
  if (!value.is_object()) at.fail("expected an object with title, artist, app, duration and artwork");
  onlyKeys(value, at, {"title", "artist", "app", "duration", "artwork"});
  PlayStep step;
  step.track.title = text(require(value, "title", at), at["title"]);
  step.track.artist = optionalText(value, "artist", at);
  step.track.app = optionalText(value, "app", at);
  step.track.duration = duration(require(value, "duration", at), at["duration"]);
  if (auto art = value.find("artwork"); art != value.end()) step.track.artwork = artwork(*art, at["artwork"], folder);
  return step;
}

bool isPoint(const Json& value) { return value.is_array() && value.size() == 2; }

CGPoint point(const Json& value, const Place& at) { return {number(value[0], at[0]), number(value[1], at[1])}; }

Step tap(const Json& value, const Place& at) {
  if (value.is_string()) return TapViewStep{text(value, at)};
  if (!isPoint(value)) at.fail("expected [X, Y] or a class name");
  return TapPointStep{point(value, at)};
}

CGPoint windowPoint(const Json& value, const Place& at) {
  if (!isPoint(value)) at.fail("expected [X, Y] in window points (fractions of a view take \"on\")");
  return point(value, at);
}

DragStep drag(const Json& value, const Place& at) {
  if (!value.is_object()) at.fail("expected an object with on, from, to, steps and hold");
  onlyKeys(value, at, {"on", "from", "to", "steps", "hold"});
  DragStep step;
  const Json& from = require(value, "from", at);
  const Json& to = require(value, "to", at);
  if (auto on = value.find("on"); on != value.end()) {
    step.on = text(*on, at["on"]);
    if (step.on.empty()) at["on"].fail("expected a class name");
    step.from = fraction(from, at["from"]);
    step.to = fraction(to, at["to"]);
  } else {
    step.fromPoint = windowPoint(from, at["from"]);
    step.toPoint = windowPoint(to, at["to"]);
  }
  if (auto n = value.find("steps"); n != value.end()) step.steps = int(wholeNumber(*n, at["steps"], 1, 10000));
  if (auto hold = value.find("hold"); hold != value.end()) step.hold = boolean(*hold, at["hold"]);
  return step;
}

SizeClassStep sizeClass(const Json& value, const Place& at) {
  std::string name = text(value, at);
  if (name == "compact") return {lv::host::SizeClass::Compact};
  if (name == "regular") return {lv::host::SizeClass::Regular};
  at.fail("expected \"compact\" or \"regular\", got " + inQuotes(name));
}

Step step(const Json& value, const Place& at, const std::filesystem::path& folder) {
  if (!value.is_object() || value.size() != 1) at.fail("a step is an object with one key");
  auto only = value.begin();
  const std::string& kind = only.key();
  const Json& body = only.value();
  Place inner = at[kind];
  if (kind == "play") return play(body, inner, folder);
  if (kind == "advance") return AdvanceStep{nonNegative(body, inner)};
  if (kind == "tap") return tap(body, inner);
  if (kind == "drag") return drag(body, inner);
  if (kind == "release") {
    mustBeTrue(body, inner);
    return ReleaseStep{};
  }
  if (kind == "sizeClass") return sizeClass(body, inner);
  if (kind == "stop") {
    mustBeTrue(body, inner);
    return StopStep{};
  }
  if (kind == "snapshot") {
    std::string name = text(body, inner);
    if (name.empty()) inner.fail("expected a name");
    return SnapshotStep{name};
  }
  at.fail("unknown step " + inQuotes(kind) +
          " (play, advance, tap, drag, release, sizeClass, stop or snapshot)");
}

// A release needs a finger held down by an earlier drag; a tap or another drag lifts it.
void checkReleases(const Scenario& scenario) {
  bool holding = false;
  for (size_t i = 0; i < scenario.steps.size(); ++i) {
    const Step& s = scenario.steps[i];
    if (std::holds_alternative<ReleaseStep>(s) && !holding)
      Place(scenario.stepPlaces[i]).fail("nothing to release: no drag holds a finger down");
    if (const auto* d = std::get_if<DragStep>(&s))
      holding = d->hold;
    else if (std::holds_alternative<ReleaseStep>(s) || std::holds_alternative<TapPointStep>(s) ||
             std::holds_alternative<TapViewStep>(s))
      holding = false;
  }
}

void checkAdvances(const Scenario& scenario) {
  double total = 0;
  for (size_t i = 0; i < scenario.steps.size(); ++i) {
    const auto* a = std::get_if<AdvanceStep>(&scenario.steps[i]);
    if (!a) continue;
    total += a->seconds;
    if (total > kLongestStory)
      Place(scenario.stepPlaces[i])["advance"].fail("the advances of a story add up to at most " +
                                                    std::to_string(int(kLongestStory)) + " seconds");
  }
}

void checkSnapshots(const Scenario& scenario) {
  size_t taken = 0;
  for (size_t i = 0; i < scenario.steps.size(); ++i)
    if (std::holds_alternative<SnapshotStep>(scenario.steps[i]) && ++taken > kMostSnapshots)
      Place(scenario.stepPlaces[i]).fail("a story takes at most " + std::to_string(kMostSnapshots) + " snapshots");
}

// The settings file's values, then the "settings" object's over them.
void storedSettings(const Json& root, const Place& top, Scenario& scenario, const std::filesystem::path& folder) {
  if (auto f = root.find("settingsFile"); f != root.end()) {
    std::string name = text(*f, top["settingsFile"]);
    if (name.empty()) top["settingsFile"].fail("expected a file name");
    scenario.settingsFile = folder / name;
    try {
      scenario.boot.settings = readStoredSettings(scenario.settingsFile);
    } catch (const InputError& e) {
      top["settingsFile"].fail(inQuotes(name) + ": " + e.what());
    }
  }
  if (auto s = root.find("settings"); s != root.end()) {
    if (!s->is_object()) top["settings"].fail("expected an object of settings");
    for (const auto& [key, value] : s->items()) {
      if (!lv::host::isSettingKey(key)) top["settings"].fail("unknown setting " + inQuotes(key));
      scenario.boot.settings[key] = boolean(value, top["settings"][key]);
    }
  }
}

// Whole numbers joined by dots, as "15.0" or "16.4.1", and no longer than a version is.
constexpr size_t kLongestVersion = 32;

bool isVersion(std::string_view text) {
  if (text.empty() || text.size() > kLongestVersion || text.front() == '.' || text.back() == '.') return false;
  for (size_t i = 0; i < text.size(); ++i)
    if (text[i] == '.' ? text[i - 1] == '.' : text[i] < '0' || text[i] > '9') return false;
  return true;
}

lv::host::BootOptions bootOptions(const Json& root, const Place& top, const std::filesystem::path& folder) {
  lv::host::BootOptions boot;
  if (auto l = root.find("library"); l != root.end()) {
    std::string name = text(*l, top["library"]);
    if (name.empty()) top["library"].fail("expected a file name or \"none\"");
    chooseLibrary(boot, name, folder);
  }
  if (auto p = root.find("profile"); p != root.end()) {
    boot.profile = text(*p, top["profile"]);
    if (!lv::host::findProfile(boot.profile))
      top["profile"].fail("unknown profile " + inQuotes(boot.profile) + " (phone, small-phone or tablet)");
  }
  if (auto v = root.find("system"); v != root.end()) {
    boot.systemVersion = text(*v, top["system"]);
    if (!isVersion(boot.systemVersion))
      top["system"].fail("expected a version such as \"15.0\" of at most " + std::to_string(kLongestVersion) +
                         " characters, got " + inQuotes(boot.systemVersion));
  }
  if (auto w = root.find("without"); w != root.end()) {
    if (!w->is_array()) top["without"].fail("expected an array of host class names");
    for (size_t i = 0; i < w->size(); ++i) {
      std::string name = text((*w)[i], top["without"][i]);
      if (!lv::host::isHostClass(name)) top["without"][i].fail("unknown host class " + inQuotes(name));
      boot.without.insert(name);
    }
  }
  return boot;
}

}  // namespace

}  // namespace lv::sim

lv::sim::Scenario lv::sim::readScenario(const std::filesystem::path& file) {
  Json root = json::readJsonFile(file);
  Place top("");
  if (!root.is_object()) top.fail("expected an object with profile, system, settings, without and steps");
  onlyKeys(root, top, {kSchemaKey, "profile", "system", "library", "settingsFile", "settings", "without", "steps"});
  checkSchemaKey(root, top);
  Scenario scenario;
  scenario.boot = bootOptions(root, top, file.parent_path());
  storedSettings(root, top, scenario, file.parent_path());
  const Json& steps = require(root, "steps", top);
  if (!steps.is_array()) top["steps"].fail("expected an array of steps");
  for (size_t i = 0; i < steps.size(); ++i) {
    Place at = top["steps"][i];
    scenario.steps.push_back(step(steps[i], at, file.parent_path()));
    scenario.stepPlaces.push_back(at.path());
  }
  checkReleases(scenario);
  checkAdvances(scenario);
  checkSnapshots(scenario);
  return scenario;
}

std::vector<std::pair<std::string, std::string>> lv::sim::classesNamed(const Scenario& scenario) {
  std::vector<std::pair<std::string, std::string>> named;
  for (size_t i = 0; i < scenario.steps.size(); ++i) {
    if (const auto* t = std::get_if<TapViewStep>(&scenario.steps[i])) named.emplace_back(t->className, scenario.stepPlaces[i] + ".tap");
    if (const auto* d = std::get_if<DragStep>(&scenario.steps[i]); d && !d->on.empty())
      named.emplace_back(d->on, scenario.stepPlaces[i] + ".drag.on");
  }
  return named;
}
