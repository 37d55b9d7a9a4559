// `lvsim hooks`, and the command line every command shares. Which rows install for which
// settings is the library's own business, tested there: here, that options reach the device.
#include <elf.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <cstddef>
#include <fstream>
#include <string>
#include <tuple>

#include "lvsim_process.h"
#include "schema_check.h"
#include "prefs/settings_file.h"

namespace {

using namespace testing_support;

Json hooksJson(const Args& args) {
  ProcessRun run = lvsim(Args{"hooks", "--json"} + args);
  EXPECT_EQ(run.exitCode, 0) << joined(args);
  return Json::parse(run.output);
}

TEST(LvsimHooks, TheOptionsReachTheDeviceAndEveryRowIsListed) {
  Json nothing = hooksJson({});
  ASSERT_EQ(nothing["rows"].size(), 65u);
  for (const Json& row : nothing["rows"]) EXPECT_FALSE(row["group"] == 2 && row["installed"] == true) << row.dump();
  EXPECT_EQ(nothing["rows"][6], Json::parse(R"({"group":1,"row":7,"kind":"replacement",
      "class":"CSCombinedListViewController","name":"_listViewDefaultContentInsets","installed":true})"));

  Json report = hooksJson({"--set", "kEnabled=true", "--set", "ShowTime=true", "--without", "PLPlatterView", "--profile", "small-phone"});
  for (const Json& row : report["rows"]) EXPECT_EQ(row["installed"], row["class"] != "PLPlatterView") << row.dump();
  EXPECT_EQ(Json({report["globals"]["ShowTime"], report["globals"]["isSmallDeviceSB"]}), Json({true, true}));

  ProcessRun table = lvsim({"hooks", "--set", "kEnabled=true"});
  EXPECT_TRUE(table.exitCode == 0 && table.output.find("MRUMediaSuggestionsView") != std::string::npos &&
              table.output.find("isSmallDeviceSB") != std::string::npos && table.output.find(" no\n") == std::string::npos)
      << "the last row, then the globals, every row installed: " << table.output;
}

// Another library loads as ours does and lists what it changed, none leaves the host alone;
// stored settings come from a property list as the device keeps it, and --set wins.
TEST(LvsimHooks, AnyLibraryOrNoneAndSettingsAsTheDeviceStoresThem) {
  EXPECT_EQ(hooksJson({"--library", FOREIGN_LIBRARY_PATH}), Json::parse(R"({"rows": [{"group": 0, "row": 1,
      "kind": "replacement", "class": "MRUArtworkView", "name": "layoutSubviews", "installed": true}], "globals": {},
      "calls": [{"function": "MSHookMessageEx", "method": "-[MRUArtworkView layoutSubviews]", "outcome": "installed",
                 "installed": true}]})"));
  EXPECT_EQ(hooksJson({"--library", "none"}), Json::parse(R"({"rows": [], "globals": {}, "calls": []})"));
  Folder dir;
  ASSERT_TRUE(prefs::writeSettingsFile(dir.path / "s.plist", {{"kEnabled", true}, {"ShowTime", true}}, prefs::PlistFormat::Binary));
  Json globals = hooksJson({"--settings", (dir.path / "s.plist").string(), "--set", "ShowTime=false"})["globals"];
  EXPECT_EQ(Json({globals["enabled"], globals["ShowTime"]}), Json({true, false}));
}

