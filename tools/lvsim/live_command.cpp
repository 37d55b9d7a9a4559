#include "tools/lvsim/live_command.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <CLI/CLI.hpp>

#include "host/device.h"
#include "host/settings.h"
#include "tools/lvsim/core/echo.h"
#include "tools/lvsim/core/exit_codes.h"
#include "tools/lvsim/core/json_reading.h"
#include "tools/lvsim/core/live_keys.h"
#include "tools/lvsim/core/live_session.h"
#include "tools/lvsim/core/settings_option.h"
#include "tools/lvsim/core/story.h"
#include "tools/lvsim/live_window.h"
#include "tools/lvsim/number_option.h"
#include "tools/lvsim/shared_options.h"

namespace lv::sim {

namespace {

// Seconds above 0 (or from 0, with `zeroAllowed`), as long as a story may last.
CLI::Validator seconds(bool zeroAllowed) {
  return numberIn({.low = 0, .high = json::kMaxSeconds, .lowIncluded = zeroAllowed, .unit = "seconds",
                   .highInWords = "(100 hours)"});
}

int restart(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  std::printf("restarting with the new settings\n");
  std::fflush(stdout);
  execv("/proc/self/exe", argv.data());
  return fail(kRunFault, "live", std::string("cannot restart: ") + std::strerror(errno));
}

// The same command with the menu's settings, going on from `elapsed` seconds. Every option
// goes along as given but these: --set gives the menu's booleans, which win over
// --preferences and --settings, and keeps what it gave other keys; --resumed-at is `elapsed`.
std::vector<std::string> restartArguments(const LiveCommandOptions& options, const std::vector<prefs::RegisteredKey>& settings,
                                          double elapsed) {
  std::vector<std::string> menu;
  for (const prefs::RegisteredKey& m : settings) {
    if (!m.boolean) continue;
    std::string name = m.identifier == lv::host::kPreferencesIdentifier ? m.key : m.identifier + ":" + m.key;
    std::string text = name + "=" + (m.on ? "true" : "false");
    if (!settingError(text)) menu.push_back(text);
  }
  auto fromMenu = [&](const std::string& given) {
    StoredSetting g = parseSetting(given);
    return std::any_of(menu.begin(), menu.end(), [&](const std::string& text) {
      StoredSetting m = parseSetting(text);
      return m.key == g.key && (m.identifier == g.identifier ||
                                (m.identifier.empty() && g.identifier == lv::host::kPreferencesIdentifier));
    });
  };
  std::vector<std::string> set;
  for (const std::string& given : options.device.settings)
    if (!fromMenu(given)) set.push_back(given);
  set.insert(set.end(), menu.begin(), menu.end());
  return relaunchArguments(options.given, {{"--set", set}, {"--resumed-at", {std::to_string(elapsed)}}});
}

}  // namespace

}  // namespace lv::sim

void lv::sim::addLiveCommand(CLI::App& app, LiveCommandOptions& options) {
  CLI::App* live = app.add_subcommand("live", "The lock screen in a window, driven with the mouse and keys");
  live->footer(kLiveKeysHelp);
  addDeviceOptions(*live, options.device, "; kEnabled is stored true first");
  live->add_option("--out", options.out, "Folder for saved pictures (default out/live)")->type_name("DIR");
  live->add_option("--script", options.script, "Timed input events to play (JSON)")->type_name("FILE");
  live->add_option("--exit-after", options.exitAfter, "Quit after this many seconds")
      ->type_name("SECONDS")
      ->check(seconds(false));
  live->add_option("--resumed-at", options.resumedAt)->group("")->check(seconds(true));
  addTraceOptions(*live, options.trace);
  addVideoOptions(*live, options.video, false);
  live->get_option("--scale")->description("Pixels per point of what V records (default 1: the device's pixels stall the window)");
  recordCommandLine(*live, options.given);
}

int lv::sim::runLive(const LiveCommandOptions& options) {
  LiveWindowOptions window;
  if (!options.script.empty()) {
    try {
      window.script = readLiveScript(options.script);
    } catch (const InputError& e) {
      return fail(kUsageFault, options.script, e.what());
    }
  }
  window.exitAfter = options.exitAfter;
  window.resumedAt = options.resumedAt;
  window.out = options.out;
  window.video = options.video;
  if (!window.video.scale) window.video.scale = 1;
  if (auto error = writableFolderError(window.out)) return fail(kUsageFault, options.out, *error);
  window.files.reads(options.script);
  for (const std::filesystem::path& input : inputFiles(options.device)) window.files.reads(input);
  for (const ScriptEvent& e : window.script)
    if (e.kind == ScriptEvent::Kind::Save)
      window.files.writes(window.out / e.file, options.script + ": " + e.place + ".save");
  window.files.writes(options.trace.file);
  if (auto allowed = window.files.check(); !allowed)
    return fail(kUsageFault, allowed.error().where, allowed.error().what);
  MessageTrace trace(options.trace);
  if (auto error = trace.folderError()) return fail(kUsageFault, options.trace.file, *error);

  lv::host::BootOptions boot;
  boot.settings["kEnabled"] = true;
  if (int code = applyDeviceOptions(options.device, boot)) return code;
  std::unique_ptr<LiveSession> session;
  try {
    session = std::make_unique<LiveSession>(boot);
  } catch (const lv::host::BootError& e) {
    return bootFault(e, "live");
  }
  for (const ScriptEvent& e : window.script)
    for (const LiveTarget* t : {&e.from, &e.to})
      if (!t->point && !t->className.empty() && !objc_getClass(t->className.c_str()))
        return fail(kUsageFault, options.script, e.place + ": no class named \"" + t->className + "\"");

  LiveOutcome outcome;
  try {
    outcome = runLiveWindow(*session, window);
  } catch (const NoDisplay& e) {
    return fail(kUsageFault, "live", e.what());
  } catch (const ScriptFault& e) {
    return fail(kUsageFault, options.script, e.what());
  } catch (const std::runtime_error& e) {
    return trace.finish(fail(kRunFault, "live", e.what()));
  }
  if (int code = trace.finish(kSuccess)) return code;
  if (outcome.action != LiveAction::Restart) return kSuccess;
  std::vector<std::string> args = restartArguments(options, session->menuSettings(), outcome.elapsed);
  session.reset();  // the device's settings folder goes with it: the new process makes its own
  return restart(args);
}
