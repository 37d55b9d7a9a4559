#include "tools/lvsim/run_command.h"

#include <cstdio>
#include <fstream>

#include "host/lock_screen.h"
#include "tools/lvsim/scenario.h"

namespace lvsim {

namespace {

constexpr int kScenarioFault = 2;
constexpr int kRunFault = 1;

using Json = nlohmann::ordered_json;

// Takes one step; a snapshot step adds to `snapshots`.
struct StepTaker {
  host::LockScreen& screen;
  Json& snapshots;

  void operator()(const PlayStep& s) { screen.play(s.track); }
  void operator()(const AdvanceStep& s) { screen.advance(s.seconds); }
  void operator()(const TapPointStep& s) { screen.tap(s.point); }
  void operator()(const TapViewStep& s) { screen.tap(s.className); }
  void operator()(const DragStep& s) { screen.drag(s.on, s.from, s.to, s.steps, s.hold); }
  void operator()(const ReleaseStep&) { screen.release(); }
  void operator()(const SizeClassStep& s) { screen.setSizeClass(s.sizeClass); }
  void operator()(const StopStep&) { screen.stop(); }
  void operator()(const SnapshotStep& s) { snapshots.push_back(screen.snapshot(s.name)); }
};

Json header(const RunOptions& options, host::LockScreen& screen, const host::BootOptions& boot) {
  Json settings = Json::object();
  for (const auto& [key, value] : boot.settings) settings[key] = value;
  Json without = Json::array();
  for (const std::string& name : boot.without) without.push_back(name);
  const host::DeviceProfile& profile = screen.device().profile();
  return {{"scenario", std::filesystem::path(options.scenario).filename().string()},
          {"profile", profile.name},
          {"system", boot.systemVersion.empty() ? std::string(profile.systemVersion) : boot.systemVersion},
          {"settings", settings},
          {"without", without}};
}

int fail(int code, const std::string& where, const std::string& what) {
  std::fprintf(stderr, "lvsim: %s: %s\n", where.c_str(), what.c_str());
  return code;
}

}  // namespace

void addRunCommand(CLI::App& app, RunOptions& options) {
  CLI::App* run = app.add_subcommand("run", "Run a scenario on the lock screen and write DIR/report.json");
  run->add_option("scenario", options.scenario, "Scenario file (JSON)")->required()->type_name("SCENARIO.json");
  run->add_option("--out", options.out, "Folder for report.json (default: the current folder)")->type_name("DIR");
}

int runScenario(const RunOptions& options) {
  Scenario scenario;
  try {
    scenario = readScenario(options.scenario);
  } catch (const ScenarioError& e) {
    return fail(kScenarioFault, options.scenario, e.what());
  }

  std::unique_ptr<host::LockScreen> screen;
  try {
    screen = host::LockScreen::boot(scenario.boot);
  } catch (const host::BootError& e) {
    return fail(kRunFault, options.scenario, e.what());
  }
  for (const auto& [name, place] : classesNamed(scenario))
    if (!objc_getClass(name.c_str())) return fail(kScenarioFault, options.scenario, place + ": no class named \"" + name + "\"");

  Json snapshots = Json::array();
  StepTaker take{*screen, snapshots};
  for (size_t i = 0; i < scenario.steps.size(); ++i) {
    try {
      std::visit(take, scenario.steps[i]);
    } catch (const host::SessionError& e) {
      return fail(kRunFault, options.scenario, scenario.stepPlaces[i] + ": " + e.what());
    }
  }

  Json report = header(options, *screen, scenario.boot);
  report["snapshots"] = std::move(snapshots);
  std::filesystem::path out = std::filesystem::path(options.out) / "report.json";
  std::error_code ignored;
  std::filesystem::create_directories(options.out, ignored);
  std::ofstream file(out);
  if (!(file << report.dump(2) << "\n")) return fail(kRunFault, out.string(), "cannot write the report");
  std::printf("%s: %zu snapshots\n", out.string().c_str(), report["snapshots"].size());
  return 0;
}

}  // namespace lvsim