// Every call a library makes to change a method is listed with what it did, also in the
// run's report: a misspelt class or selector installs nothing, and --strict names each.
TEST(LvsimHooks, EveryHookCallIsListedWithItsOutcome) {
  const Json calls = Json::parse(R"([
      {"function": "MSHookMessageEx", "method": "-[CSCoverSheetView layoutSubviews]", "outcome": "installed", "installed": true},
      {"function": "MSHookMessageEx", "method": "-[MRUNowPlayingLabelView setTitle:]", "outcome": "installed", "installed": true},
      {"function": "MSHookMessageEx", "method": "-[CSMediaControlsViewController _preferredMediaRemoteHeight]",
       "outcome": "installed", "installed": true},
      {"function": "MSHookMessageEx", "method": "-[CSCoverSheetVeiw layoutSubviews]",
       "outcome": "no class named CSCoverSheetVeiw", "installed": false},
      {"function": "MSHookMessageEx", "method": "-[CSCoverSheetView layoutSubveiws]",
       "outcome": "CSCoverSheetView answers no layoutSubveiws", "installed": false},
      {"function": "class_addMethod", "method": "-[CSCoverSheetView initWithFrame:]",
       "outcome": "CSCoverSheetView already has initWithFrame:", "installed": false},
      {"function": "class_addMethod", "method": "-[CSCoverSheetView lvt_mark]", "outcome": "added", "installed": true},
      {"function": "class_replaceMethod", "method": "-[CSCoverSheetView lvt_mark]", "outcome": "replaced", "installed": true},
      {"function": "class_replaceMethod", "method": "+[CSCoverSheetView lvt_mark]", "outcome": "added", "installed": true}])");
  EXPECT_EQ(hooksJson({"--library", TWEAK_LIBRARY_PATH})["calls"], calls);
  Folder dir;
  const std::string story = dir.write("s.json", R"({"steps": [{"snapshot": "after"}]})").string();
  Json report = runReport({story, "--library", TWEAK_LIBRARY_PATH}, dir.path);
  EXPECT_EQ(report["hooks"], calls);
  EXPECT_EQ(schemaFaults("report", report), "");
  const Json* cover = findClass(report["snapshots"][0]["tree"], "CSCoverSheetView");
  ASSERT_TRUE(cover);
  EXPECT_EQ(Json({(*cover)["subviews"][1]["text"], (*cover)["subviews"][1]["hidden"], (*cover)["subviews"][0]["alpha"]}),
            Json({"9:41", true, 0.5})) << "the clock hidden through its ivar, the date dimmed through its property";

  const std::pair<Args, std::vector<std::string>> cases[] = {
      {{"--library", TWEAK_LIBRARY_PATH}, {"MSHookMessageEx -[CSCoverSheetVeiw layoutSubviews]: no class named CSCoverSheetVeiw",
                                           "MSHookMessageEx -[CSCoverSheetView layoutSubveiws]: CSCoverSheetView answers no",
                                           "class_addMethod -[CSCoverSheetView initWithFrame:]: CSCoverSheetView already has"}},
      {{"--set", "kEnabled=true", "--without", "PLPlatterView"}, {}},
  };
  for (const auto& [args, lines] : cases) {
    ProcessRun strict = lvsim(Args{"hooks", "--strict"} + args);
    EXPECT_EQ(Json({strict.exitCode, lineCount(strict.errors)}), Json({lines.empty() ? 0 : 1, lines.size()})) << strict.errors;
    for (const std::string& line : lines) EXPECT_NE(strict.errors.find("lvsim: hooks: " + line), std::string::npos) << line;
  }
}

// A library that ends the process, or crashes it, while it loads or while a step runs: one
// line names the library, what was being done, the virtual time and the library's innermost
// frame, as a C signature for a method's replacement; an exit is bad input, a signal kills.
TEST(LvsimHooks, ALibraryThatEndsTheProcessIsNamedWithWhatWasBeingDone) {
  Folder dir;
  const std::string library = MISBEHAVING_LIBRARY_PATH;
  const std::string story = dir.write("s.json", R"({"steps": [{"advance": 1},
      {"play": {"title": "T", "artist": "A", "duration": 60}}, {"snapshot": "after"}]})").string();
  const Args run = {"run", story, "--out", dir.path.string()};
  fs::create_directory(dir.path / "references");
  struct Case {
    std::string misbehaviour;
    Args args;
    int exitCode, signal;
    std::string line;
  };
  const Case cases[] = {
      {"exit", run + Args{"--expect", (dir.path / "references").string()}, 2, 0, "ended the process (exit status 0) while loading at t=0.000\n"},
      {"crash", {"hooks"}, -1, SIGSEGV, "died of SIGSEGV while loading at t=0.000\n"},
      {"crash-on-artwork", run, -1, SIGSEGV, "died of SIGSEGV while taking steps[1] (play \"T\" by A) at t=1.000 in lvCrashingSetter(id, SEL, id)\n"},
  };
  for (const Case& c : cases) {
    Folder temporary;
    ProcessRun ran = lvsim(c.args + Args{"--library", library},
                           {.stderrToo = true, .environment = {{"TMPDIR", temporary.path.string()},
                                                               {"LV_MISBEHAVE", c.misbehaviour},
                                                               {"ASAN_OPTIONS", "handle_segv=0"}}});
    std::string line = "lvsim: " + library + ": " + c.line;
    EXPECT_EQ(Json({ran.exitCode, ran.signal, ran.output.substr(0, line.size()), lineCount(ran.output)}),
              Json({c.exitCode, c.signal, line, 1})) << c.misbehaviour;
    EXPECT_TRUE(fs::is_empty(temporary.path)) << c.misbehaviour << ": the settings folder stayed";
  }
}

