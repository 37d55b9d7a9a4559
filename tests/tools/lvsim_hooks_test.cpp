// `lvsim hooks`, and the command line every command shares. Which rows install for which
// settings is the library's own business, tested there: here, that options reach the device.
#include <gtest/gtest.h>

#include <string>

#include "lvsim_process.h"

namespace {

using namespace testing_support;

Json hooksJson(const std::string& args) {
  ProcessRun run = lvsim("hooks --json " + args);
  EXPECT_EQ(run.exitCode, 0) << args;
  return Json::parse(run.output);
}

int countInstalled(const Json& report, int group) {
  int n = 0;
  for (const Json& row : report["rows"]) n += row["group"] == group && row["installed"] == true;
  return n;
}

TEST(LvsimHooks, TheOptionsReachTheDeviceAndEveryRowIsListed) {
  Json nothing = hooksJson("");
  ASSERT_EQ(nothing["rows"].size(), 65u);
  EXPECT_EQ(countInstalled(nothing, 2), 0);
  EXPECT_EQ(nothing["rows"][6], Json::parse(R"({"group":1,"row":7,"kind":"replacement",
      "class":"CSCombinedListViewController","name":"_listViewDefaultContentInsets","installed":true})"));

  Json report = hooksJson("--set kEnabled=true --set ShowTime=true --without PLPlatterView --profile small-phone");
  for (const Json& row : report["rows"]) EXPECT_EQ(row["installed"], row["class"] != "PLPlatterView") << row.dump();
  EXPECT_EQ(report["globals"]["ShowTime"], true);
  EXPECT_EQ(report["globals"]["isSmallDeviceSB"], true);

  ProcessRun table = lvsim("hooks --set kEnabled=true");
  ASSERT_EQ(table.exitCode, 0);
  EXPECT_NE(table.output.find("MRUMediaSuggestionsView"), std::string::npos) << "the last row, then the globals";
  EXPECT_NE(table.output.find("isSmallDeviceSB"), std::string::npos);
  EXPECT_EQ(table.output.find(" no\n"), std::string::npos);
}

// Without a display, so that `live` stops at the first thing it cannot do; a script is read first.
TEST(LvsimCommandLine, BadInputIsOneLineNamingItAndExitCodeTwo) {
  Folder dir;
  const std::string file = dir.write("file", "not a folder").string();
  int scripts = 0;
  auto live = [&](const std::string& script) {
    return "live --script " + dir.write("script" + std::to_string(scripts++) + ".json", script).string();
  };
  const std::pair<std::string, std::string> cases[] = {
      {"", "A subcommand is required"},
      {"hooks --frobnicate", "not expected: --frobnicate"},
      {"hooks --json extra", "not expected: extra"},
      {"hooks --profile watch", "--profile: unknown profile \"watch\" (phone, small-phone or tablet)"},
      {"hooks --set kEnabled=yes", "--set: setting kEnabled takes true or false, got \"yes\""},
      {"hooks --set Unknown=true", "--set: unknown setting \"Unknown\" (known: kEnabled,"},
      {"hooks --set kEnabled", "--set: expected KEY=true|false, got \"kEnabled\""},
      {"hooks --without NoSuchClass", "--without: unknown host class \"NoSuchClass\""},
      {"demo --profile watch", "--profile: unknown profile"},
      {"demo --set kEnabled=maybe", "--set: setting kEnabled takes true or false"},
      {"demo --colour red", "not expected"},
      {"demo --out " + file + "/d", file + "/d: cannot make the folder: Not a directory"},
      {"demo --out " + file, file + ": cannot make the folder: Not a directory"},
      {"live --set Nope=true", "--set: unknown setting \"Nope\""},
      {"live --exit-after 0", "--exit-after: expected a number of seconds above 0, at most 360000"},
      {"live --exit-after nan", "--exit-after: expected a number of seconds"},
      {"live --resumed-at nan", "expected a number of seconds from 0 to 360000"},
      {"live --exit-after 5 --out " + dir.path.string(), "live: no display to open a window on (set DISPLAY, or WAYLAND_DISPLAY)"},
      {live(R"({"events": [{"at": 1, "key": "x"}]})"), "events[0].key: unknown key \"x\""},
      {live(R"({"events": [{"click": [1, 2]}]})"), "events[0]: expected \"at\" and one action"},
      {live(R"({"events": [{"at": 1, "click": [1]}]})"), "events[0].click: expected [X, Y]"},
      {live(R"({"events": [{"at": 1, "save": "../up.png"}]})"), "events[0].save: expected a file name"},
      {live(R"({"events": [{"at": 1, "click": "NoSuchView"}]})"), "events[0]: no class named \"NoSuchView\""},
      {live(R"({"events": [{"at": -1, "release": true}]})"), "events[0].at: expected a number of seconds"},
      {live(R"({"events": [{"at": 1, "save": ")" + std::string(300, 'x') + R"(.png"}]})"),
       "events[0].save: expected a file name of at most 255 bytes"},
  };
  for (const auto& [args, message] : cases)
    expectRefused(runCommand("env -u DISPLAY -u WAYLAND_DISPLAY " + kLvsim + " " + args, true), message, args.substr(0, 80));
  EXPECT_EQ(readFile(file), "not a folder");
}

}  // namespace
