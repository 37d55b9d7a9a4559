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
  lvsim::HooksOptions hooks;
  lvsim::addHooksCommand(app, hooks);
  lvsim::RunOptions run;
  lvsim::addRunCommand(app, run);
  lvsim::DemoOptions demo;
  lvsim::addDemoCommand(app, demo);
  lvsim::LiveCommandOptions live;
  lvsim::addLiveCommand(app, live);

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    std::cout << app.help();
    return lvsim::kSuccess;
  } catch (const CLI::ParseError& e) {
    return lvsim::fail(lvsim::kUsageFault, lvsim::printable(e.what(), kMessageLimit));
  }

  if (app.got_subcommand("hooks")) return lvsim::runHooks(hooks);
  if (app.got_subcommand("run")) return lvsim::runScenario(run);
  if (app.got_subcommand("demo")) return lvsim::runDemo(demo);
  if (app.got_subcommand("live")) return lvsim::runLive(live);
  return lvsim::fail(lvsim::kUsageFault, "no command given");
}