// A trace shows what the library was given and gave back, in both directions of a hook:
// the title it was handed and the one it passed on, the height it answered.
TEST(LvsimHooks, TheTraceShowsArgumentsAndResults) {
  Folder dir;
  const std::string story = dir.write("s.json", R"({"steps": [{"advance": 1},
      {"play": {"title": "Night \"Drive\"", "artist": "A", "duration": 60}}]})").string();
  ProcessRun ran = lvsim({"run", story, "--out", dir.path.string(), "--library", TWEAK_LIBRARY_PATH, "--trace",
                          (dir.path / "t.txt").string(), "--trace-filter", "* setTitle:", "--trace-filter", "* _preferred*"});
  ASSERT_EQ(ran.exitCode, 0) << ran.output;
  EXPECT_EQ(readFile(dir.path / "t.txt"),
            "t=1.000 depth=1 enter CSMediaControlsViewController _preferredMediaRemoteHeight\n"
            "t=1.000 depth=2 slot CSMediaControlsViewController _preferredMediaRemoteHeight\n"
            "t=1.000 depth=1 return CSMediaControlsViewController _preferredMediaRemoteHeight -> 226\n"
            "t=1.000 depth=3 enter CSMediaControlsViewController _preferredMediaRemoteHeight\n"
            "t=1.000 depth=4 slot CSMediaControlsViewController _preferredMediaRemoteHeight\n"
            "t=1.000 depth=3 return CSMediaControlsViewController _preferredMediaRemoteHeight -> 226\n"
            R"(t=1.000 depth=1 enter MRUNowPlayingLabelView setTitle: "Night \"Drive\"")" "\n"
            R"(t=1.000 depth=2 slot MRUNowPlayingLabelView setTitle: "NIGHT \"DRIVE\"")" "\n"
            "t=1.000 depth=1 return MRUNowPlayingLabelView setTitle:\n");
}

// Traced, a crash prints the trace's last lines after its own and leaves the trace up to it.
TEST(LvsimHooks, ACrashKeepsTheTraceUpToIt) {
  Folder dir;
  const std::string library = MISBEHAVING_LIBRARY_PATH, trace = (dir.path / "t.txt").string();
  const std::string story = dir.write("s.json", R"({"steps": [{"advance": 1},
      {"play": {"title": "T", "artist": "A", "duration": 60}}]})").string();
  const std::string traced = "t=1.000 depth=1 enter MRUArtworkView setArtworkImage: <UIImage #1>\n";
  const std::tuple<std::string, int, std::string, std::string> cases[] = {
      {"crash-on-artwork", SIGSEGV, "SIGSEGV", "lvCrashingSetter"},
      {"unknown-on-artwork", SIGABRT, "SIGABRT", "lvUnknownSendingSetter"},
  };
  for (const auto& [misbehaviour, signal, name, frame] : cases) {
    const std::string line = "died of " + name + " while taking steps[1] (play \"T\" by A) at t=1.000 in " + frame + "(id, SEL, id)\n";
    ProcessRun ran = lvsim({"run", story, "--out", dir.path.string(), "--library", library, "--trace", trace,
                            "--trace-filter", "MRUArtworkView set*"},
                           {.stderrToo = true, .environment = {{"LV_MISBEHAVE", misbehaviour}, {"ASAN_OPTIONS", "handle_segv=0"}}});
    std::string shown = "lvsim: " + library + ": " + line + "lvsim: the trace's last lines:\n" + traced;
    EXPECT_EQ(ran.signal, signal) << misbehaviour;
    EXPECT_TRUE(ran.output.ends_with(shown)) << ran.output;
    EXPECT_EQ(readFile(trace), traced + "died of " + name + "\n") << misbehaviour;
  }
}

TEST(LvsimCommandLine, VersionAndHelpListingTheSettings) {
  const std::pair<Args, std::string> cases[] = {{{"--version"}, "lvsim " LV_VERSION "\n"},
                                                {{"live", "--help"}, "KEY one of kEnabled, ShowBackground, ShowTime"},
                                                {{"live", "--help"}, "L       load the library anew"}};
  for (const auto& [args, shown] : cases) {
    ProcessRun run = lvsim(args);
    EXPECT_EQ(run.exitCode, 0) << joined(args);
    EXPECT_NE(run.output.find(shown), std::string::npos) << run.output;
  }
}

