#include "tools/lvsim/core/live_script.h"

#include <algorithm>

#include "tools/lvsim/core/live_keys.h"

namespace lv::sim {

namespace {

using namespace json;

CGPoint pair(const Json& value, const Place& at, double (*read)(const Json&, const Place&) = number) {
  if (!value.is_array() || value.size() != 2) at.fail("expected [X, Y]");
  return {read(value[0], at[0]), read(value[1], at[1])};
}

LiveTarget target(const Json& value, const Place& at) {
  LiveTarget t;
  if (value.is_string()) {
    t.className = text(value, at);
    return t;
  }
  if (value.is_array()) {
    t.point = pair(value, at);
    return t;
  }
  if (!value.is_object()) at.fail("expected [X, Y], a class name or {\"view\": CLASS, \"at\": [FX, FY]}");
  onlyKeys(value, at, {"view", "at"});
  t.className = text(require(value, "view", at), at["view"]);
  if (auto f = value.find("at"); f != value.end()) t.fraction = pair(*f, at["at"], fraction);
  return t;
}

std::string pictureName(const Json& value, const Place& at) {
  std::string name = text(value, at);
  constexpr size_t kMaxFileName = 255;  // bytes, as the file system allows
  bool plain = !name.empty() && name.size() <= kMaxFileName && name.find_first_of(std::string("/\0", 2)) == std::string::npos;
  if (!plain || !name.ends_with(".png"))
    at.fail("expected a file name of at most 255 bytes ending in .png, got " + inQuotes(name));
  return name;
}

void readAction(ScriptEvent& e, const std::string& action, const Json& value, const Place& at) {
  if (action == "click" || action == "move") {
    e.kind = action == "click" ? ScriptEvent::Kind::Click : ScriptEvent::Kind::Move;
    e.from = target(value, at);
  } else if (action == "drag") {
    e.kind = ScriptEvent::Kind::Drag;
    if (!value.is_object()) at.fail("expected an object with from, to, seconds and hold");
    onlyKeys(value, at, {"from", "to", "seconds", "hold"});
    e.from = target(require(value, "from", at), at["from"]);
    e.to = target(require(value, "to", at), at["to"]);
    if (auto s = value.find("seconds"); s != value.end()) e.seconds = nonNegative(*s, at["seconds"]);
    if (auto h = value.find("hold"); h != value.end()) e.hold = boolean(*h, at["hold"]);
  } else if (action == "wheel") {
    e.kind = ScriptEvent::Kind::Wheel;
    if (!value.is_object()) at.fail("expected an object with over and notches");
    onlyKeys(value, at, {"over", "notches"});
    e.from = target(require(value, "over", at), at["over"]);
    constexpr std::string_view notZero = ", not 0";
    e.notches = int(wholeNumber(require(value, "notches", at), at["notches"], -100, 100, notZero));
    if (e.notches == 0) at["notches"].fail("expected a whole number from -100 to 100" + std::string(notZero));
  } else if (action == "release") {
    e.kind = ScriptEvent::Kind::Release;
    mustBeTrue(value, at);
  } else if (action == "key") {
    e.kind = ScriptEvent::Kind::Key;
    e.key = text(value, at);
    if (!isLiveKey(e.key)) {
      std::string known;
      for (std::string_view k : kLiveKeys) known += (known.empty() ? "" : ", ") + std::string(k);
      at.fail("unknown key " + inQuotes(e.key) + " (known: " + known + ")");
    }
  } else {
    e.kind = ScriptEvent::Kind::Save;
    e.file = pictureName(value, at);
  }
}

ScriptEvent event(const Json& value, const Place& at) {
  if (!value.is_object()) at.fail("expected an object with \"at\" and one action");
  onlyKeys(value, at, {"at", "click", "move", "drag", "wheel", "release", "key", "save"});
  if (value.size() != 2) at.fail("expected \"at\" and one action of click, move, drag, wheel, release, key or save");
  ScriptEvent e;
  e.place = at.path();
  e.at = nonNegative(require(value, "at", at), at["at"]);
  for (const auto& [key, action] : value.items())
    if (key != "at") readAction(e, key, action, at[key]);
  return e;
}

}  // namespace

}  // namespace lv::sim

std::vector<lv::sim::ScriptEvent> lv::sim::readLiveScript(const std::filesystem::path& file) {
  Json root = readJsonFile(file);
  Place top("");
  if (!root.is_object()) top.fail("expected an object with \"events\"");
  onlyKeys(root, top, {kSchemaKey, "events"});
  checkSchemaKey(root, top);
  const Json& list = require(root, "events", top);
  if (!list.is_array()) top["events"].fail("expected an array of events");
  std::vector<ScriptEvent> events;
  for (size_t i = 0; i < list.size(); ++i) events.push_back(event(list[i], top["events"][i]));
  std::stable_sort(events.begin(), events.end(), [](const ScriptEvent& a, const ScriptEvent& b) { return a.at < b.at; });
  return events;
}
