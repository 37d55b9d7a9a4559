#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "lvsim_process.h"

namespace {

using testing_support::lvsim;
using testing_support::ProcessRun;

nlohmann::json hooksJson(const std::string& args) {
  ProcessRun run = lvsim("hooks --json " + args);
  EXPECT_EQ(run.exitCode, 0) << args;
  return nlohmann::json::parse(run.output);
}

int countInstalled(const nlohmann::json& report, int group) {
  int n = 0;
  for (const auto& row : report["rows"])
    if (row["group"] == group && row["installed"] == true) ++n;
  return n;
}

TEST(LvsimHooks, ThreeSettingsCases) {
  nlohmann::json nothing = hooksJson("");
  ASSERT_EQ(nothing["rows"].size(), 65u);
  EXPECT_EQ(countInstalled(nothing, 1), 12);
  EXPECT_EQ(countInstalled(nothing, 2), 0);
  EXPECT_EQ(nothing["globals"]["enabled"], false);
  EXPECT_EQ(nothing["globals"]["ShowBackground"], true);
  EXPECT_EQ(nothing["globals"]["headerView"], nullptr);
  EXPECT_EQ(nothing["globals"]["dOriginY"], 310.0);
  EXPECT_EQ(nothing["globals"]["isSmallDeviceSB"], false);
  EXPECT_FALSE(nothing["globals"].contains("controlsWidth"));
  const nlohmann::json& row7 = nothing["rows"][6];
  EXPECT_EQ(row7, nlohmann::json::parse(R"({"group":1,"row":7,"kind":"replacement",
      "class":"CSCombinedListViewController","name":"_listViewDefaultContentInsets","installed":true})"));

  nlohmann::json enabled = hooksJson("--set kEnabled=true --set ShowTime=true");
  EXPECT_EQ(countInstalled(enabled, 1), 12);
  EXPECT_EQ(countInstalled(enabled, 2), 53);
  EXPECT_EQ(enabled["globals"]["ShowTime"], true);
  const nlohmann::json& last = enabled["rows"].back();
  EXPECT_EQ(last["row"], 53);
  EXPECT_EQ(last["class"], "MRUMediaSuggestionsView");

  nlohmann::json disabled = hooksJson("--set kEnabled=false --profile small-phone");
  EXPECT_EQ(countInstalled(disabled, 2), 0);
  EXPECT_EQ(disabled["globals"]["isSmallDeviceSB"], true);
}

TEST(LvsimHooks, HostWithoutAClass) {
  nlohmann::json report = hooksJson("--set kEnabled=true --without CSFocusActivityView --without PLPlatterView");
  EXPECT_EQ(countInstalled(report, 1), 11);
  EXPECT_EQ(countInstalled(report, 2), 52);
  for (const auto& row : report["rows"]) {
    bool leftOut = row["class"] == "CSFocusActivityView" || row["class"] == "PLPlatterView";
    EXPECT_EQ(row["installed"], !leftOut) << row.dump();
  }
}

TEST(LvsimHooks, TextTableListsEveryRow) {
  ProcessRun run = lvsim("hooks --set kEnabled=true");
  ASSERT_EQ(run.exitCode, 0);
  EXPECT_NE(run.output.find("MRUNowPlayingTimeControlsView"), std::string::npos);
  EXPECT_NE(run.output.find("isSmallDeviceSB"), std::string::npos);
  EXPECT_EQ(run.output.find(" no\n"), std::string::npos);
}

TEST(LvsimHooks, BadInputIsOneErrorLineAndExitCode2) {
  const char* cases[] = {"hooks --profile watch", "hooks --set kEnabled=yes", "hooks --set Unknown=true",
                         "hooks --set kEnabled", "hooks --without NoSuchClass", "hooks --frobnicate", "",
                         "hooks --json extra"};
  for (const char* args : cases) {
    ProcessRun run = lvsim(args, true);
    EXPECT_EQ(run.exitCode, 2) << args;
    EXPECT_EQ(run.output.rfind("lvsim: ", 0), 0u) << args << ": " << run.output;
    EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 1) << args << ": " << run.output;
  }
}

}  // namespace
