#include "tools/lvsim/hooks_command.h"

#include <cstdio>
#include <iostream>

#include <CLI/CLI.hpp>

#include "host/device.h"
#include "host/globals_snapshot.h"
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
  nlohmann::ordered_json out = {{"rows", rows}, {"globals", globalsOf(device)}};
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
}

}  // namespace

}  // namespace lv::sim

void lv::sim::addHooksCommand(CLI::App& app, HooksOptions& options) {
  CLI::App* hooks = app.add_subcommand("hooks", "Load the library and list what it installed");
  addDeviceOptions(*hooks, options.device);
  hooks->add_flag("--json", options.json, "Print one JSON object");
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
  return kSuccess;
}
