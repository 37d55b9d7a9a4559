#include "tools/lvsim/run_command.h"

#include "tools/lvsim/exit_codes.h"
#include "tools/lvsim/scenario.h"
#include "tools/lvsim/story.h"

void lv::sim::addRunCommand(CLI::App& app, RunOptions& options) {
  CLI::App* run = app.add_subcommand("run", "Run a scenario on the lock screen and write DIR/report.json");
  run->add_option("scenario", options.scenario, "Scenario file (JSON)")->required()->type_name("SCENARIO.json");
  run->add_option("--out", options.out, "Folder for report.json (default: the current folder)")->type_name("DIR");
  run->add_flag("--png", options.png, "Also write a picture of each snapshot beside the report");
  run->add_flag("--pretty", options.pretty, "Indent report.json for reading (compact by default)");
  addDeviceOptions(*run, options.device, "; over the scenario's");
  addTraceOptions(run, options.trace);
}

int lv::sim::runScenario(const RunOptions& options) {
  Scenario scenario;
  try {
    scenario = readScenario(options.scenario);
  } catch (const ScenarioError& e) {
    return fail(kUsageFault, options.scenario, e.what());
  }
  if (int code = applyDeviceOptions(options.device, scenario.boot)) return code;
  StoryOptions story;
  story.name = std::filesystem::path(options.scenario).filename().string();
  story.where = options.scenario;
  story.inputs = {options.scenario};
  if (!options.device.settingsFile.empty()) story.inputs.push_back(options.device.settingsFile);
  story.out = options.out;
  story.pictures = options.png;
  story.pretty = options.pretty;
  MessageTrace trace(options.trace);
  if (auto error = trace.pathError(story.inputs)) return fail(kUsageFault, options.trace.file, *error);
  return trace.finish(tellStory(scenario, story));
}