// Without a display, so that `live` stops at the first thing it cannot do; a script is read first.
TEST(LvsimCommandLine, BadInputIsOneLineNamingItAndExitCodeTwo) {
  Folder dir;
  const std::string file = dir.write("file", "not a folder").string();
  auto plist = [&](const std::string& name, const std::string& entry) {
    return dir.write(name, "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict>" + entry + "</dict></plist>").string();
  };
  const std::string fifo = (dir.path / "fifo").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  // A library for another machine: the loader says there is no such file.
  const fs::path arm = dir.path / "arm.so";
  fs::copy_file(FOREIGN_LIBRARY_PATH, arm);
  std::fstream(arm, std::ios::in | std::ios::out | std::ios::binary).seekp(offsetof(Elf64_Ehdr, e_machine)).put(char(EM_AARCH64));
  for (const char* folder : {"p", "q"}) fs::create_directory(dir.path / folder);
  int scripts = 0;
  auto live = [&](const std::string& script) {
    return Args{"live", "--script", dir.write("script" + std::to_string(scripts++) + ".json", script).string()};
  };
  const std::pair<Args, std::string> cases[] = {
      {{}, "A subcommand is required"},
      {Args{"frob", "--json"}, "lvsim: unknown command \"frob\" (hooks, run, demo, live, compare or classes; see lvsim --help)"},
      {Args{"hooks", "--frobnicate"}, "not expected: --frobnicate"},
      {Args{"hooks", "--json", "extra"}, "not expected: extra"},
      {Args{"hooks", "--profile", "watch"}, "--profile: unknown profile \"watch\" (phone, small-phone or tablet)"},
      {Args{"hooks", "--set", "kEnabled=yes"}, "--set: setting kEnabled takes true or false, got \"yes\""},
      {Args{"hooks", "--set", "Unknown=true"}, "--set: unknown setting \"Unknown\" (known: kEnabled,"},
      {Args{"hooks", "--set", "kEnabled"}, "--set: expected KEY=true|false or IDENTIFIER:KEY=VALUE, got \"kEnabled\""},
      {Args{"hooks", "--set", "a/b:k=1"}, "--set: no preferences identifier \"a/b\""},
      {Args{"hooks", "--set", "com.example.clib:=1"}, "--set: expected a key before \"=\""},
      {Args{"hooks", "--set", "com.lumivane.preferences:kEnabled=1"}, "--set: setting kEnabled takes true or false"},
      {Args{"hooks", "--preferences", file}, file + ": cannot list the folder"},
      {Args{"hooks", "--preferences", dir.write("p/notes.txt", "").parent_path().string()}, "\"notes.txt\" is not named IDENTIFIER.plist"},
      {Args{"live", "--preferences", dir.write("q/com.x.plist", "<x>").parent_path().string()}, "\"com.x.plist\": not a property list"},
      {Args{"hooks", "--without", "NoSuchClass"}, "--without: unknown host class \"NoSuchClass\""},
      {Args{"hooks", "--library", "/none.so"}, "lvsim: /none.so: cannot load the library: cannot open shared object file"},
      {Args{"run", "--library", file, dir.write("l.json", R"({"library": "none.so", "steps": []})").string()},
       file + ": cannot load the library: file too short"},
      {Args{"run", dir.write("l.json", R"({"library": "none.so", "steps": []})").string()}, dir.path.string() + "/none.so: cannot load"},
      {Args{"hooks", "--library", fifo}, fifo + ": cannot load the library: not a regular file"},
      {Args{"hooks", "--library", dir.path.string()}, ": cannot load the library: a folder, not a file"},
      {Args{"hooks", "--library", arm.string()},
       "arm.so: cannot load the library: wrong architecture: the library is for AArch64 (64-bit), this host is x86-64"},
      {{"hooks", "--library", ""}, "--library: expected a file name or \"none\""},
      {{"demo", "--settings", ""}, "--settings: expected a file name"},
      {Args{"hooks", "--settings", file}, file + ": not a property list"},
      {Args{"demo", "--settings", plist("t.plist", "<key>kEnabled</key><string>yes</string>")},
       "t.plist: setting kEnabled holds a value that is not a boolean"},
      {Args{"live", "--settings", plist("u.plist", "<key>Colour</key><true/>")}, "u.plist: unknown setting \"Colour\" (known: kEnabled"},
      {Args{"demo", "--profile", "watch"}, "--profile: unknown profile"},
      {Args{"demo", "--set", "kEnabled=maybe"}, "--set: setting kEnabled takes true or false"},
      {Args{"demo", "--colour", "red"}, "not expected"},
      {Args{"demo", "--out", file + "/d"}, file + "/d: cannot make the folder: Not a directory"},
      {Args{"demo", "--out", file}, file + ": cannot make the folder: Not a directory"},
      {Args{"demo", "--trace", dir.path.string()}, dir.path.string() + ": is a folder"},
      {Args{"live", "--set", "Nope=true"}, "--set: unknown setting \"Nope\""},
      {Args{"live", "--exit-after", "0"}, "--exit-after: expected a number of seconds above 0, at most 360000"},
      {Args{"live", "--exit-after", "nan"}, "--exit-after: expected a number of seconds"},
      {Args{"live", "--resumed-at", "nan"}, "expected a number of seconds from 0 to 360000"},
      {Args{"live", "--exit-after", "5", "--out", dir.path.string()}, "live: no display to open a window on (set DISPLAY, or WAYLAND_DISPLAY)"},
      {live(R"({"$schema": 7, "events": []})"), "$schema: expected a string"},
      {live(R"({"events": [{"at": 1, "key": "x"}]})"), "events[0].key: unknown key \"x\""},
      {live(R"({"events": [{"click": [1, 2]}]})"), "events[0]: expected \"at\" and one action"},
      {live(R"({"events": [{"at": 1, "click": [1]}]})"), "events[0].click: expected [X, Y]"},
      {live(R"({"events": [{"at": 1, "save": "../up.png"}]})"), "events[0].save: expected a file name"},
      {live(R"({"events": [{"at": 1, "move": "NoSuchView"}]})"), "events[0]: no class named \"NoSuchView\""},
      {live(R"({"events": [{"at": -1, "release": true}]})"), "events[0].at: expected a number of seconds"},
      {live(R"({"events": [{"at": 1, "wheel": {"over": [1, 2], "notches": 18446744073709551615}}]})"),
       "events[0].wheel.notches: expected a whole number from -100 to 100, not 0"},
      {live(R"({"events": [{"at": 1, "click": {"view": "UIView", "at": [0.5, 1e308]}}]})"),
       "events[0].click.at[1]: expected a fraction of the view's size from -100 to 100"},
      {live(R"({"events": [{"at": 1, "save": ")" + std::string(300, 'x') + R"(.png"}]})"),
       "events[0].save: expected a file name of at most 255 bytes"},
  };
  for (const auto& [args, message] : cases)
    expectRefused(runProcess(Args{"timeout", "60", kLvsim} + args, kNoDisplay), message, joined(args).substr(0, 80));
  EXPECT_EQ(readFile(file), "not a folder");
}

