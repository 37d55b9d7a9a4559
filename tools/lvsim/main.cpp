// lvsim: the command-line simulator of the lock screen with Lumivane loaded.
#include <iostream>
#include <optional>
#include <string>

#include <CLI/CLI.hpp>

#include "tools/lvsim/classes_command.h"
#include "tools/lvsim/compare_command.h"
#include "tools/lvsim/demo_command.h"
#include "tools/lvsim/core/echo.h"
#include "tools/lvsim/core/exit_codes.h"
#include "tools/lvsim/hooks_command.h"
#include "tools/lvsim/live_command.h"
#include "tools/lvsim/run_command.h"

namespace {

constexpr size_t kMessageLimit = 320;

// The command word, when the first argument is one that names no command.
std::optional<std::string> unknownCommand(CLI::App& app, int argc, char** argv) {
  if (argc < 2 || argv[1][0] == '-') return std::nullopt;
  for (const CLI::App* command : app.get_subcommands([](CLI::App*) { return true; }))
    if (command->get_name() == argv[1]) return std::nullopt;
  return argv[1];
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app("lvsim: the lock screen of a simulated phone with Lumivane loaded", "lvsim");
  app.require_subcommand(1);
  app.set_version_flag("--version", "lvsim " LV_VERSION);
  lv::sim::HooksOptions hooks;
  lv::sim::addHooksCommand(app, hooks);
  lv::sim::RunOptions run;
  lv::sim::addRunCommand(app, run);
  lv::sim::DemoOptions demo;
  lv::sim::addDemoCommand(app, demo);
  lv::sim::LiveCommandOptions live;
  lv::sim::addLiveCommand(app, live);
  lv::sim::CompareOptions compare;
  lv::sim::addCompareCommand(app, compare);
  lv::sim::ClassesOptions classes;
  lv::sim::addClassesCommand(app, classes);

  if (auto word = unknownCommand(app, argc, argv))
    return lv::sim::fail(lv::sim::kUsageFault, "unknown command " + lv::sim::inQuotes(*word) +
                                                   " (hooks, run, demo, live, compare or classes; see lvsim --help)");
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    std::cout << app.help();
    return lv::sim::kSuccess;
  } catch (const CLI::CallForVersion& e) {
    std::cout << e.what() << "\n";
    return lv::sim::kSuccess;
  } catch (const CLI::ParseError& e) {
    return lv::sim::fail(lv::sim::kUsageFault, lv::sim::printable(e.what(), kMessageLimit));
  }

  if (app.got_subcommand("hooks")) return lv::sim::runHooks(hooks);
  if (app.got_subcommand("run")) return lv::sim::runScenario(run);
  if (app.got_subcommand("demo")) return lv::sim::runDemo(demo);
  if (app.got_subcommand("live")) return lv::sim::runLive(live);
  if (app.got_subcommand("compare")) return lv::sim::runCompare(compare);
  if (app.got_subcommand("classes")) return lv::sim::runClasses(classes);
  return lv::sim::fail(lv::sim::kUsageFault, "no command given");
}
