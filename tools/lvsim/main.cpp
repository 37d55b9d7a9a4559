// lvsim: the command-line simulator of the lock screen with Lumivane loaded.
#include <iostream>

#include <CLI/CLI.hpp>

#include "tools/lvsim/demo_command.h"
#include "tools/lvsim/echo.h"
#include "tools/lvsim/exit_codes.h"
#include "tools/lvsim/hooks_command.h"
#include "tools/lvsim/live_command.h"
#include "tools/lvsim/run_command.h"

namespace {

constexpr size_t kMessageLimit = 320;

}  // namespace

int main(int argc, char** argv) {
  CLI::App app("lvsim: the lock screen of a simulated phone with Lumivane loaded", "lvsim");
  app.require_subcommand(1);
  lv::sim::HooksOptions hooks;
  lv::sim::addHooksCommand(app, hooks);
  lv::sim::RunOptions run;
  lv::sim::addRunCommand(app, run);
  lv::sim::DemoOptions demo;
  lv::sim::addDemoCommand(app, demo);
  lv::sim::LiveCommandOptions live;
  lv::sim::addLiveCommand(app, live);

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    std::cout << app.help();
    return lv::sim::kSuccess;
  } catch (const CLI::ParseError& e) {
    return lv::sim::fail(lv::sim::kUsageFault, lv::sim::printable(e.what(), kMessageLimit));
  }

  if (app.got_subcommand("hooks")) return lv::sim::runHooks(hooks);
  if (app.got_subcommand("run")) return lv::sim::runScenario(run);
  if (app.got_subcommand("demo")) return lv::sim::runDemo(demo);
  if (app.got_subcommand("live")) return lv::sim::runLive(live);
  return lv::sim::fail(lv::sim::kUsageFault, "no command given");
}