// Keys that a property list reader would cut at their NUL, or keep one of, in XML and in
// binary (ASCII and UTF-16 keys): each is refused, naming the key.
TEST(LvsimCommandLine, SettingsKeysWithANulOrGivenTwiceAreRefused) {
  using namespace std::string_literals;
  Folder dir;
  auto xml = [](const std::string& entries) { return "<plist version=\"1.0\"><dict>" + entries + "</dict></plist>"; };
  const std::pair<std::string, std::string> cases[] = {
      {xml("<key>kEnabled\0</key><true/>"s), "key \"kEnabled\\x00\" holds a NUL character"},
      {xml("<key>kEnabled</key><true/><key>k&#69;nabled</key><false/>"), "key \"kEnabled\" appears twice"},
      {"bplist00\xd1\x01\x02YkEnabled\x00\x09\x08\x0b\x15\0\0\0\0\0\0\x01\x01\0\0\0\0\0\0\0\x03\0\0\0\0\0\0\0\0"
       "\0\0\0\0\0\0\0\x16"s, "key \"kEnabled\\x00\" holds a NUL character"},
      {"bplist00\xd1\x01\x02\x63\0k\0\0\0\xe9\x09\x08\x0b\x12\0\0\0\0\0\0\x01\x01\0\0\0\0\0\0\0\x03\0\0\0\0\0\0\0\0"
       "\0\0\0\0\0\0\0\x13"s, "key \"k\\x00\u00e9\" holds a NUL character"},
      {"bplist00\xd2\x01\x02\x03\x04XkEnabledXkEnabled\x09\x08\x08\x0d\x16\x1f \0\0\0\0\0\0\x01\x01\0\0\0\0\0\0\0"
       "\x05\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0!"s, "key \"kEnabled\" appears twice"},
  };
  for (const auto& [bytes, message] : cases) {
    std::string file = dir.write("s.plist", bytes).string();
    expectRefused(lvsim({"hooks", "--settings", file}, true), file + ": " + message, message);
  }
}

}  // namespace
