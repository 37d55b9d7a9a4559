#include "tools/lvsim/hooks_command.h"

#include <cstdio>
#include <iostream>

#include <CLI/CLI.hpp>

#include "host/device.h"
#include "host/globals_snapshot.h"
#include "host/hook_calls.h"
#include "tools/lvsim/core/exit_codes.h"
#include "tools/lvsim/core/report_json.h"
#include "tools/lvsim/core/story.h"
#include "tools/lvsim/shared_options.h"

namespace lv::sim {

namespace {

nlohmann::ordered_json globalsOf(const lv::host::Device& device) {
  if (!device.hasLibrary()) return nlohmann::ordered_json::object();
  return globalsJson(lv::host::snapshotGlobals(device.library()));
}

void printJson(const lv::host::Device& device) {
  nlohmann::ordered_json rows = nlohmann::ordered_json::array();
  for (const lv::host::InstallationRow& r : device.installationReport()) {
    rows.push_back({{"group", r.group},
                    {"row", r.row},
                    {"kind", r.kind},
                    {"class", r.className},
                    {"name", r.name},
                    {"installed", r.installed}});
  }
  nlohmann::ordered_json out = {
      {"rows", rows}, {"globals", globalsOf(device)}, {"calls", hookCallsJson(lv::host::libraryHookCalls())}};
  std::cout << out.dump(2) << "\n";
}

void printTable(const lv::host::Device& device) {
  std::printf("%-5s %3s  %-11s  %-35s  %-38s  %s\n", "group", "row", "kind", "class", "name", "installed");
  for (const lv::host::InstallationRow& r : device.installationReport()) {
    std::printf("%-5d %3d  %-11s  %-35s  %-38s  %s\n", r.group, r.row, r.kind.c_str(),
                r.className.c_str(), r.name.c_str(), r.installed ? "yes" : "no");
  }
  std::printf("\n");
  nlohmann::ordered_json globals = globalsOf(device);
  for (const auto& [name, value] : globals.items())
    std::printf("%-18s %s\n", name.c_str(), value.dump().c_str());
  std::vector<lv::host::HookCall> calls = lv::host::libraryHookCalls();
  if (calls.empty()) return;
  std::printf("\n%-19s  %-60s  %s\n", "call", "method", "outcome");
  for (const lv::host::HookCall& c : calls)
    std::printf("%-19s  %-60s  %s\n", c.function.c_str(), c.method.c_str(), c.outcome.c_str());
}

// A line for each call that installed nothing; answers whether there was one.
bool refuseIdleHooks() {
  bool idle = false;
  for (const lv::host::HookCall& c : lv::host::libraryHookCalls()) {
    if (c.installed) continue;
    fail(kRunFault, "hooks", c.function + " " + c.method + ": " + c.outcome);
    idle = true;
  }
  return idle;
}

}  // namespace

}  // namespace lv::sim

void lv::sim::addHooksCommand(CLI::App& app, HooksOptions& options) {
  CLI::App* hooks = app.add_subcommand(
      "hooks", "Load the library and list what it installed: its tables' rows (ours) or the methods it changed, "
               "its globals, and every MSHookMessageEx, class_addMethod and class_replaceMethod call it made "
               "with what each did");
  addDeviceOptions(*hooks, options.device);
  hooks->add_flag("--json", options.json, "Print one JSON object");
  hooks->add_flag("--strict", options.strict,
                  "Exit with 1, naming each on stderr, if a call to MSHookMessageEx, class_addMethod or "
                  "class_replaceMethod installed nothing (a misspelt class or selector)");
}

int lv::sim::runHooks(const HooksOptions& options) {
  lv::host::BootOptions boot;
  if (int code = applyDeviceOptions(options.device, boot)) return code;
  std::unique_ptr<lv::host::Device> device;
  try {
    device = lv::host::Device::boot(boot);
  } catch (const lv::host::BootError& e) {
    return bootFault(e, "hooks");
  }
  if (options.json)
    printJson(*device);
  else
    printTable(*device);
  std::fflush(stdout);
  return options.strict && refuseIdleHooks() ? kRunFault : kSuccess;
}
