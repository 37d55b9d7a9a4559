#include "tools/lvsim/hooks_command.h"

#include <cstdio>
#include <iostream>

#include "host/device.h"
#include "host/host_classes.h"
#include "host/globals_snapshot.h"
#include "tools/lvsim/echo.h"
#include "tools/lvsim/exit_codes.h"
#include "tools/lvsim/report_json.h"
#include "tools/lvsim/settings_option.h"
#include "tools/lvsim/story.h"

namespace lv::sim {

namespace {

CLI::Validator hostClassName() {
  return CLI::Validator(
      [](std::string& name) -> std::string {
        return lv::host::isHostClass(name) ? "" : "unknown host class " + inQuotes(name);
      },
      "");
}

lv::host::BootOptions bootOptions(const HooksOptions& options) {
  lv::host::BootOptions boot;
  boot.profile = options.profile;
  addSettingOptions(boot, options.settings);
  boot.without.insert(options.without.begin(), options.without.end());
  return boot;
}

void printJson(const lv::host::Device& device) {
  nlohmann::ordered_json rows = nlohmann::ordered_json::array();
  for (const lv::host::InstallationRow& r : device.installationReport()) {
    rows.push_back({{"group", r.group},
                    {"row", r.row},
                    {"kind", installKindName(r.kind)},
                    {"class", r.className},
                    {"name", r.name},
                    {"installed", r.installed}});
  }
  nlohmann::ordered_json out = {{"rows", rows}, {"globals", globalsJson(lv::host::snapshotGlobals(device.library()))}};
  std::cout << out.dump(2) << "\n";
}

void printTable(const lv::host::Device& device) {
  std::printf("%-5s %3s  %-11s  %-35s  %-38s  %s\n", "group", "row", "kind", "class", "name", "installed");
  for (const lv::host::InstallationRow& r : device.installationReport()) {
    std::printf("%-5d %3d  %-11s  %-35s  %-38s  %s\n", r.group, r.row, installKindName(r.kind),
                r.className.c_str(), r.name.c_str(), r.installed ? "yes" : "no");
  }
  std::printf("\n");
  nlohmann::ordered_json globals = globalsJson(lv::host::snapshotGlobals(device.library()));
  for (const auto& [name, value] : globals.items())
    std::printf("%-18s %s\n", name.c_str(), value.dump().c_str());
}

}  // namespace

}  // namespace lv::sim

void lv::sim::addHooksCommand(CLI::App& app, HooksOptions& options) {
  CLI::App* hooks = app.add_subcommand("hooks", "Load the library and list what it installed");
  hooks->add_option("--profile", options.profile, "Device profile (default phone)")
      ->type_name("phone|small-phone|tablet")
      ->check(profileName());
  hooks->add_option("--set", options.settings, "Stored setting (repeatable)")
      ->type_name("KEY=true|false")
      ->check(storedSetting())
      ->allow_extra_args(false);
  hooks->add_option("--without", options.without, "Host class left out (repeatable)")
      ->type_name("CLASS")
      ->check(hostClassName())
      ->allow_extra_args(false);
  hooks->add_flag("--json", options.json, "Print one JSON object");
}

int lv::sim::runHooks(const HooksOptions& options) {
  std::unique_ptr<lv::host::Device> device;
  try {
    device = lv::host::Device::boot(bootOptions(options));
  } catch (const lv::host::BootError& e) {
    return bootFault(e, "hooks");
  }
  if (options.json)
    printJson(*device);
  else
    printTable(*device);
  return kSuccess;
}
